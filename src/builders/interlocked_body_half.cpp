#include "builders/interlocked_body_half.h"

#include <algorithm>

#include "builders/emit.h"
#include "builders/shaped_body_half.h"
#include "drawing/pen_scope.h"
#include "model/machine_pass_entries.h"

namespace brontaxe {
namespace {

FlapShape interlockFlap(float height) {
    return [height](Drawing& d, float left, float right, float h) {
        const float reach = std::min(height, right - left);
        const float corner = reach / 2;
        lineTo(d, right, h + height);
        lineTo(d, left + corner, h + height);
        lineTo(d, left, h + height - corner);
        lineTo(d, left, h);
        const PenScope crease(d, kind::Crease);
        line(d, left, h, right, h);
        // The crease the flap turns on while the next flap slides over it.
        line(d, left, h, left + reach, h + reach);
    };
}

}  // namespace

MachinePasses InterlockedBodyHalf(Drawing& d, const InterlockedBody& body, const BlankSettings& s,
                                  const FeaturePlacement& at) {
    const float h = body.h, f1 = body.f1, f2 = body.f2;
    MachinePasses passes;
    const bool lowerHalf = at.mirrored;  // the lower half is the mirrored one
    passes.set(machine_pass::flap(lowerHalf, machine_pass::kGlueTab), body.glue.extension);
    passes.set(machine_pass::flap(lowerHalf, 1), f1);
    passes.set(machine_pass::flap(lowerHalf, 2), f2);
    passes.set(machine_pass::flap(lowerHalf, 3), f1);
    passes.set(machine_pass::flap(lowerHalf, 4), f2);
    passes.then(ShapedBodyHalf(
        d,
        {.panels = {body.p1, body.p2, body.p3, body.p4},
         .h = h,
         .flaps = {interlockFlap(f1), interlockFlap(f2), interlockFlap(f1), interlockFlap(f2)},
         .glue = body.glue},
        s, at));
    return passes;
}

}  // namespace brontaxe
