// Trays whose corners are glued: each corner is a square web hinged on the end of a long wall,
// folded on its diagonal and glued to the outside of the short wall, so that the tray folds
// flat and erects in one move. The tray is drawn a quarter at a time around the centre of its
// base and the quarters are turned or mirrored into place.

#include <algorithm>
#include <cmath>

#include "builders/emit.h"
#include "builders/hand_hole.h"
#include "drawing/pen_scope.h"
#include "platform/errors.h"
#include "styles/07/fco700.h"
#include "styles/07/fco700_common.h"
#include "styles/blank_settings.h"

namespace brontaxe {
namespace {

struct Tray {
    float a = 0;  // half the base length
    float b = 0;  // half the base width
    float H = 0;  // wall height
    float e = 0;  // board thickness
    bool longDouble = false;
    bool shortDouble = false;
    bool lid = false;
    bool lidSideFlaps = false;
    bool handHoles = false;
};

Tray traySizes(const Model& m) {
    const GlueTrayAllowances k = glueTrayAllowances(m);
    Tray t;
    t.a = (m.Longueur + k.length) / 2;
    t.b = (m.Largeur + k.width) / 2;
    t.H = m.Hauteur + k.height;
    t.e = m.EpaisseurCarton;
    return t;
}

void checkCaseTray(const Tray& t) {
    if (!(t.a > 0 && t.b > 0 && t.H > t.e))
        throw GenerationError("Plateau impossible : dimensions trop petites");
}

// An inner wall, folded over a double crease one thickness apart, a thickness lower than the
// outer one; its end bevelled so that it clears the corner.
float linerBevel(const Tray& t, float halfSide) {
    return std::min(t.H, halfSide / 2);
}

// The quarter x >= 0, y >= 0. `upper` tells the quarter on the long wall that carries the lid.
void drawQuarter(Drawing& d, const Tray& t, bool upper) {
    const float a = t.a, b = t.b, H = t.H, e = t.e;
    PenScope pen(d, kind::Crease);
    line(d, 0, b, a, b);
    line(d, a, 0, a, b);
    line(d, a, b, a, b + H);
    // The web's outer corner is cut back so that it stays below the rim once folded.
    const float relief = std::min(2 * e, H / 4);
    line(d, a, b, a + H - relief / 2, b + H - relief / 2);

    const bool hinge = upper && t.lid;
    if (hinge) {
        line(d, 0, b + H, a, b + H);
    } else if (t.longDouble) {
        const float bevel = linerBevel(t, a);
        line(d, 0, b + H, a, b + H);
        line(d, 0, b + H + e, a - bevel * e / H, b + H + e);
        pen.setKind(kind::Cut);
        chainStart(d, 0, b + 2 * H);
        lineTo(d, a - bevel, b + 2 * H);
        lineTo(d, a, b + H);
    } else {
        pen.setKind(kind::Cut);
        line(d, 0, b + H, a, b + H);
    }

    // The corner web, cut free of the short wall it is glued to.
    pen.setKind(kind::Cut);
    chainStart(d, a, b + H);
    lineTo(d, a + H - relief, b + H);
    lineTo(d, a + H, b + H - relief);
    lineTo(d, a + H, b);
    lineTo(d, a, b);

    if (t.shortDouble) {
        const float bevel = linerBevel(t, b);
        pen.setKind(kind::Crease);
        line(d, a + H, 0, a + H, b);
        line(d, a + H + e, 0, a + H + e, b - bevel * e / H);
        pen.setKind(kind::Cut);
        chainStart(d, a + H, b);
        lineTo(d, a + 2 * H, b - bevel);
        lineTo(d, a + 2 * H, 0);
    } else {
        line(d, a + H, b, a + H, 0);
    }
}

// Lid on the upper long wall: as deep as the base is wide plus a thickness, with a tuck-in
// flap inset by a thickness at both ends, and, when asked, side flaps that fold down over the
// short walls.
void drawLid(Drawing& d, const Tray& t, float tuckFlap) {
    const float a = t.a, e = t.e;
    const float y0 = t.b + t.H;
    const float depth = 2 * t.b + e;
    const float tuck = std::min(tuckFlap, depth / 2);
    const float side = std::min(t.H - e, depth / 3);
    PenScope pen(d, kind::Cut);
    chainStart(d, a, y0);
    if (t.lidSideFlaps) {
        lineTo(d, a + side, y0 + side);
        lineTo(d, a + side, y0 + depth - side);
    }
    lineTo(d, a, y0 + depth);
    lineTo(d, a - e, y0 + depth);
    lineTo(d, a - e, y0 + depth + tuck);
    lineTo(d, -a + e, y0 + depth + tuck);
    lineTo(d, -a + e, y0 + depth);
    lineTo(d, -a, y0 + depth);
    if (t.lidSideFlaps) {
        lineTo(d, -a - side, y0 + depth - side);
        lineTo(d, -a - side, y0 + side);
    }
    lineTo(d, -a, y0);
    pen.setKind(kind::Crease);
    line(d, -a + e, y0 + depth, a - e, y0 + depth);
    if (t.lidSideFlaps) {
        line(d, a, y0, a, y0 + depth);
        line(d, -a, y0, -a, y0 + depth);
    }
}

// A hand-hole across each short wall, `DPoign` in from its edge, cut even when no type is
// chosen; left out when the wall is too short for it.
void shortWallHandHoles(Model& m, Drawing& d, const Tray& t) {
    if (!(m.LPoign + 4 * t.e <= 2 * t.b && m.DPoign + m.HPoign + t.e <= t.H))
        return;
    const HandHoleShape hole = alwaysCutHandHoleShape(wallHandHoleOf(m).shape);
    const float x = t.a + t.H - m.DPoign;
    HandHole(d, hole, {.x = x, .angle = -90});
    HandHole(d, hole, {.x = -x, .angle = 90});
}

void trayDimensions(Drawing& d, const Tray& t) {
    const PenScope pen(d, kind::Text);
    const Box box = d.extents();
    const float g = static_cast<float>((box.width() + box.height()) / 25);
    const float ymin = static_cast<float>(box.ymin), xmax = static_cast<float>(box.xmax);
    dimension(d, {.from = {-t.a, ymin - g}, .to = {t.a, ymin - g}, .at = {0, ymin - g}});
    dimension(d, {.from = {static_cast<float>(box.xmin), ymin - 2 * g},
                  .to = {xmax, ymin - 2 * g},
                  .at = {0, ymin - 2 * g}});
    dimension(d, {.from = {xmax + g, -t.b}, .to = {xmax + g, t.b}, .at = {xmax + g, 0}});
    dimension(d, {.from = {xmax + g, t.b}, .to = {xmax + g, t.b + t.H}, .at = {xmax + g, 0}});
    dimension(d, {.from = {xmax + 2 * g, static_cast<float>(box.ymin)},
                  .to = {xmax + 2 * g, static_cast<float>(box.ymax)},
                  .at = {xmax + 2 * g, 0}});
}

void drawCaseTray(Model& m, Drawing& d, const Tray& t) {
    checkCaseTray(t);
    GenerationPass pass(d);
    // Quadrants 1 to 4: as drawn, mirrored and turned, turned, mirrored.
    const struct {
        bool upper;
        float angle;
        bool mirrored;
    } quarters[] = {{true, 0, false}, {true, 180, true}, {false, 180, false}, {false, 0, true}};
    for (const auto& q : quarters) {
        const int first = beginFeature(d);
        drawQuarter(d, t, q.upper);
        placeFeature(d, first, {.angle = q.angle, .mirrored = q.mirrored});
    }
    if (t.lid)
        drawLid(d, t, m.hpatrent);
    if (t.handHoles)
        shortWallHandHoles(m, d, t);
    trayDimensions(d, t);
}

}  // namespace

void Fco0718(Model& m, Drawing& d) {
    drawCaseTray(m, d, traySizes(m));
}

void Fco0715(Model& m, Drawing& d) {
    Tray t = traySizes(m);
    t.longDouble = true;
    drawCaseTray(m, d, t);
}

void Fco0716(Model& m, Drawing& d) {
    Tray t = traySizes(m);
    t.lid = true;
    drawCaseTray(m, d, t);
}

void Fco0717(Model& m, Drawing& d) {
    Tray t = traySizes(m);
    t.longDouble = true;
    t.shortDouble = true;
    drawCaseTray(m, d, t);
}

void Fco0759(Model& m, Drawing& d) {
    Tray t = traySizes(m);
    t.handHoles = true;
    drawCaseTray(m, d, t);
}

void Fco0760(Model& m, Drawing& d) {
    Tray t = traySizes(m);
    t.lid = true;
    t.lidSideFlaps = true;
    drawCaseTray(m, d, t);
}

void Fco0761(Model& m, Drawing& d) {
    Tray t = traySizes(m);
    t.shortDouble = true;
    t.lid = true;
    drawCaseTray(m, d, t);
}

}  // namespace brontaxe
