// How fast a designer sees the blank: a whole regeneration of each style the catalogue draws
// (one row a code, so that a slow one shows by name), and of every style in one pass.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "styles/generators.h"
#include "workbench/workbench.h"

namespace brontaxe {
namespace {

// With the style's own allowances from the shipped tables, as when its code is typed.
void BM_Regeneration(benchmark::State& state, std::string code) {
    Workbench wb = bench::startedWorkbench();
    wb.window().codeText = code;
    wb.codeBoxLeft();
    for (auto _ : state) {
        benchmark::DoNotOptimize(wb.regenerate());
    }
    state.counters["elements"] = wb.drawing().ElementCount();
}

const bool registered = [] {
    for (std::string_view code : generatorCodes()) {
        if (code.find('/') != std::string_view::npos)
            continue;  // top and bottom boxes: fittings_bench.cpp, by combination
        benchmark::RegisterBenchmark(("BM_Regeneration/" + std::string(code)).c_str(),
                                     BM_Regeneration, std::string(code))
            ->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

void BM_WholeCatalogue(benchmark::State& state) {
    Workbench wb = bench::startedWorkbench();
    std::vector<std::string> codes;
    for (const auto& code : generatorCodes())
        if (code.find('/') == std::string_view::npos)
            codes.emplace_back(code);
    for (auto _ : state) {
        for (const auto& code : codes) {
            wb.window().codeText = code;
            benchmark::DoNotOptimize(wb.regenerate());
        }
    }
    state.counters["styles"] = static_cast<double>(codes.size());
}
BENCHMARK(BM_WholeCatalogue)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brontaxe
