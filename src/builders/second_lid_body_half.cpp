#include "builders/second_lid_body_half.h"

#include <algorithm>

#include "builders/body_features.h"
#include "builders/emit.h"
#include "builders/glue_flap.h"
#include "drawing/pen_scope.h"
#include "model/machine_pass_entries.h"

namespace brontaxe {
namespace {

struct SecondLidAbscissas {
    float xa, xb, xc, xd, xe;
};

struct LidSizes {
    float t;      // slot half-width and lid overhang
    float lip;    // height of the lid's hinge above the body
    float F;      // dust flaps
    float q;      // lid depth
    float T;      // tuck-in depth
    float r;      // tuck-in corner radius
    float inset;  // (p3 - p5) / 2
};

MachinePasses secondLidPasses(const BodyGlueFlap& glue, const BodyPanels& b, float h,
                              const LidSizes& s, bool lowerHalf) {
    MachinePasses p = bodyPasses(glue, b, h);
    p.set(machine_pass::flap(lowerHalf, machine_pass::kGlueTab), glue.extension);
    p.set(machine_pass::flap(lowerHalf, 1), 0);
    p.set(machine_pass::flap(lowerHalf, 2), s.F);
    p.set(machine_pass::flap(lowerHalf, 3), s.q + s.T);
    p.set(machine_pass::flap(lowerHalf, 4), s.F);
    return p;
}

void drawSecondLidCreases(Drawing& d, const SecondLidAbscissas& x, float h, const LidSizes& s,
                          bool glueLeft, bool glueRight) {
    PenScope pen(d, glueLeft ? kind::Crease : kind::Cut);
    line(d, x.xa, 0, x.xa, h);
    pen.setKind(kind::Crease);
    for (float at : {x.xb, x.xc, x.xd})
        line(d, at, 0, at, h);
    line(d, x.xc - s.t, h + s.lip, x.xd + s.t, h + s.lip);
    line(d, x.xb + s.t, h, x.xc, h);
    line(d, x.xd, h, x.xe, h);
    pen.setKind(glueRight ? kind::Crease : kind::Cut);
    line(d, x.xe, 0, x.xe, h);
}

// The lid of panel 3 as one chain from the foot of its right corner round to the foot of its
// left one. Its sides double as the inner edges of the dust flaps, so they get a corner where
// a dust flap's top meets them: each dust flap then starts or ends on a cut end.
void drawSecondLid(Drawing& d, const SecondLidAbscissas& x, float h, const LidSizes& s) {
    const bool dustMeetsSide = s.F > s.lip && s.F < s.q;
    PenScope pen(d, kind::Cut);
    chainStart(d, x.xd, h);
    lineTo(d, x.xd + s.t, h + s.lip);
    if (dustMeetsSide)
        lineTo(d, x.xd + s.t, h + s.F);
    lineTo(d, x.xd + s.t, h + s.q);
    lineTo(d, x.xd - s.inset, h + s.q);
    const ElementId right = lineTo(d, x.xd - s.inset, h + s.q + s.T);
    const ElementId top = lineTo(d, x.xc + s.inset, h + s.q + s.T);
    const ElementId left = lineTo(d, x.xc + s.inset, h + s.q);
    lineTo(d, x.xc - s.t, h + s.q);
    if (dustMeetsSide)
        lineTo(d, x.xc - s.t, h + s.F);
    lineTo(d, x.xc - s.t, h + s.lip);
    lineTo(d, x.xc, h);
    const float radius = std::min(s.r, s.T);
    fillet(d, right, top, radius);
    fillet(d, top, left, radius);
    pen.setKind(kind::Crease);
    line(d, x.xc + s.inset, h + s.q, x.xd - s.inset, h + s.q);
}

// Dust flap of panel 4 from the free edge to the lid's right side.
void drawRightDustFlap(Drawing& d, const SecondLidAbscissas& x, float h, const LidSizes& s) {
    chainStart(d, x.xe, h);
    lineTo(d, x.xe, h + s.F);
    lineTo(d, x.xd + s.t, h + s.F);
    if (s.F > s.q)
        lineTo(d, x.xd + s.t, h + s.q);
}

// Dust flap of panel 2 from the lid's left side, slot, lip of panel 1, down to the glue flap.
void drawLeftDustFlapAndLip(Drawing& d, const SecondLidAbscissas& x, float h, const LidSizes& s) {
    if (s.F > s.q) {
        chainStart(d, x.xc - s.t, h + s.q);
        lineTo(d, x.xc - s.t, h + s.F);
    } else {
        chainStart(d, x.xc - s.t, h + s.F);
    }
    lineTo(d, x.xb + s.t, h + s.F);
    lineTo(d, x.xb + s.t, h);
    lineTo(d, x.xb, h);
    lineTo(d, x.xb - s.t, h + s.lip);
    lineTo(d, x.xa + s.t, h + s.lip);
    lineTo(d, x.xa, h);
}

}  // namespace

MachinePasses SecondLidBodyHalf(Drawing& d, const LidBody& body, const BlankSettings& settings,
                                const FeaturePlacement& at) {
    const float p1 = body.p1, p2 = body.p2, p3 = body.p3, p4 = body.p4, h = body.h;
    const float q = body.q, T = body.T, r = body.r, F = body.F, lip = body.lip, p5 = body.p5;
    const bool mirrored = at.mirrored;
    // A dust flap lower than the lip would have its top inside the lid's hinge corner.
    const LidSizes s{settings.thickness, lip, std::max(F, lip), q, T, r, (p3 - p5) / 2};
    const BodyPanels panels{p1, p2, p3, p4, 0, 0};
    const BodyGlueFlap& glue = body.glue;
    const float xa = glue.width;
    const SecondLidAbscissas xs{xa, xa + p1, xa + p1 + p2, xa + p1 + p2 + p3,
                                xa + p1 + p2 + p3 + p4};
    const bool hasGlueFlap = glue.width > 0;
    const bool glueRight = hasGlueFlap && body.glueAfterPanel4;
    const bool glueLeft = hasGlueFlap && !body.glueAfterPanel4;

    const int first = beginFeature(d);
    drawSecondLidCreases(d, xs, h, s, glueLeft, glueRight);
    drawSecondLid(d, xs, h, s);
    drawRightDustFlap(d, xs, h, s);
    drawLeftDustFlapAndLip(d, xs, h, s);
    if (glueLeft) {
        GlueFlap(d, glueFlapShape(glue, h, s.t));
    } else if (glueRight) {
        GlueFlap(d, glueFlapShape(glue, h, s.t),
                 {.x = xs.xe + glue.width, .angle = 180, .mirrored = true});
    }
    if (!mirrored)
        bodyHandHoles(d, settings, glue, panels, h);
    placeFeature(d, first, at);
    return secondLidPasses(glue, panels, h, s, mirrored);
}

}  // namespace brontaxe
