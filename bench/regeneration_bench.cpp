// How fast a designer sees the blank: a whole regeneration of one style, and of every style
// the catalogue can draw.

#include <benchmark/benchmark.h>

#include "bench/bench_support.h"
#include "mainwindow/catalogue.h"
#include "mainwindow/workbench.h"
#include "styles/generators.h"

namespace brontaxe {
namespace {

using bench::startedWorkbench;

void BM_Modifier(benchmark::State& state, const char* code) {
    Workbench wb = startedWorkbench();
    wb.window().txtModel = code;
    for (auto _ : state) {
        benchmark::DoNotOptimize(wb.Modifier());
    }
    state.counters["elements"] = wb.Trazel1().ElementCount();
}
BENCHMARK_CAPTURE(BM_Modifier, 0201, "0201");
BENCHMARK_CAPTURE(BM_Modifier, 0200, "0200");
BENCHMARK_CAPTURE(BM_Modifier, 0215, "0215");  // lid and shaped bottom, with fillets
BENCHMARK_CAPTURE(BM_Modifier, 0217, "0217");  // carry box with its hand-hole
BENCHMARK_CAPTURE(BM_Modifier, 0231, "0231");
BENCHMARK_CAPTURE(BM_Modifier, 0420, "0420");
BENCHMARK_CAPTURE(BM_Modifier, 0421, "0421");
BENCHMARK_CAPTURE(BM_Modifier, 0422, "0422");
BENCHMARK_CAPTURE(BM_Modifier, 0423, "0423");  // 0422 drawn, then turned
BENCHMARK_CAPTURE(BM_Modifier, 0424, "0424");
BENCHMARK_CAPTURE(BM_Modifier, 0427, "0427");  // mirrored half with tenons and mortises
BENCHMARK_CAPTURE(BM_Modifier, 0429, "0429");
BENCHMARK_CAPTURE(BM_Modifier, 0470, "0470");
BENCHMARK_CAPTURE(BM_Modifier, 0471, "0471");

void BM_WholeCatalogue(benchmark::State& state) {
    Workbench wb = startedWorkbench();
    std::vector<std::string> codes;
    for (const auto& code : generatorCodes())
        codes.emplace_back(code);
    for (auto _ : state) {
        for (const auto& code : codes) {
            wb.window().txtModel = code;
            benchmark::DoNotOptimize(wb.Modifier());
        }
    }
    state.counters["styles"] = static_cast<double>(codes.size());
}
BENCHMARK(BM_WholeCatalogue);

}  // namespace
}  // namespace brontaxe
