#include "builders/lidded_body_half.h"

#include <algorithm>

#include "builders/body_features.h"
#include "builders/emit.h"
#include "builders/glue_flap.h"
#include "drawing/pen_scope.h"
#include "model/machine_pass_entries.h"

namespace brontaxe {
namespace {

struct Abscissas {
    float xa, xb, xc, xd, xe;
};

MachinePasses liddedBodyPasses(const BodyGlueFlap& glue, const BodyPanels& b, float h, float q,
                               float T, float F, bool lowerHalf) {
    MachinePasses p = bodyPasses(glue, b, h);
    p.set(machine_pass::flap(lowerHalf, machine_pass::kGlueTab), glue.extension);
    p.set(machine_pass::flap(lowerHalf, 1), q + T);
    p.set(machine_pass::flap(lowerHalf, 2), F);
    p.set(machine_pass::flap(lowerHalf, 3), 0);
    p.set(machine_pass::flap(lowerHalf, 4), F);
    return p;
}

// Folds between the panels, the lid hinge and the dust-flap creases of panels 2 and 4. The
// edge that carries the glue flap is a crease, the other free edge a cut.
void drawBodyCreases(Drawing& d, const Abscissas& x, float h, float t, float lip, bool glueLeft,
                     bool glueRight) {
    PenScope pen(d, glueLeft ? kind::Crease : kind::Cut);
    line(d, x.xa, 0, x.xa, h);
    pen.setKind(kind::Crease);
    for (float at : {x.xb, x.xc, x.xd})
        line(d, at, 0, at, h);
    line(d, x.xa - t, h + lip, x.xb + t, h + lip);
    line(d, x.xb, h, x.xc - t, h);
    line(d, x.xd + t, h, x.xe, h);
    pen.setKind(glueRight ? kind::Crease : kind::Cut);
    line(d, x.xe, 0, x.xe, h);
}

// Dust flap of panel 4, slot, lip of panel 3, slot, dust flap of panel 2, down to the lid's
// hinge. The dust flap of panel 2 and the lid share the cut at xb + t; it is split where the
// lower of the two ends so that the lid starts from a cut end and nothing is cut twice.
void drawFlapChain(Drawing& d, const Abscissas& x, float h, float t, float lip, float F, float q) {
    const PenScope pen(d, kind::Cut);
    chainStart(d, x.xe, h);
    lineTo(d, x.xe, h + F);
    lineTo(d, x.xd + t, h + F);
    lineTo(d, x.xd + t, h);
    lineTo(d, x.xd, h);
    lineTo(d, x.xd - t, h + lip);
    lineTo(d, x.xc + t, h + lip);
    lineTo(d, x.xc, h);
    lineTo(d, x.xc - t, h);
    lineTo(d, x.xc - t, h + F);
    lineTo(d, x.xb + t, h + F);
    if (F > q)
        lineTo(d, x.xb + t, h + q);
    lineTo(d, x.xb + t, h + lip);
    lineTo(d, x.xb, h);
}

// The lid with its tuck-in flap, the tuck-in corners rounded, and the tuck-in fold.
void drawLid(Drawing& d, const Abscissas& x, float h, float t, float lip, float F, float q, float T,
             float r, float inset) {
    PenScope pen(d, kind::Cut);
    const float shared = std::max(lip, std::min(F, q));
    chainStart(d, x.xb + t, h + shared);
    if (q > shared)
        lineTo(d, x.xb + t, h + q);
    lineTo(d, x.xb - inset, h + q);
    const ElementId right = lineTo(d, x.xb - inset, h + q + T);
    const ElementId top = lineTo(d, x.xa + inset, h + q + T);
    const ElementId left = lineTo(d, x.xa + inset, h + q);
    lineTo(d, x.xa - t, h + q);
    lineTo(d, x.xa - t, h + lip);
    lineTo(d, x.xa, h);
    const float radius = std::min(r, T);
    fillet(d, right, top, radius);
    fillet(d, top, left, radius);
    pen.setKind(kind::Crease);
    line(d, x.xa + inset, h + q, x.xb - inset, h + q);
}

}  // namespace

MachinePasses LiddedBodyHalf(Drawing& d, const LidBody& body, const BlankSettings& s,
                             const FeaturePlacement& at) {
    const float p1 = body.p1, p2 = body.p2, p3 = body.p3, p4 = body.p4, h = body.h;
    const float q = body.q, T = body.T, r = body.r, F = body.F, lip = body.lip, p5 = body.p5;
    const bool mirrored = at.mirrored;
    const float t = s.thickness;
    const BodyPanels panels{p1, p2, p3, p4, 0, 0};
    const BodyGlueFlap& glue = body.glue;
    const float xa = glue.width;
    const Abscissas xs{xa, xa + p1, xa + p1 + p2, xa + p1 + p2 + p3, xa + p1 + p2 + p3 + p4};
    const bool hasGlueFlap = glue.width > 0;
    const bool glueRight = hasGlueFlap && body.glueAfterPanel4;
    const bool glueLeft = hasGlueFlap && !body.glueAfterPanel4;

    const int first = beginFeature(d);
    drawBodyCreases(d, xs, h, t, lip, glueLeft, glueRight);
    drawFlapChain(d, xs, h, t, lip, F, q);
    drawLid(d, xs, h, t, lip, F, q, T, r, (p1 - p5) / 2);
    if (glueLeft) {
        GlueFlap(d, glueFlapShape(glue, h, t));
    } else if (glueRight) {
        // Turned over onto the far side of panel 4, same height.
        GlueFlap(d, glueFlapShape(glue, h, t),
                 {.x = xs.xe + glue.width, .angle = 180, .mirrored = true});
    }
    if (!mirrored)
        bodyHandHoles(d, s, glue, panels, h);
    placeFeature(d, first, at);
    return liddedBodyPasses(glue, panels, h, q, T, F, mirrored);
}

}  // namespace brontaxe
