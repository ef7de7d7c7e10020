#include "builders/snap_lock_body_half.h"

#include "builders/body_features.h"
#include "builders/emit.h"
#include "builders/glue_flap.h"
#include "builders/shaped_flaps.h"
#include "drawing/pen_scope.h"
#include "model/machine_pass_entries.h"

namespace brontaxe {
namespace {

struct FlapSizes {
    float D;  // depth of the principal notch and of the opposite tab
    float E;  // depth of the side flaps
};

// The side flaps are deep enough for their step to take two fillet radii.
FlapSizes flapSizes(float a6, float a8, float a9, float a10) {
    const float D = a8 + a6;
    const float E = D - 2 * a10 < a9 ? a9 + 2 * a10 : D;
    return {D, E};
}

MachinePasses snapLockPasses(const BodyGlueFlap& glue, const BodyPanels& b, float h, float E,
                             bool lowerHalf) {
    MachinePasses p = bodyPasses(glue, b, h);
    p.set(machine_pass::flap(lowerHalf, machine_pass::kGlueTab), glue.extension);
    for (std::size_t panel = 1; panel <= 4; ++panel)
        p.set(machine_pass::flap(lowerHalf, panel), E);
    return p;
}

}  // namespace

MachinePasses SnapLockBodyHalf(Drawing& d, const SnapLockBody& body, const BlankSettings& settings,
                               const FeaturePlacement& at) {
    const float h = body.h, p1 = body.p1, p2 = body.p2, p3 = body.p3, p4 = body.p4;
    const float a6 = body.notch, a7 = body.depth, a8 = body.shoulder, a9 = body.step;
    const float a10 = body.radius;
    const bool lowerHalf = body.half == BodyHalf::Lower;
    const BodyPanels panels{p1, p2, p3, p4, 0, 0};
    const FlapSizes s = flapSizes(a6, a8, a9, a10);
    const BodyGlueFlap& glue = body.glue;
    const float t = settings.thickness;
    const float xa = glue.width;
    const float xb = xa + p1;
    const float xc = xb + p2;
    const float xd = xc + p3;
    const float xe = xd + p4;

    PenScope pen(d, kind::Cut);
    const int first = beginFeature(d);
    // A side flap turned over (angle 180, mirrored) ends at the x it is placed on.
    if (p1 > p2) {
        PrincipalFlap(d, {.width = p1, .depth = a7, .notch = a6, .reach = s.D}, t,
                      {.x = xa, .y = -h});
        SideFlap(d, {.width = p2, .depth = s.E, .step = a9, .radius = a10}, t,
                 {.x = xc, .y = -h, .angle = 180, .mirrored = true});
        OppositeFlap(d, {.width = p3, .depth = s.D, .tab = a7, .shoulder = a8, .radius = a10},
                     {.x = xc, .y = -h});
        SideFlap(d, {.width = p4, .depth = s.E, .step = a9, .radius = a10}, t, {.x = xd, .y = -h});
    } else {
        PrincipalFlap(d, {.width = p2, .depth = a7, .notch = a6, .reach = s.D}, t,
                      {.x = xb, .y = -h});
        SideFlap(d, {.width = p3, .depth = s.E, .step = a9, .radius = a10}, t,
                 {.x = xd, .y = -h, .angle = 180, .mirrored = true});
        OppositeFlap(d, {.width = p4, .depth = s.D, .tab = a7, .shoulder = a8, .radius = a10},
                     {.x = xd, .y = -h});
        SideFlap(d, {.width = p1, .depth = s.E, .step = a9, .radius = a10}, t, {.x = xa, .y = -h});
    }

    const bool hasGlueFlap = glue.width > 0;
    pen.setKind(hasGlueFlap ? kind::Crease : kind::Cut);
    line(d, xa, 0, xa, -h);
    pen.setKind(kind::Crease);
    for (float at : {xb, xc, xd})
        line(d, at, 0, at, -h);
    pen.setKind(kind::Cut);
    line(d, xe, 0, xe, -h);
    if (hasGlueFlap) {
        GlueFlap(d, glueFlapShape(glue, h, t), {.mirrored = true});
    }
    if (!lowerHalf) {
        // Drawn as for an upper half, then turned over into this half.
        const int holes = beginFeature(d);
        bodyHandHoles(d, settings, glue, panels, h);
        placeFeature(d, holes, {.mirrored = true});
    }
    placeFeature(d, first, at);
    return snapLockPasses(glue, panels, h, s.E, lowerHalf);
}

}  // namespace brontaxe
