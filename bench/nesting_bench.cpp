// The optimiser of the imposition: the whole search (every turn and pattern, the slides of
// the rows, the contours checked) for every drawn code on a 2,000 x 1,500 mm sheet, with the
// poses it finds beside the grid's and the share of board a blank saves.

#include <benchmark/benchmark.h>

#include "bench/bench_support.h"
#include "styles/generators.h"
#include "workbench/nesting_imposition.h"

namespace brontaxe {
namespace {

void BM_Optimiser(benchmark::State& state, std::string code) {
    Workbench wb = bench::startedWorkbench();
    wb.window().codeText = code;
    wb.codeBoxLeft();
    Model m = wb.model();
    m.ImposManuelle = true;
    m.FmtCartonX = 2000;
    m.FmtCartonY = 1500;
    std::optional<NestingOffer> offer;
    for (auto _ : state) {
        offer = offerNesting(m, wb.drawing(), wb.imposition());
        benchmark::DoNotOptimize(offer);
    }
    const double poses = offer ? static_cast<double>(offer->arrangement.poses.size()) : 0;
    const double grid = offer ? offer->gridPoses : 0;
    state.counters["poses"] = poses;
    state.counters["grid"] = grid;
    // Board a blank takes less than on the grid, in percent.
    state.counters["saved%"] = poses > 0 && grid > 0 ? (1 - grid / poses) * 100 : 0;
}

const bool registered = [] {
    for (std::string_view code : generatorCodes()) {
        if (code.find('/') != std::string_view::npos)
            continue;
        benchmark::RegisterBenchmark(("BM_Optimiser/" + std::string(code)).c_str(), BM_Optimiser,
                                     std::string(code))
            ->Unit(benchmark::kMillisecond)
            ->MeasureProcessCPUTime();
    }
    return true;
}();

}  // namespace
}  // namespace brontaxe
