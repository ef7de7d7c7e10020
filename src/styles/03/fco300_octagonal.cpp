// Octagonal telescope boxes: trays whose base is a rectangle with its corners cut at 45
// degrees, a wall on each of the eight sides, each wall lapped onto the next.

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "builders/emit.h"
#include "builders/glue_flap.h"
#include "drawing/pen_scope.h"
#include "platform/errors.h"
#include "styles/03/fco300.h"
#include "styles/03/fco300_common.h"
#include "styles/blank_settings.h"

namespace brontaxe {
namespace {

// The eight corners of the base counter-clockwise from the right end of the bottom side.
std::array<Point, 8> corners(const Octagon& o) {
    const float x = o.length / 2;
    const float y = o.width / 2;
    const float c = o.c;
    return {Point{x - c, -y}, Point{x, -y + c}, Point{x, y - c},   Point{x - c, y},
            Point{-x + c, y}, Point{-x, y - c}, Point{-x, -y + c}, Point{-x + c, -y}};
}

// The lap that joins a wall to the next one: as wide as the glue flap, but no wider than
// (sqrt 2 - 1) times the wall's height, so that it stays in the wedge cut between the two walls
// and within the tray's reach, nor than half the octagon's shortest side, so that it glues onto
// the next wall's first half.
float lapWidth(const Octagon& o, float h, float glueFlap) {
    const float shortest = std::min(std::min(o.length, o.width) - 2 * o.c, o.bevel());
    return std::min({glueFlap, h * (std::numbers::sqrt2_v<float> - 1), shortest / 2});
}

// Tray with a wall h high on each side of the octagon; between two walls a wedge of 45
// degrees is cut out, so that the walls meet edge to edge once folded up. Each wall carries
// at its end a lap `lap` wide that glues onto the next wall: it fills the wedge from its
// hinge to the next wall's edge, its foot cut along that edge at 45 degrees.
void drawOctagonalTray(Model& m, Drawing& d, const Octagon& o, float h, float x) {
    PenScope pen(d);
    if (!(o.length > 0 && o.width > 0 && h > 0))
        throw GenerationError("Plateau octogonal impossible : dimensions trop petites");
    const auto p = corners(o);
    const float lap = lapWidth(o, h, m.lgPatte);
    const int first = beginFeature(d);
    for (std::size_t i = 0; i < 8; ++i) {
        const Point a = p[(i + 7) % 8];
        const Point b = p[i];
        const double len = std::hypot(b.x - a.x, b.y - a.y);
        // Along the side a -> b and its outward normal (the base runs counter-clockwise).
        const auto tx = static_cast<float>((b.x - a.x) / len);
        const auto ty = static_cast<float>((b.y - a.y) / len);
        const float nx = ty;
        const float ny = -tx;
        const auto ax = static_cast<float>(a.x), ay = static_cast<float>(a.y);
        const auto bx = static_cast<float>(b.x), by = static_cast<float>(b.y);
        pen.setKind(kind::Crease);
        line(d, ax, ay, bx, by);
        line(d, bx, by, bx + h * nx, by + h * ny);  // the lap's hinge
        pen.setKind(kind::Cut);
        // The wall's first edge is cut in two where the previous wall's lap ends on it.
        const float foot = lap * std::numbers::sqrt2_v<float>;
        chainStart(d, ax, ay);
        lineTo(d, ax + foot * nx, ay + foot * ny);
        lineTo(d, ax + h * nx, ay + h * ny);
        lineTo(d, bx + h * nx, by + h * ny);
        lineTo(d, bx + h * nx + lap * tx, by + h * ny + lap * ty);
        lineTo(d, bx + lap * (nx + tx), by + lap * (ny + ty));
    }
    placeFeature(d, first, {.x = x});
}

float trayHalfExtent(const Octagon& o, float h) {
    return o.length / 2 + h;
}

void octagonDimensions(Drawing& d, const Octagon& o, float h, float x) {
    const float y = o.width / 4;
    dimension(d, {.from = {x - o.length / 2, y}, .to = {x + o.length / 2, y}, .at = {0, y}});
    dimension(d, {.from = {x - o.length / 4, -o.width / 2},
                  .to = {x - o.length / 4, o.width / 2},
                  .at = {x - o.length / 4, 0}});
    dimension(d, {.from = {x + o.length / 2, 0}, .to = {x + o.length / 2 + h, 0}, .at = {0, 0}});
}

// The band that closes into the octagonal body: a glue flap, then the eight sides of the
// octagon from a long side on, each a panel `height` high between creases.
void drawBand(Drawing& d, const BodyGlueFlap& glue, const Octagon& o, float height, float x,
              float y) {
    const float longSide = o.length - 2 * o.c;
    const float shortSide = o.width - 2 * o.c;
    const float bevel = o.bevel();
    const std::array<float, 8> panels{longSide, bevel, shortSide, bevel,
                                      longSide, bevel, shortSide, bevel};
    const float g = glue.width;
    const int first = beginFeature(d);
    PenScope pen(d, kind::Crease);
    float at = g;
    for (std::size_t i = 0; i < panels.size(); ++i) {
        if (g > 0 || i > 0)
            line(d, at, 0, at, height);
        at += panels[i];
    }
    pen.setKind(kind::Cut);
    chainStart(d, g, 0);
    lineTo(d, at, 0);
    lineTo(d, at, height);
    lineTo(d, g, height);
    if (g > 0) {
        const float drop =
            std::min(static_cast<float>(g * std::tan(toRadians(glue.taper))), height / 3);
        lineTo(d, 0, height - drop);
        lineTo(d, 0, drop);
        lineTo(d, g, 0);
    } else {
        lineTo(d, g, 0);
    }
    placeFeature(d, first, {.x = x, .y = y});
    float dx = x + g;
    for (float w : panels) {
        dimension(d, {.from = {dx, y - height / 10},
                      .to = {dx + w, y - height / 10},
                      .at = {0, y - height / 10}});
        dx += w;
    }
    dimension(d, {.from = {dx + height / 10, y},
                  .to = {dx + height / 10, y + height},
                  .at = {dx + height / 10, 0}});
}

}  // namespace

void Fco0350(Model& m, Drawing& d) {
    // The band's inside is the box; the tray closes over it, one board thickness all round.
    const Octagon band = bandOctagon(m);
    const Octagon tray = trayOverBand(m);
    const float h = m.hrabat;
    GenerationPass pass(d);
    PenScope pen(d);
    const float trayCentre = trayHalfExtent(tray, h);
    if (pieceShown(m, kBottomPiece)) {
        pen.setPiece(m.Mode3D ? 2 : 1);
        drawOctagonalTray(m, d, tray, h, trayCentre);
        octagonDimensions(d, tray, h, trayCentre);
    }
    if (pieceShown(m, kLidPiece)) {
        pen.setPiece(1);
        const float height = m.Hauteur + telescopeAllowances(m).lidHeight;
        drawBand(d, glueFlapOf(m), band, height, 2 * trayCentre + m.EspPoseX, -height / 2);
    }
}

void Fco0351(Model& m, Drawing& d) {
    const OctagonalPair p = octagonalPair(m);
    const Octagon& bottom = p.bottom;
    const Octagon& lid = p.lid;
    const float h = p.h;
    const float h2 = p.h2;
    GenerationPass pass(d);
    PenScope pen(d);
    if (pieceShown(m, kBottomPiece)) {
        pen.setPiece(m.Mode3D ? 2 : 1);
        drawOctagonalTray(m, d, bottom, h, 0);
        octagonDimensions(d, bottom, h, 0);
    }
    if (pieceShown(m, kLidPiece)) {
        pen.setPiece(1);
        const float x =
            besideCentre(m.EspPoseX, 0, trayHalfExtent(bottom, h), trayHalfExtent(lid, h2));
        drawOctagonalTray(m, d, lid, h2, x);
        octagonDimensions(d, lid, h2, x);
    }
}

}  // namespace brontaxe
