// Die-lines made elsewhere, opened end to end as the command line and the window open them:
// read, regenerated (totals, outer contour and cut surface), checked, and their rules
// reported. A DXF sheet of small closed cut-outs (lines, arcs and bulged polylines; 50,000
// entities for 10,000 cut-outs) and a CFF2 of squares with a bridge each (200,000 records for
// 50,000 squares), each inside one outline. Goals: the DXF of 50,000 entities under 0.5 s of
// processor time, the CFF2 of 200,000 records under 1 s, both under 300 MB; the time per
// entity flat from 1,000 to 200,000. The files are made here, not kept in the repository.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <string>

#include "bench/bench_support.h"
#include "check/design_check.h"
#include "drawing/rule_report.h"
#include "io/die_line_import.h"
#include "workbench/workbench_check.h"

namespace brontaxe {
namespace {

constexpr double kPitch = 10;  // mm between cut-outs, row and column

std::string number(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.4f", v);
    return buf;
}

std::string dxfLine(double x0, double y0, double x1, double y1) {
    return "0\nLINE\n8\nCUT\n10\n" + number(x0) + "\n20\n" + number(y0) + "\n11\n" + number(x1) +
           "\n21\n" + number(y1) + "\n";
}

// A 6 x 4 cut-out with two rounded corners, in five entities: three lines, an arc, and a
// polyline with a bulge.
std::string dxfCutOut(double x, double y) {
    return dxfLine(x, y, x + 6, y) + dxfLine(x + 6, y, x + 6, y + 2) + "0\nARC\n8\nCUT\n10\n" +
           number(x + 4) + "\n20\n" + number(y + 2) + "\n40\n2\n50\n0\n51\n90\n" +
           "0\nLWPOLYLINE\n8\nCUT\n90\n3\n70\n0\n10\n" + number(x + 4) + "\n20\n" + number(y + 4) +
           "\n10\n" + number(x + 1) + "\n20\n" + number(y + 4) + "\n42\n0.41421356237\n10\n" +
           number(x) + "\n20\n" + number(y + 3) + "\n" + dxfLine(x, y + 3, x, y);
}

int side(int cutOuts) {
    int n = 1;
    while (n * n < cutOuts)
        ++n;
    return n;
}

std::string sheetDxf(int entities) {
    const int cutOuts = entities / 5;
    const int n = side(cutOuts);
    const double w = n * kPitch + kPitch;
    std::string text =
        "0\nSECTION\n2\nHEADER\n9\n$INSUNITS\n70\n4\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n";
    text += dxfLine(0, 0, w, 0) + dxfLine(w, 0, w, w) + dxfLine(w, w, 0, w) + dxfLine(0, w, 0, 0);
    for (int k = 0; k < cutOuts; ++k)
        text += dxfCutOut(kPitch + k % n * kPitch, kPitch + k / n * kPitch);
    return text + "0\nENDSEC\n0\nEOF\n";
}

std::string cff2Line(double x0, double y0, double x1, double y1, int bridges) {
    return "L,2,1,0," + number(x0) + "," + number(y0) + "," + number(x1) + "," + number(y1) +
           (bridges > 0 ? ",1,0.5\n" : ",0,0\n");
}

// Squares of 6 mm, one bridge on their first side, four records each.
std::string sheetCff2(int records) {
    const int squares = records / 4;
    const int n = side(squares);
    const double w = n * kPitch + kPitch;
    std::string text = "$BOF\nV2\nMAIN,PLANCHE\nUM\n";
    text += cff2Line(0, 0, w, 0, 0) + cff2Line(w, 0, w, w, 0) + cff2Line(w, w, 0, w, 0) +
            cff2Line(0, w, 0, 0, 0);
    for (int k = 0; k < squares; ++k) {
        const double x = kPitch + k % n * kPitch, y = kPitch + k / n * kPitch;
        text += cff2Line(x, y, x + 6, y, 1) + cff2Line(x + 6, y, x + 6, y + 6, 0) +
                cff2Line(x + 6, y + 6, x, y + 6, 0) + cff2Line(x, y + 6, x, y, 0);
    }
    return text + "END\n$EOF\n";
}

double peakMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// The whole opening of one file; the cut-outs the rule report counts, for a sanity check.
int openEndToEnd(Workbench& wb, const std::string& text, bool dxf) {
    Drawing read;
    io::ImportReport report;
    const io::FileResult r = dxf ? io::readDxfText(text, io::ImportOptions{}, read, report)
                                 : io::readCff2Text(text, io::ImportOptions{}, read, report);
    if (!r.ok)
        return -1;
    wb.adoptDieLine(read, dxf ? "planche.dxf" : "planche.cf2");
    if (!wb.regenerate().drawn)
        return -1;
    benchmark::DoNotOptimize(checkRegenerated(wb));
    return imposedRuleReport(wb.drawing(), 1).pose.cutOuts;
}

void BM_DieLineOpened(benchmark::State& state, bool dxf) {
    const auto entities = static_cast<int>(state.range(0));
    const std::string text = dxf ? sheetDxf(entities) : sheetCff2(entities);
    Workbench wb = bench::startedWorkbench();
    int cutOuts = 0;
    for (auto _ : state)
        cutOuts = openEndToEnd(wb, text, dxf);
    if (cutOuts != (dxf ? entities / 5 : entities / 4))
        state.SkipWithError("the cut-outs were not all found");
    state.counters["per_entity_us"] =
        benchmark::Counter(entities * 1e-6, benchmark::Counter::kIsIterationInvariantRate |
                                                benchmark::Counter::kInvert);
    state.counters["peak_MiB"] = peakMiB();
}
BENCHMARK_CAPTURE(BM_DieLineOpened, Dxf, true)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(50000)
    ->Arg(200000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(BM_DieLineOpened, Cff2, false)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(200000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

}  // namespace
}  // namespace brontaxe
