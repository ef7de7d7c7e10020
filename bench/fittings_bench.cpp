// The regeneration of every interior fitting with a crease list on the pads (the catalogue's rows
// draw them without), and of top and bottom boxes, each on its own so that a slow one shows by
// name.

#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_support.h"
#include "workbench/catalogue.h"
#include "workbench/workbench.h"

namespace brontaxe {
namespace {

void BM_RegenerationCode(benchmark::State& state, std::string code) {
    Workbench wb = bench::startedWorkbench();
    wb.window().codeText = code;
    if (usesCreaseListLayout(std::stod(code.substr(0, 4))))
        wb.window().creaseList = "100+100+50/100+100";
    // A combined code sets its closures as the code box does.
    const CodeBoxEntry entry = codeBoxEntry(code);
    if (entry.topStyle) {
        wb.model().TypeDessus = *entry.topStyle;
        wb.model().TypeDessous = *entry.bottomStyle;
        wb.lookUpAllowances();
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(wb.regenerate());
    }
    state.counters["elements"] = wb.drawing().ElementCount();
}

const bool registered = [] {
    if (const Family* fittings = findFamily(7))
        for (std::string_view code : fittings->codes)
            benchmark::RegisterBenchmark(("BM_RegenerationCreased/" + std::string(code)).c_str(),
                                         BM_RegenerationCode, std::string(code));
    for (const char* code :
         {"0201/0711", "0203/0201", "0201/0", "0/0201", "0210/0216", "0208/0700", "0211/0233"})
        benchmark::RegisterBenchmark((std::string("BM_Regeneration/") + code).c_str(),
                                     BM_RegenerationCode, std::string(code));
    return true;
}();

}  // namespace
}  // namespace brontaxe
