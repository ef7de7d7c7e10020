// A whole regeneration of each telescope style (the 03 family), with its own allowances:
// each should stay under a millisecond.

#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_support.h"
#include "mainwindow/catalogue.h"

namespace brontaxe {
namespace {

void BM_ModifierTelescope(benchmark::State& state, std::string code) {
    Workbench wb = bench::startedWorkbench();
    wb.window().txtModel = code;
    wb.codeBoxLeft();
    for (auto _ : state) {
        benchmark::DoNotOptimize(wb.Modifier());
    }
    state.counters["elements"] = wb.Trazel1().ElementCount();
}

// One benchmark per code of the family's list.
[[maybe_unused]] const bool registered = [] {
    const Family* family = findFamily(2);
    for (std::string_view code : family->codes) {
        benchmark::RegisterBenchmark(("BM_Modifier/" + std::string(code)).c_str(),
                                     BM_ModifierTelescope, std::string(code))
            ->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

}  // namespace
}  // namespace brontaxe
