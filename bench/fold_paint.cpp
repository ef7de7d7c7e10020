// The folded blank of a regenerated style: folded again from the drawing (faces, hinges,
// angles, the layering of overlapping flaps), and painted halfway into an image the size of
// the folding window's view; the goal is both in one frame (16 ms). A program of its own,
// since painting needs its application object before any benchmark.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "app/views/fold_painter.h"
#include "bench/bench_support.h"
#include "fold/style_folds.h"

namespace brontaxe {
namespace {

Workbench regenerated(const char* code) {
    Workbench wb = bench::startedWorkbench();
    wb.window().codeText = code;
    wb.lookUpAllowances();
    wb.regenerate();
    return wb;
}

void paint(const fold::FoldedBlank& m, QImage& image, std::string_view code) {
    QPainter painter(&image);
    painter.fillRect(image.rect(), Qt::white);
    app::paintFold(painter, QRectF(image.rect()), m, 0.5, app::FoldCamera{},
                   app::upDirection(code));
}

void BM_FoldAndPaint(benchmark::State& state, const char* code) {
    const Workbench wb = regenerated(code);
    QImage image(700, 480, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        const fold::FoldedBlank m = fold::foldStyle(wb.drawing(), code, wb.model());
        paint(m, image, code);
    }
}
BENCHMARK_CAPTURE(BM_FoldAndPaint, 0201, "0201")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FoldAndPaint, 0427, "0427")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FoldAndPaint, 0713, "0713")->Unit(benchmark::kMillisecond);

// The parts: folding alone, and a frame of the slider or the animation (painting alone).
void BM_Fold(benchmark::State& state, const char* code) {
    const Workbench wb = regenerated(code);
    for (auto _ : state)
        benchmark::DoNotOptimize(fold::foldStyle(wb.drawing(), code, wb.model()));
}
BENCHMARK_CAPTURE(BM_Fold, 0201, "0201")->Unit(benchmark::kMillisecond);

void BM_FoldFrame(benchmark::State& state, const char* code) {
    const Workbench wb = regenerated(code);
    const fold::FoldedBlank m = fold::foldStyle(wb.drawing(), code, wb.model());
    QImage image(700, 480, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        paint(m, image, code);
}
BENCHMARK_CAPTURE(BM_FoldFrame, 0201, "0201")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brontaxe

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
