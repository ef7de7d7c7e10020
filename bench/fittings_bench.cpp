// `Modifier` of every interior fitting with a crease list on the pads (the catalogue's rows draw
// them without), and of top and bottom boxes, each on its own so that a slow one shows by name.

#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_support.h"
#include "workbench/catalogue.h"
#include "workbench/workbench.h"

namespace brontaxe {
namespace {

void BM_ModifierCode(benchmark::State& state, std::string code) {
    Workbench wb = bench::startedWorkbench();
    wb.window().txtModel = code;
    if (usesRefoulageLayout(std::stod(code.substr(0, 4))))
        wb.window().listeFoulages = "100+100+50/100+100";
    // A combined code sets its closures as the code box does.
    const CodeBoxEntry entry = codeBoxEntry(code);
    if (entry.typeDessus) {
        wb.model().TypeDessus = *entry.typeDessus;
        wb.model().TypeDessous = *entry.typeDessous;
        wb.IniMajo();
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(wb.Modifier());
    }
    state.counters["elements"] = wb.Trazel1().ElementCount();
}

const bool registered = [] {
    if (const Family* fittings = findFamily(7))
        for (std::string_view code : fittings->codes)
            benchmark::RegisterBenchmark(("BM_ModifierCreased/" + std::string(code)).c_str(),
                                         BM_ModifierCode, std::string(code));
    for (const char* code :
         {"0201/0711", "0203/0201", "0201/0", "0/0201", "0210/0216", "0208/0700", "0211/0233"})
        benchmark::RegisterBenchmark((std::string("BM_Modifier/") + code).c_str(), BM_ModifierCode,
                                     std::string(code));
    return true;
}();

}  // namespace
}  // namespace brontaxe
