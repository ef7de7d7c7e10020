#include "builders/emit.h"
#include "drawing/pen_scope.h"

namespace brontaxe {

void ensureRegistryRoom(const Drawing& d) {
    d.tracer().ensureRoom();
}

ElementId registerElement(Drawing& d, ElementId id) {
    return d.tracer().record(id);
}

ElementId line(Drawing& d, float x1, float y1, float x2, float y2) {
    ensureRegistryRoom(d);
    d.tracer().moveTo(x2, y2);
    return registerElement(d, d.AddLine(x1, y1, x2, y2));
}

void chainStart(Drawing& d, float x, float y) {
    d.tracer().moveTo(x, y);
}

ElementId lineTo(Drawing& d, float x, float y) {
    const Tracer::ChainEnd from = d.tracer().chainEnd();
    return line(d, from.x, from.y, x, y);
}

ElementId arc(Drawing& d, PointF centre, float radius, float start, float sweep) {
    ensureRegistryRoom(d);
    return registerElement(d, d.AddArc(centre.x, centre.y, radius, start, sweep));
}

ElementId dimension(Drawing& d, const DimensionLine& dim) {
    ensureRegistryRoom(d);
    return registerElement(
        d, d.AddDimension(dim.from.x, dim.from.y, dim.to.x, dim.to.y, dim.at.x, dim.at.y));
}

ElementId text(Drawing& d, PointF at, std::string_view content, std::int16_t option, float size,
               float angle) {
    ensureRegistryRoom(d);
    const PenScope pen(d, kind::Text);
    return registerElement(d, d.AddText(at.x, at.y, content, option, size, angle));
}

ElementId fillet(Drawing& d, ElementId first, ElementId second, float radius) {
    ensureRegistryRoom(d);
    const ElementId id = d.AddFillet(first, second, radius);
    // A zero radius only joins the lines: there is no arc to register.
    return id.valid() ? registerElement(d, id) : id;
}

int beginFeature(const Drawing& d) {
    return d.tracer().count() + 1;
}

void placeFeature(Drawing& d, int first, const FeaturePlacement& at) {
    const int last = d.tracer().count();
    if (first > last)
        return;  // the feature drew nothing
    d.TransformRange(d.tracer().id(first), d.tracer().id(last), at.transform());
}

void fourQuarters(Drawing& d, const std::function<void()>& drawQuarter) {
    const FeaturePlacement quarters[] = {{.angle = 0, .mirrored = false},
                                         {.angle = 0, .mirrored = true},
                                         {.angle = 180, .mirrored = false},
                                         {.angle = 180, .mirrored = true}};
    for (const FeaturePlacement& q : quarters) {
        const int start = beginFeature(d);
        drawQuarter();
        placeFeature(d, start, q);
    }
}

std::pair<float, float> slotHalfWidths(const SlotSettings& slots) {
    const SlotHalfAllowances own = slots.halves;
    if (own.first != 0 && own.second != 0)
        return {own.first, own.second};
    if (!(slots.offset > slots.width)) {
        const float a = slots.width / 2 - slots.offset;
        return {a, slots.width - a};
    }
    return {slots.width / 2, slots.width / 2};
}

GenerationPass::GenerationPass(Drawing& d) : drawing_(d) {
    d.ClearDrawing();
    d.BeginDrawing();
    d.tracer().clear();
}

}  // namespace brontaxe
