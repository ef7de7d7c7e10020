// Each file format writing a 0201 alone and imposed 10 x 10, 30 x 30 and 100 x 100 (100, 900
// and 10,000 poses): the time per pose should not grow with the sheet.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench/bench_support.h"
#include "io/drawing_files.h"
#include "io/file_format.h"

namespace brontaxe {
namespace {

void BM_WriteFormat(benchmark::State& state, std::string extension, int side) {
    const Workbench wb = bench::imposed0201(side, side);
    const auto path = std::filesystem::temp_directory_path() / ("brontaxe-bench." + extension);
    for (auto _ : state) {
        if (!io::SaveDrawing(wb.drawing(), path).ok)
            state.SkipWithError("write failed");
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    state.counters["per_pose"] = benchmark::Counter(
        static_cast<double>(side) * side,
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    std::filesystem::remove(path);
}

// One row a format and sheet, named "BM_WriteFormat/pdf_30x30".
const bool registered = [] {
    for (const io::FileFormat& f : io::fileFormats()) {
        const std::string ext(f.extension);
        for (const int side : {1, 10, 30, 100}) {
            const std::string name =
                "BM_WriteFormat/" + ext + "_" + std::to_string(side) + "x" + std::to_string(side);
            auto* b = benchmark::RegisterBenchmark(name.c_str(), BM_WriteFormat, ext, side);
            b->Unit(benchmark::kMillisecond);
            if (side >= 100)
                b->Iterations(1);  // a second or so each: one write is measure enough
        }
    }
    return true;
}();

}  // namespace
}  // namespace brontaxe
