// The optimiser of the imposition: the whole search (every turn and pattern, the slides of
// the rows, the sheets cut in blocks, the contours checked) for every drawn code on a 2,000 x
// 1,500 mm sheet, with the flutes kept (`BM_Optimiser/<code>`) and with quarter turns allowed
// (`BM_OptimiserQuarter/<code>`); the poses found beside the grid's. `BM_GainByFamily/<family>`
// adds up, over a family's codes, the poses gained over the grid with and without quarter turns.

#include <benchmark/benchmark.h>

#include <map>

#include "bench/bench_support.h"
#include "styles/generators.h"
#include "workbench/nesting_imposition.h"

namespace brontaxe {
namespace {

struct Drawn {
    Workbench wb = bench::startedWorkbench();
    Model m;
};

Drawn drawn(const std::string& code) {
    Drawn d;
    d.wb.window().codeText = code;
    d.wb.codeBoxLeft();
    d.m = d.wb.model();
    d.m.ImposManuelle = true;
    d.m.FmtCartonX = 2000;
    d.m.FmtCartonY = 1500;
    return d;
}

std::optional<NestingOffer> offerFor(const Drawn& d, bool quarterTurns) {
    ImpositionSettings s = d.wb.imposition();
    s.quarterTurns = quarterTurns;
    return offerNesting(d.m, d.wb.drawing(), s);
}

void BM_Optimiser(benchmark::State& state, std::string code, bool quarterTurns) {
    const Drawn d = drawn(code);
    std::optional<NestingOffer> offer;
    for (auto _ : state) {
        offer = offerFor(d, quarterTurns);
        benchmark::DoNotOptimize(offer);
    }
    const double poses = offer ? static_cast<double>(offer->arrangement.poses.size()) : 0;
    const double grid = offer ? offer->gridPoses : 0;
    state.counters["poses"] = poses;
    state.counters["grid"] = grid;
    state.counters["gain"] = poses - grid;
}

// Poses gained over the grid by the family's codes: with the flutes kept, with quarter turns,
// and how many codes gain at all.
void BM_GainByFamily(benchmark::State& state, std::vector<std::string> codes) {
    double kept = 0, quarter = 0, grid = 0, gaining = 0;
    for (auto _ : state) {
        kept = quarter = grid = gaining = 0;
        for (const std::string& code : codes) {
            const Drawn d = drawn(code);
            const auto a = offerFor(d, false);
            const auto b = offerFor(d, true);
            if (!a || !b)
                continue;
            grid += a->gridPoses;
            kept += static_cast<double>(a->arrangement.poses.size()) - a->gridPoses;
            quarter += static_cast<double>(b->arrangement.poses.size()) - b->gridPoses;
            gaining += b->beatsGrid() ? 1 : 0;
        }
    }
    state.counters["grid"] = grid;
    state.counters["gain"] = kept;
    state.counters["gainQuarter"] = quarter;
    state.counters["codesGaining"] = gaining;
}

const bool registered = [] {
    std::map<std::string, std::vector<std::string>> families;
    for (std::string_view code : generatorCodes()) {
        if (code.find('/') != std::string_view::npos)
            continue;
        const std::string c(code);
        families[c.substr(0, 2)].push_back(c);
        for (const bool quarter : {false, true})
            benchmark::RegisterBenchmark(
                (std::string(quarter ? "BM_OptimiserQuarter/" : "BM_Optimiser/") + c).c_str(),
                BM_Optimiser, c, quarter)
                ->Unit(benchmark::kMillisecond)
                ->MeasureProcessCPUTime();
    }
    for (const auto& [family, codes] : families)
        benchmark::RegisterBenchmark(("BM_GainByFamily/" + family).c_str(), BM_GainByFamily, codes)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1);
    return true;
}();

}  // namespace
}  // namespace brontaxe
