// `Modifier` of every ready-glued style on its own, so that a slow one shows by name: the
// crash-lock bottoms, the point-table lock with its fillets, the trays turned into place.

#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_support.h"
#include "mainwindow/catalogue.h"
#include "mainwindow/workbench.h"

namespace brontaxe {
namespace {

void BM_ModifierGlued(benchmark::State& state, std::string code) {
    Workbench wb = bench::startedWorkbench();
    wb.window().txtModel = code;
    for (auto _ : state) {
        benchmark::DoNotOptimize(wb.Modifier());
    }
    state.counters["elements"] = wb.Trazel1().ElementCount();
}

const bool registered = [] {
    if (const Family* glued = findFamily(6))
        for (std::string_view code : glued->codes)
            benchmark::RegisterBenchmark(("BM_Modifier/" + std::string(code)).c_str(),
                                         BM_ModifierGlued, std::string(code));
    return true;
}();

}  // namespace
}  // namespace brontaxe
