// Writes the lines and arcs of a 0201 imposed 10 x 10, one per row, so that the ezdxf peer
// script draws exactly what our DXF writer draws:
//   L layer x1 y1 x2 y2
//   A layer cx cy radius startDeg endDeg   (a full turn is written as a circle, C layer cx cy r)

#include <cstdio>
#include <variant>

#include "bench/bench_support.h"
#include "drawing/pens.h"

namespace {

void writeElement(std::FILE* out, const brontaxe::Element& e) {
    using namespace brontaxe;
    const std::string layer(defaultPen(e).layer);
    if (const auto* l = std::get_if<LineShape>(&e.shape)) {
        std::fprintf(out, "L %s %.17g %.17g %.17g %.17g\n", layer.c_str(), l->a.x, l->a.y, l->b.x,
                     l->b.y);
    } else if (const auto* a = std::get_if<ArcShape>(&e.shape)) {
        if (a->sweepDeg >= 360.0 - 1e-9)
            std::fprintf(out, "C %s %.17g %.17g %.17g\n", layer.c_str(), a->centre.x, a->centre.y,
                         a->radius);
        else
            std::fprintf(out, "A %s %.17g %.17g %.17g %.17g %.17g\n", layer.c_str(), a->centre.x,
                         a->centre.y, a->radius, a->startDeg, a->startDeg + a->sweepDeg);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
        return 2;
    }
    const brontaxe::Workbench wb = brontaxe::bench::imposed0201(10, 10);
    std::FILE* out = std::fopen(argv[1], "w");
    if (!out)
        return 1;
    const brontaxe::Drawing& d = wb.drawing();
    for (const brontaxe::Element& e : d.elements()) {
        if (d.isShown(e))
            writeElement(out, e);
    }
    return std::fclose(out) == 0 ? 0 : 1;
}
