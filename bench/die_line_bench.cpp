// Reading a die-line made elsewhere: a DXF of 50,000 entities (lines, arcs and bulged
// polylines on three layers, as a customer's imposed sheet comes), time per entity. Goal:
// the whole file in under half a second of processor time.

#include <benchmark/benchmark.h>

#include <string>

#include "io/die_line_import.h"

namespace brontaxe {
namespace {

constexpr int kEntities = 50000;

std::string entity(int k) {
    const double x0 = k % 250 * 7.5, y0 = k / 250 * 4.25;
    const std::string x = std::to_string(x0), y = std::to_string(y0);
    const std::string x1 = std::to_string(x0 + 5.5), y1 = std::to_string(y0 + 2);
    switch (k % 3) {
        case 0:
            return "0\nLINE\n8\nCUT\n10\n" + x + "\n20\n" + y + "\n30\n0.0\n11\n" + x1 + "\n21\n" +
                   y + "\n31\n0.0\n";
        case 1:
            return "0\nARC\n8\nCREASE\n10\n" + x + "\n20\n" + y +
                   "\n30\n0.0\n40\n2.5\n50\n"
                   "15.0\n51\n200.0\n";
        default:
            return "0\nLWPOLYLINE\n8\nPERFO\n90\n3\n70\n0\n10\n" + x + "\n20\n" + y +
                   "\n42\n0.4\n10\n" + x1 + "\n20\n" + y + "\n10\n" + x1 + "\n20\n" + y1 + "\n";
    }
}

std::string bigDxf() {
    std::string text =
        "0\nSECTION\n2\nHEADER\n9\n$INSUNITS\n70\n4\n0\nENDSEC\n"
        "0\nSECTION\n2\nENTITIES\n";
    for (int k = 0; k < kEntities; ++k)
        text += entity(k);
    return text + "0\nENDSEC\n0\nEOF\n";
}

void BM_ReadDxf50000(benchmark::State& state) {
    const std::string text = bigDxf();
    for (auto _ : state) {
        Drawing d;
        io::ImportReport report;
        if (!io::readDxfText(text, io::ImportOptions{}, d, report).ok)
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(d.ElementCount());
    }
    state.counters["per_entity"] = benchmark::Counter(
        kEntities, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ReadDxf50000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

}  // namespace
}  // namespace brontaxe
