// Growth of the outer contour with the number of cut elements: time per element should stay
// flat, so a super-linear step shows.

#include <benchmark/benchmark.h>

#include <cmath>

#include "drawing/contour.h"

namespace brontaxe {
namespace {

// A closed saw-tooth outline of n segments, the kind of ragged edge slots and flaps make.
std::vector<Segment> sawTooth(int n) {
    std::vector<Segment> out;
    const int teeth = std::max(2, n - 3);
    Point previous{0, 0};
    for (int i = 1; i <= teeth; ++i) {
        const Point next{i * 10.0, (i % 2) * 5.0 + 100};
        out.push_back({previous, next});
        previous = next;
    }
    out.push_back({previous, {teeth * 10.0, 0}});
    out.push_back({{teeth * 10.0, 0}, {0, 0}});
    return out;
}

void BM_OuterContour(benchmark::State& state) {
    const auto lines = sawTooth(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(outerContour(lines).area);
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(lines.size()));
}
BENCHMARK(BM_OuterContour)->Arg(10)->Arg(100)->Arg(1000);

}  // namespace
}  // namespace brontaxe
