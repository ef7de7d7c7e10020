#include "builders/flap_tray.h"

#include <algorithm>

#include "builders/emit.h"
#include "builders/hand_hole.h"
#include "drawing/pen_scope.h"
#include "model/machine_pass_entries.h"
#include "platform/errors.h"

namespace brontaxe {
namespace {

void checkTray(const FlapTrayShape& t) {
    if (!(t.a > 0) || !(t.b > 0) || !(t.h > 0))
        throw GenerationError("Dimensions impossibles : plateau de taille nulle");
    if (!(t.flap > 0))
        throw GenerationError("Dimensions impossibles : rabat de hauteur nulle");
    if (t.innerWall < 0 || t.doubleWallStep < 0 || (t.innerWall > 0 && !(t.doubleWallStep > 0)))
        throw GenerationError("Dimensions impossibles : double paroi");
    if (t.innerWall > 0 && !((t.doubleFlaplessWalls ? t.b : t.a) > t.doubleWallStep))
        throw GenerationError("Dimensions impossibles : plateau trop court pour la double paroi");
}

MachinePasses flapTrayPasses(const FlapTrayShape& t) {
    const float doubled = t.h + (t.innerWall > 0 ? t.doubleWallStep + t.innerWall : 0);
    const float wall = t.doubleFlaplessWalls ? t.h : doubled;
    const float end = t.doubleFlaplessWalls ? doubled : t.h;
    using namespace machine_pass;
    MachinePasses p;
    p.set(width(0), end);
    p.set(width(1), 2 * t.a);
    p.set(width(2), end);
    p.set(kBodyHeight, 2 * t.b);
    for (std::size_t column = 0; column < 3; ++column) {
        p.set(upperFlap(column), wall);
        p.set(lowerFlap(column), wall);
    }
    return p;
}

// The end wall beyond x = a rolled double, in the quarter y >= 0: its edge up to where the band
// begins, the band and the inner wall, both shortened by the band's width, and their creases.
void rolledEndWall(Drawing& d, const FlapTrayShape& t) {
    const float x0 = t.a + t.h;
    const float x1 = x0 + t.doubleWallStep;
    const float x2 = x1 + t.innerWall;
    const float yi = t.b - t.doubleWallStep;
    PenScope pen(d, kind::Cut);
    line(d, x0, yi, x0, t.b);
    chainStart(d, x0, yi);
    lineTo(d, x2, yi);
    lineTo(d, x2, 0);
    pen.setKind(kind::Crease);
    line(d, x0, 0, x0, yi);
    line(d, x1, 0, x1, yi);
}

// The quarter x >= 0, y >= 0.
void drawQuarter(Drawing& d, const FlapTrayShape& t, float thickness, float angle, bool mirrored) {
    const float a = t.a, b = t.b, h = t.h;
    const float fw = trayFlapWidth(t);
    // The flap's top falls by the board thickness, as long as the flap keeps some height.
    const float fall = std::min(thickness, h / 2);
    const int first = beginFeature(d);

    PenScope pen(d, kind::Cut);
    // End wall, then the slit under the flap and the flap itself.
    const bool rolledEnd = t.innerWall > 0 && t.doubleFlaplessWalls;
    if (rolledEnd)
        rolledEndWall(d, t);
    else
        line(d, a + h, 0, a + h, b);
    line(d, a, b, a + std::min(fw, h), b);
    if (!areNear(fw, h))
        line(d, a + std::min(fw, h), b, a + std::max(fw, h), b);
    chainStart(d, a + fw, b);
    lineTo(d, a + fw, b + h - fall);
    lineTo(d, a, b + h);
    if (t.innerWall > 0 && !t.doubleFlaplessWalls) {
        const float xi = a - t.doubleWallStep;
        const float top = b + h + t.doubleWallStep + t.innerWall;
        lineTo(d, xi, b + h);
        lineTo(d, xi, top);
        lineTo(d, 0, top);
    } else {
        lineTo(d, 0, b + h);
    }

    pen.setKind(kind::Crease);
    line(d, 0, b, a, b);
    line(d, a, 0, a, b);
    if (t.innerWall > 0 && !t.doubleFlaplessWalls) {
        const float xi = a - t.doubleWallStep;
        line(d, 0, b + h, xi, b + h);
        line(d, 0, b + h + t.doubleWallStep, xi, b + h + t.doubleWallStep);
    }
    pen.setVariant(2);
    line(d, a, b, a, b + h);
    placeFeature(d, first, {.angle = angle, .mirrored = mirrored});
}

}  // namespace

float trayFlapWidth(const FlapTrayShape& t) {
    return std::min(t.flap, t.b + t.overlap / 2);
}

MachinePasses FlapTray(Drawing& d, const FlapTrayShape& tray, const BlankSettings& s,
                       const FeaturePlacement& at) {
    checkTray(tray);
    const WallHandHole& hole = s.handHole;
    if (tray.handHoles && hole.shape.type != HandHoleKind::None)
        checkHandHoleFits(hole, 2 * tray.a, tray.h);
    const int first = beginFeature(d);
    // As drawn, mirrored below the x axis, mirrored left of the y axis, turned into the
    // opposite corner.
    drawQuarter(d, tray, s.thickness, 0, false);
    drawQuarter(d, tray, s.thickness, 0, true);
    drawQuarter(d, tray, s.thickness, 180, true);
    drawQuarter(d, tray, s.thickness, 180, false);
    if (tray.handHoles) {
        const float edge = tray.b + tray.h;
        HandHole(d, hole.shape, {.y = edge - hole.drop});
        const int lower = beginFeature(d);
        HandHole(d, hole.shape, {.y = edge - hole.drop});
        placeFeature(d, lower, {.mirrored = true});
    }
    placeFeature(d, first, {.x = at.x, .y = at.y, .angle = at.angle, .mirrored = at.mirrored});
    return flapTrayPasses(tray);
}

}  // namespace brontaxe
