// Imposition growth: regeneration and totals of 1 to 10,000 poses of a 0201, reported per
// element so that a super-linear step shows.

#include <benchmark/benchmark.h>

#include "bench/bench_support.h"

namespace brontaxe {
namespace {

void BM_ImposedRegeneration(benchmark::State& state) {
    const int side = static_cast<int>(state.range(0));
    Workbench wb = bench::imposed0201(side, side);
    for (auto _ : state)
        benchmark::DoNotOptimize(wb.regenerate());
    const auto elements = wb.drawing().ElementCount();
    state.counters["poses"] = wb.model().NbPoses;
    state.counters["elements"] = elements;
    state.SetItemsProcessed(state.iterations() * elements);
}
// 1, ~10, 100, 1,000 and 10,000 poses.
BENCHMARK(BM_ImposedRegeneration)
    ->Arg(1)
    ->Arg(3)
    ->Arg(10)
    ->Arg(32)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brontaxe
