// Trays on the tray builders, each a variant of a plain tray: 0442 (flaps on the end walls glued
// inside the long walls, hand-holes in the end walls), 0444 (0434's blank, its flaps glued
// outside), 0445 (double end walls over the glued flaps), 0446 (glued tray with round vent holes in
// the bottom and the flap-carrying walls) and 0447 (self-locking, hand-holes in the long walls).
//
// Allowances as the trays take them: 1 base length, 3 base width, 5 walls; 0445 also 6 and 8
// for its inner walls, as 0454.

#include <algorithm>
#include <cmath>
#include <string>

#include "builders/emit.h"
#include "builders/flat_blank_dimensions.h"
#include "builders/variable_hand_hole.h"
#include "drawing/pen_scope.h"
#include "platform/errors.h"
#include "styles/04/fco400.h"
#include "styles/04/fco400_common.h"
#include "styles/04/fco400_rules.h"
#include "styles/04/fco400_tray.h"
#include "styles/blank_settings.h"

namespace brontaxe {
namespace {

// Vent holes: this radius, at least this many radii apart, at most this many a row.
constexpr float kVentRadius = 10;
constexpr float kVentPitch = 5;
constexpr int kVentMax = 6;

// The tray drawn with its length along y, then turned a quarter so that the flaps stand on
// the end walls.
FlapTrayShape endFlapTray(const Model& m) {
    FlapTrayShape t = gluedTray(m);
    std::swap(t.a, t.b);
    return t;
}

bool variantCutBack(const FlapTrayShape& t) {
    return trayFlapWidth(t) < t.flap;
}

// Hand-holes of the model's size in the walls beyond y = +-b (b the half base, h the wall),
// their upper edge `DPoign` below the wall's free edge, moved up or down so that the hole keeps
// its land from the wall's edge and folds.
void wallHandHoles(Model& m, Drawing& d, float halfWall, float b, float h) {
    const float land = handHoleLand(m.EpaisseurCarton);
    if (!(m.LPoign + 2 * land <= 2 * halfWall) || !(m.HPoign + 2 * land <= h) || m.DPoign < 0)
        throw GenerationError(
            "Poignée trop grande pour la paroi : " + std::to_string(std::lround(m.LPoign)) + " x " +
            std::to_string(std::lround(m.HPoign)) + "\u00a0mm avec " +
            std::to_string(std::lround(land)) + "\u00a0mm de carton autour, dans une paroi de " +
            std::to_string(std::lround(2 * halfWall)) + " x " + std::to_string(std::lround(h)) +
            "\u00a0mm");
    const VariableHandHoleCutShape hole{m.LPoign, m.HPoign, kind::Cut, 1, false};
    const float edge = b + h - handHoleDrop(m.DPoign, m.HPoign, h, land);
    VariableHandHoleCut(d, hole, {0, edge, 0, false});
    VariableHandHoleCut(d, hole, {0, -edge, 180, false});
}

void ventHole(Drawing& d, float x, float y, float r) {
    arc(d, {x, y}, r, 0, 180);
    arc(d, {x, y}, r, 180, 180);
}

// As many holes as fit along a span at the pitch, centred, up to the most a row takes.
int ventCount(float span, float r) {
    const int n = static_cast<int>(std::floor(span / (kVentPitch * r)));
    return std::clamp(n, 0, kVentMax);
}

void ventHoles(Drawing& d, const FlapTrayShape& t) {
    const float r = std::min({kVentRadius, t.h / 4, t.a / 4, t.b / 4});
    if (r < 2)
        return;  // a hole smaller than this tears out instead of being cut
    const PenScope pen(d, kind::Cut);
    const int nx = ventCount(2 * t.a, r);
    const int ny = ventCount(2 * t.b, r);
    for (int i = 0; i < nx; ++i)
        for (int j = 0; j < ny; ++j)
            ventHole(d, (i - (nx - 1) / 2.0f) * 2 * t.a / nx, (j - (ny - 1) / 2.0f) * 2 * t.b / ny,
                     r);
    ventHole(d, 0, t.b + t.h / 2, r);
    ventHole(d, 0, -t.b - t.h / 2, r);
}

FlatBlankChains trayChains(const TraySizes& s) {
    FlatBlankChains c;
    c.across = {s.h, 2 * s.a, s.h};
    c.up = {s.h, 2 * s.b, s.h};
    return c;
}

}  // namespace

void Fco0442(Model& m, Drawing& d) {
    const FlapTrayShape t = endFlapTray(m);
    GenerationPass pass(d);
    const int first = beginFeature(d);
    recordBlankPasses(m, FlapTray(d, t, blankSettingsOf(m)));
    wallHandHoles(m, d, t.a, t.b, t.h);
    placeFeature(d, first, {.angle = 90});
    gluedTrayDimensions(d, t, true, variantCutBack(t), m.Personnalisation.profile());
}

void Fco0444(Model& m, Drawing& d) {
    // 0434's blank: the flaps of the end walls are glued outside the long walls.
    Fco0434(m, d);
}

void Fco0445(Model& m, Drawing& d) {
    // The flaps on the side walls fold round onto the end walls, whose inner layer rolls down
    // over them and holds them.
    FlapTrayShape t = gluedTray(m);
    t.flap = m.hrabat;
    t.doubleWallStep = m.Dblmur;
    t.doubleFlaplessWalls = true;
    const TrayAllowances k = trayAllowances(m);
    t.innerWall = m.Hauteur + k.innerWalls - k.innerDrop;
    GenerationPass pass(d);
    recordBlankPasses(m, FlapTray(d, t, blankSettingsOf(m)));
    gluedTrayDimensions(d, t, false, variantCutBack(t), m.Personnalisation.profile());
}

void Fco0446(Model& m, Drawing& d) {
    const FlapTrayShape t = gluedTray(m);
    GenerationPass pass(d);
    recordBlankPasses(m, FlapTray(d, t, blankSettingsOf(m)));
    ventHoles(d, t);
    gluedTrayDimensions(d, t, false, variantCutBack(t), m.Personnalisation.profile());
}

void Fco0447(Model& m, Drawing& d) {
    const TraySizes s = traySizes(m);
    GenerationPass pass(d);
    selfLockingTray(m, d, s);
    wallHandHoles(m, d, s.a, s.b, s.h);
    FlatBlankDimensions(d, trayChains(s), m.Personnalisation.profile());
}

std::vector<FoldPair> foldsEndFlapTray(const Model& m) {
    const FlapTrayShape t = endFlapTray(m);
    const float fw = trayFlapWidth(t);
    return {{"pattes d'angle", fw, fw, 2 * t.b, FoldFit::NoCollision}};
}

}  // namespace brontaxe
