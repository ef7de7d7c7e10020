// The edit mode's answers to the mouse on a 0201 imposed 10 x 10 (some 5,400 elements): the
// element under a click, a window selection and the snap under the cursor, each worked out
// over the whole drawing as the window asks for it. Goal: each well under one 16 ms frame.

#include <benchmark/benchmark.h>

#include <span>

#include "bench/bench_support.h"
#include "editing/picking.h"
#include "editing/snapping.h"

namespace brontaxe {
namespace {

struct ImposedDrawing {
    std::vector<Element> elements;
    Point busy;  // the end of a line in the middle of the sheet, where strokes meet
    Box extent;
};

const ImposedDrawing& imposed() {
    static const ImposedDrawing drawing = [] {
        Workbench wb = bench::imposed0201(10, 10);
        ImposedDrawing d{wb.drawing().elements(), {}, wb.drawing().extents()};
        for (std::size_t i = d.elements.size() / 2; i < d.elements.size(); ++i) {
            if (const auto* l = std::get_if<LineShape>(&d.elements[i].shape)) {
                d.busy = l->a;
                break;
            }
        }
        return d;
    }();
    return drawing;
}

void BM_PickElement(benchmark::State& state) {
    const ImposedDrawing& d = imposed();
    for (auto _ : state)
        benchmark::DoNotOptimize(editing::pickElement(d.elements, d.busy + Point{0.5, 0.5}, 2));
    state.counters["elements"] = static_cast<double>(d.elements.size());
}
BENCHMARK(BM_PickElement)->Unit(benchmark::kMicrosecond);

// A window over the middle of the sheet, cutting through poses, both ways.
void BM_WindowSelection(benchmark::State& state) {
    const ImposedDrawing& d = imposed();
    const Box& e = d.extent;
    const Box middle{e.xmin + e.width() / 4, e.ymin + e.height() / 4, e.xmax - e.width() / 4,
                     e.ymax - e.height() / 4, false};
    const auto mode = state.range(0) ? editing::WindowMode::Crossing : editing::WindowMode::Inside;
    std::size_t selected = 0;
    for (auto _ : state) {
        const editing::Selection s = editing::elementsInWindow(d.elements, middle, mode);
        selected = s.size();
        benchmark::DoNotOptimize(s.data());
    }
    state.counters["selected"] = static_cast<double>(selected);
}
BENCHMARK(BM_WindowSelection)->Arg(0)->Arg(1)->ArgName("crossing")->Unit(benchmark::kMicrosecond);

// Every snap on, the perpendicular from a point given before; at a corner where strokes meet
// and on an empty spot of the sheet.
void BM_FindSnap(benchmark::State& state) {
    const ImposedDrawing& d = imposed();
    editing::SnapSettings all;
    all.nearest = all.grid = true;
    const Point cursor = state.range(0) ? d.busy + Point{0.7, -0.4} : Point{-1000, -1000};
    const Point from = d.busy + Point{40, 30};
    for (auto _ : state)
        benchmark::DoNotOptimize(editing::findSnap(d.elements, cursor, all, from));
}
BENCHMARK(BM_FindSnap)->Arg(1)->Arg(0)->ArgName("at_corner")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace brontaxe
