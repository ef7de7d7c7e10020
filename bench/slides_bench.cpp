// A whole regeneration of each slide box and rigid box (the 05 and 06 families), with its own
// allowances: each should stay under a millisecond.

#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_support.h"
#include "mainwindow/catalogue.h"
#include "styles/generators.h"

namespace brontaxe {
namespace {

void BM_ModifierSlides(benchmark::State& state, std::string code) {
    Workbench wb = bench::startedWorkbench();
    wb.window().txtModel = code;
    wb.codeBoxLeft();
    for (auto _ : state) {
        benchmark::DoNotOptimize(wb.Modifier());
    }
    state.counters["elements"] = wb.Trazel1().ElementCount();
}

// One benchmark per drawn code of the two families' lists.
[[maybe_unused]] const bool registered = [] {
    for (int number : {4, 5}) {
        for (std::string_view code : findFamily(number)->codes) {
            const DispatchTarget target = dispatchCode(code, false, 201, 201);
            if (target.kind != DispatchKind::Generator || !findGenerator(target.generatorCode))
                continue;
            benchmark::RegisterBenchmark(("BM_Modifier/" + std::string(code)).c_str(),
                                         BM_ModifierSlides, std::string(code))
                ->Unit(benchmark::kMicrosecond);
        }
    }
    return true;
}();

}  // namespace
}  // namespace brontaxe
