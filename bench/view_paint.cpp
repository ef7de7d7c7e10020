// The drawing view painting a 0201 and a 10 x 10 imposition on the offscreen platform: the
// shapes rebuilt from the drawing, then one paint into an image the size of a window's view;
// the real window from a value typed to the painted frame; and a drag of the edit mode.
// A program of its own, since the view needs its application object before any benchmark.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <numeric>

#include "app/views/drawing_view.h"
#include "app/window/edit_controller.h"
#include "app/window/entry_box.h"
#include "app/window/main_window.h"
#include "bench/bench_support.h"

namespace brontaxe {
namespace {

void BM_ViewPaint(benchmark::State& state) {
    const int side = static_cast<int>(state.range(0));
    const Workbench wb = bench::imposed0201(side, side);
    app::DrawingView view(wb.drawing());
    view.resize(900, 620);
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        view.drawingChanged();  // what a regeneration asks of the view
        view.render(&image);
    }
    state.counters["elements"] = wb.drawing().ElementCount();
}
BENCHMARK(BM_ViewPaint)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// A repaint alone (scrolling, zooming): the shapes are already built.
void BM_ViewRepaint(benchmark::State& state) {
    const int side = static_cast<int>(state.range(0));
    const Workbench wb = bench::imposed0201(side, side);
    app::DrawingView view(wb.drawing());
    view.resize(900, 620);
    view.drawingChanged();
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        view.render(&image);
    state.counters["elements"] = wb.drawing().ElementCount();
}
BENCHMARK(BM_ViewRepaint)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// A length typed in the window and the box left: the model takes it, the blank and its
// figures are regenerated, and the whole window is painted. Imposed `side` by `side` first.
void BM_KeystrokeToFrame(benchmark::State& state) {
    const int side = static_cast<int>(state.range(0));
    Workbench wb(platform::PrivateProfile("/nonexistent/brontaxe-bench"));
    app::MainWindow window(wb, std::nullopt);
    window.resize(1280, 800);
    window.show();
    const auto enter = [&window](const char* box, const QString& text) {
        auto* entry = window.findChild<app::EntryBox*>(box);
        entry->setText(text);
        emit entry->committed();
    };
    enter("TxNbPoseX", QString::number(side));
    enter("TxNbPoseY", QString::number(side));
    bool wider = false;
    const int before = window.regenerationCount();
    for (auto _ : state) {
        wider = !wider;
        enter("longueur", wider ? QStringLiteral("401") : QStringLiteral("400"));
        window.repaint();
    }
    state.counters["elements"] = wb.drawing().ElementCount();
    // One regeneration a keystroke, or the figure measures nothing.
    state.counters["regenerations"] =
        benchmark::Counter(window.regenerationCount() - before, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_KeystrokeToFrame)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// A drag in edit mode on the real window imposed `side` by `side`: the whole blank selected,
// the move tool's base point given, then each cursor move snapped over every element on show,
// the moved blank drawn as the rubber band, and the view painted.
void BM_EditDrag(benchmark::State& state) {
    const int side = static_cast<int>(state.range(0));
    Workbench wb(platform::PrivateProfile("/nonexistent/brontaxe-bench"));
    app::MainWindow window(wb, std::nullopt);
    window.resize(1280, 800);
    window.show();
    for (const char* box : {"TxNbPoseX", "TxNbPoseY"}) {
        auto* entry = window.findChild<app::EntryBox*>(box);
        entry->setText(QString::number(side));
        emit entry->committed();
    }
    window.setEditMode(true);
    app::EditController& editing = window.editController();
    editing::Selection all(wb.editableBlank().size());
    std::iota(all.begin(), all.end(), std::size_t{0});
    editing.select(all);
    editing.startTool(editing::ToolKind::Move);
    editing.click({0, 0});
    app::DrawingView& view = *window.view();
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    bool right = false;
    for (auto _ : state) {
        right = !right;
        editing.hover({right ? 137.3 : 141.9, 52.1});
        view.render(&image);
    }
    state.counters["elements"] = wb.drawing().ElementCount();
    state.counters["moved"] = static_cast<double>(view.overlay().preview.size());
}
BENCHMARK(BM_EditDrag)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

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
