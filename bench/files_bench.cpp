// Each file format writing a 0201 and a 10 x 10 imposition.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench/bench_support.h"
#include "io/drawing_files.h"

namespace brontaxe {
namespace {

void BM_WriteFormat(benchmark::State& state, std::string extension, int side) {
    const Workbench wb = bench::imposed0201(side, side);
    const auto path = std::filesystem::temp_directory_path() / ("brontaxe-bench." + extension);
    for (auto _ : state) {
        if (!io::SaveDrawing(wb.Trazel1(), path).ok)
            state.SkipWithError("write failed");
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}

BENCHMARK_CAPTURE(BM_WriteFormat, des_0201, "des", 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteFormat, des_10x10, "des", 10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteFormat, dxf_0201, "dxf", 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteFormat, dxf_10x10, "dxf", 10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteFormat, cf2_0201, "cf2", 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteFormat, cf2_10x10, "cf2", 10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteFormat, pdf_0201, "pdf", 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteFormat, pdf_10x10, "pdf", 10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteFormat, ai_0201, "ai", 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteFormat, ai_10x10, "ai", 10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteFormat, eps_0201, "eps", 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteFormat, eps_10x10, "eps", 10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteFormat, svg_0201, "svg", 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteFormat, svg_10x10, "svg", 10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteFormat, png_0201, "png", 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteFormat, png_10x10, "png", 10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteFormat, bmp_0201, "bmp", 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteFormat, bmp_10x10, "bmp", 10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteFormat, pli_0201, "pli", 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteFormat, pli_10x10, "pli", 10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteFormat, ev_0201, "ev", 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteFormat, ev_10x10, "ev", 10)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brontaxe
