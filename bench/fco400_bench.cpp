// Regeneration of the folders and trays: each 04 style the catalogue draws, end to end, with
// its own allowances from the shipped tables. The goal is well under 1 ms a style.

#include <benchmark/benchmark.h>

#include "bench/bench_support.h"
#include "mainwindow/workbench.h"

namespace brontaxe {
namespace {

void BM_Modifier04(benchmark::State& state, const char* code) {
    Workbench wb = bench::startedWorkbench();
    wb.window().txtModel = code;
    wb.codeBoxLeft();  // the style's allowances, as when the code is typed
    for (auto _ : state) {
        benchmark::DoNotOptimize(wb.Modifier());
    }
    state.counters["elements"] = wb.Trazel1().ElementCount();
}

#define FOLDER_BENCH(code) BENCHMARK_CAPTURE(BM_Modifier04, code, #code)
FOLDER_BENCH(0400);
FOLDER_BENCH(0401);
FOLDER_BENCH(0402);
FOLDER_BENCH(0403);
FOLDER_BENCH(0404);
FOLDER_BENCH(0405);
FOLDER_BENCH(0406);
FOLDER_BENCH(0409);
FOLDER_BENCH(0410);
FOLDER_BENCH(0411);
FOLDER_BENCH(0412);
FOLDER_BENCH(0415);
FOLDER_BENCH(0416);
FOLDER_BENCH(0434);
FOLDER_BENCH(0435);
FOLDER_BENCH(0443);
FOLDER_BENCH(0450);
FOLDER_BENCH(0451);
FOLDER_BENCH(0452);
FOLDER_BENCH(0453);
FOLDER_BENCH(0454);
FOLDER_BENCH(0455);
FOLDER_BENCH(0456);
FOLDER_BENCH(0457);
FOLDER_BENCH(0458);
FOLDER_BENCH(0480);
FOLDER_BENCH(0481);
FOLDER_BENCH(0420);
FOLDER_BENCH(0421);
FOLDER_BENCH(0422);
FOLDER_BENCH(0423);
FOLDER_BENCH(0424);
FOLDER_BENCH(0425);
FOLDER_BENCH(0426);
FOLDER_BENCH(0427);
FOLDER_BENCH(0428);
FOLDER_BENCH(0429);
FOLDER_BENCH(0430);
FOLDER_BENCH(0431);
FOLDER_BENCH(0432);
FOLDER_BENCH(0433);
FOLDER_BENCH(0436);
FOLDER_BENCH(0437);
FOLDER_BENCH(0440);
FOLDER_BENCH(0441);
FOLDER_BENCH(0442);
FOLDER_BENCH(0444);
FOLDER_BENCH(0445);
FOLDER_BENCH(0446);
FOLDER_BENCH(0447);
FOLDER_BENCH(0459);
FOLDER_BENCH(0460);
FOLDER_BENCH(0470);
FOLDER_BENCH(0471);
FOLDER_BENCH(0472);

}  // namespace
}  // namespace brontaxe
