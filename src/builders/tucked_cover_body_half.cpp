#include "builders/tucked_cover_body_half.h"

#include <algorithm>

#include "builders/emit.h"
#include "builders/shaped_body_half.h"
#include "drawing/pen_scope.h"
#include "model/machine_pass_entries.h"

namespace brontaxe {
namespace {

// Adds the next corner of the outline unless it is where the chain already stands.
void corner(Drawing& d, float x, float y) {
    if (x != d.tracer().chainEnd().x || y != d.tracer().chainEnd().y)
        lineTo(d, x, y);
}

FlapShape coverWithTuck(float cover, float tuck, float inset) {
    return [=](Drawing& d, float left, float right, float h) {
        const float width = right - left - 2 * inset;
        const float bevel = std::max(0.0f, std::min(tuck, width / 2) / 2);
        const float fold = h + cover;
        const float top = fold + tuck;
        corner(d, right, fold);
        corner(d, right - inset, fold);
        corner(d, right - inset, top - bevel);
        corner(d, right - inset - bevel, top);
        corner(d, left + inset + bevel, top);
        corner(d, left + inset, top - bevel);
        corner(d, left + inset, fold);
        corner(d, left, fold);
        corner(d, left, h);
        const PenScope crease(d, kind::Crease);
        line(d, left, h, right, h);
        line(d, left + inset, fold, right - inset, fold);
    };
}

}  // namespace

MachinePasses TuckedCoverBodyHalf(Drawing& d, const TuckedCoverBody& body, const BlankSettings& s,
                                  const FeaturePlacement& at) {
    const float h = body.h, cover = body.cover, dust = body.dust;
    const bool tuckOnEven = body.covers == TuckedPanels::Even;
    const float tuck = body.tuck;
    const float inset = std::max(0.0f, s.thickness - body.tuckInAllowance / 2);
    const FlapShape tucked = coverWithTuck(cover, tuck, inset);
    const FlapShape plain = plainFlap(dust);
    const float odd = tuckOnEven ? dust : cover + tuck;
    const float even = tuckOnEven ? cover + tuck : dust;
    MachinePasses passes;
    const bool lowerHalf = at.mirrored;  // the lower half is the mirrored one
    passes.set(machine_pass::flap(lowerHalf, machine_pass::kGlueTab), body.glue.extension);
    passes.set(machine_pass::flap(lowerHalf, 1), odd);
    passes.set(machine_pass::flap(lowerHalf, 2), even);
    passes.set(machine_pass::flap(lowerHalf, 3), odd);
    passes.set(machine_pass::flap(lowerHalf, 4), even);
    const FlapShape& oddShape = tuckOnEven ? plain : tucked;
    const FlapShape& evenShape = tuckOnEven ? tucked : plain;
    passes.then(ShapedBodyHalf(d,
                               {.panels = {body.p1, body.p2, body.p3, body.p4},
                                .h = h,
                                .flaps = {oddShape, evenShape, oddShape, evenShape},
                                .glue = body.glue},
                               s, at));
    return passes;
}

}  // namespace brontaxe
