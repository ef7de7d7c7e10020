#include "drawing/drawing_dump.h"

#include <cmath>
#include <cstdio>

#include "platform/number_text.h"

namespace brontaxe {
namespace {

std::string fixed(double v) {
    std::string s = platform::formatNumber(v, "0.00");
    return s == "-0.00" ? "0.00" : s;
}

std::string point(Point p) {
    return "(" + fixed(p.x) + "," + fixed(p.y) + ")";
}

std::string attributes(const Element& e) {
    return "k" + std::to_string(lineKindNumber(e.lineKind)) + " v" + std::to_string(e.lineVariant) +
           " p" + std::to_string(e.piece) + (e.flag != 0 ? " f" + std::to_string(e.flag) : "");
}

}  // namespace

std::string dumpElement(const Element& e) {
    std::string out;
    if (const auto* l = std::get_if<LineShape>(&e.shape)) {
        out = "LINE " + attributes(e) + " " + point(l->a) + " " + point(l->b);
    } else if (const auto* a = std::get_if<ArcShape>(&e.shape)) {
        out = "ARC " + attributes(e) + " c" + point(a->centre) + " r" + fixed(a->radius) + " a" +
              fixed(a->startDeg) + " s" + fixed(a->sweepDeg);
    } else if (const auto* d = std::get_if<DimensionShape>(&e.shape)) {
        out = "DIM " + attributes(e) + " " + point(d->p1) + " " + point(d->p2) + " ref" +
              point(d->ref);
    } else if (const auto* t = std::get_if<TextShape>(&e.shape)) {
        out = "TEXT " + attributes(e) + " " + point(t->position) + " h" + fixed(t->height) + " a" +
              fixed(t->angleDeg) + " o" + std::to_string(t->option) + " \"" + t->text + "\"";
    } else if (const auto* r = std::get_if<SheetShape>(&e.shape)) {
        out = "SHEET " + attributes(e) + " " + point(r->min) + " " + point(r->max);
    }
    return out;
}

std::string dumpDrawing(const Drawing& d) {
    std::string out;
    std::int32_t id = kFirstElementId;
    for (const Element& e : d.elements()) {
        out += std::to_string(id++) + " " + dumpElement(e) + "\n";
    }
    // The technical sheet only when there is one, so plain blanks dump as before.
    if (!d.SheetName().empty()) {
        out += "SHEETNAME \"" + d.SheetName() + "\"\n";
        for (const SheetField& f : d.sheetFields())
            out += "FIELD \"" + f.label + "\" = \"" + f.value + "\"\n";
    }
    return out;
}

}  // namespace brontaxe
