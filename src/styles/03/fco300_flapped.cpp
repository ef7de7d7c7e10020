// Telescope boxes whose trays have glued corner flaps, rounded corner flaps or hand-holes.

#include <algorithm>

#include "builders/double_wall_tray.h"
#include "builders/emit.h"
#include "builders/flap_tray.h"
#include "builders/rounded_flap.h"
#include "builders/variable_hand_hole.h"
#include "drawing/pen_scope.h"
#include "model/model_choices.h"
#include "styles/03/fco300.h"
#include "styles/03/fco300_common.h"
#include "styles/03/fco300_voranis.h"
#include "styles/blank_settings.h"
#include "styles/lid_play.h"

namespace brontaxe {
namespace {

FlapTrayShape flapped(const Tray& t) {
    FlapTrayShape f;
    f.a = t.a;
    f.b = t.b;
    f.h = t.h;
    f.flap = t.f;
    return f;
}

// How far a tray with glued corner flaps reaches from its centre along x.
float flappedHalfExtent(const FlapTrayShape& t) {
    return t.a + std::max(t.h, trayFlapWidth(t));
}

void drawFlappedTray(Model& m, Drawing& d, const FlapTrayShape& t, float x, std::int16_t piece) {
    PenScope pen(d);
    pen.setPiece(piece);
    recordBlankPasses(m, FlapTray(d, t, blankSettingsOf(m), {x, 0, 0, false}));
    Tray sizes;
    sizes.a = t.a;
    sizes.b = t.b;
    sizes.h = t.h;
    trayDimensions(d, sizes, x, false, kind::Cut);
}

std::int16_t bottomPiece(const Model& m) {
    return m.Mode3D ? 2 : 1;
}

// One quarter of a tray whose walls stand free at the corners (x >= 0, y >= 0): the corner
// square is cut away; `closeCorner` may hang a flap on the side wall's end.
template <typename CloseCorner>
void openCornerQuarter(Drawing& d, const Tray& t, CloseCorner closeCorner) {
    const float a = t.a, b = t.b, h = t.h;
    PenScope pen(d, kind::Cut);
    chainStart(d, a + h, 0);
    lineTo(d, a + h, b);
    lineTo(d, a, b);
    closeCorner();
    chainStart(d, a, b + h);
    lineTo(d, 0, b + h);
    pen.setKind(kind::Crease);
    line(d, 0, b, a, b);
    line(d, a, 0, a, b);
}

template <typename Quarter>
void fourQuartersAt(Drawing& d, float x, Quarter quarter) {
    const int first = beginFeature(d);
    fourQuarters(d, quarter);
    placeFeature(d, first, {.x = x});
}

// 0302: a tray whose walls are stapled at the corners, a hand-hole in each end wall, its
// upper edge `DPoign` below the wall's top (moved so that it keeps its land from the top and
// the base's crease); pushed in on a hinge for hand-hole type 2 or 3. A wall too small for
// the hole and its land has none.
void drawHandHoleTray(Model& m, Drawing& d, const Tray& t, float x, std::int16_t piece) {
    PenScope pen(d);
    pen.setPiece(piece);
    VariableHandHoleCutShape hole;
    hole.length = m.LPoign;
    hole.height = m.HPoign;
    hole.hingedUpperEdge = hasHingedUpperEdge(handHoleKind(m));
    const float land = handHoleLand(m.EpaisseurCarton);
    const bool holes = t.h >= m.HPoign + 2 * land && 2 * t.b >= m.LPoign + 2 * land;
    const float drop = handHoleDrop(m.DPoign, m.HPoign, t.h, land);
    fourQuartersAt(d, x,
                   [&] { openCornerQuarter(d, t, [&] { line(d, t.a, t.b, t.a, t.b + t.h); }); });
    if (holes) {
        // Upper edge along the wall's top edge, the hole hanging towards the base.
        VariableHandHoleCut(d, hole, {x + t.a + t.h - drop, 0, -90, false});
        VariableHandHoleCut(d, hole, {x - t.a - t.h + drop, 0, 90, false});
    }
    trayDimensions(d, t, x, false, holes ? kind::Cut : kind::Crease);
}

// 0307: a tray whose corner flaps have a rounded free corner, so that the lid slides on
// without catching. The flap folds on the side wall's end and reaches along the end wall.
void drawRoundedTray(Model& m, Drawing& d, const Tray& t, float x, std::int16_t piece) {
    PenScope pen(d);
    pen.setPiece(piece);
    RoundedFlapShape flap;
    flap.width = t.h;
    flap.depth = std::min(t.f, t.b);
    flap.radius = flap.depth / 2;
    flap.inset = std::min(m.EpaisseurCarton, t.h / 4);
    fourQuartersAt(d, x, [&] {
        openCornerQuarter(d, t, [&] { RoundedFlap(d, flap, {t.a, t.b, 90, true}); });
    });
    trayDimensions(d, t, x, false, kind::Crease);
}

float roundedHalfExtent(const Tray& t) {
    return t.a + std::max(t.h, std::min(t.f, t.b));
}

// The bottom tray's walls: its end walls folded double, the side walls and the inner end walls
// on the height.
DoubleWallSizes flappedEndWalls(const Model& m, const Tray& bottom) {
    const DoubleWallAllowances k = doubleWallAllowances(m);
    return {.sideWall = bottom.h - k.outerEndWall + k.sideWall,
            .endWall = bottom.h,
            .cornerFlap = bottom.h,
            .endWallStep = bottom.h - k.outerEndWall + k.innerEndWall + m.Dblmur};
}

}  // namespace

void Fco0301(Model& m, Drawing& d) {
    const Tray bottom = bottomTray(m);
    Tray lidSizes = lidOver(m, bottom);
    // The lid's flaps reach H + allowance 9, or the bottom's flap and one thickness.
    const float flaps = telescopeAllowances(m).lidFlaps;
    lidSizes.f = flaps != 0 ? m.Hauteur + flaps : bottom.f + m.EpaisseurCarton;
    const FlapTrayShape lid = flapped(lidSizes);
    GenerationPass pass(d);
    if (pieceShown(m, kBottomPiece))
        drawCornerFlapTray(m, d, bottom, 0, bottomPiece(m));
    if (pieceShown(m, kLidPiece))
        drawFlappedTray(
            m, d, lid, besideCentre(m.EspPoseX, 0, bottom.a + bottom.h, flappedHalfExtent(lid)), 1);
}

void Fco0302(Model& m, Drawing& d) {
    const Tray bottom = bottomTray(m);
    const Tray lid = lidOver(m, bottom);
    GenerationPass pass(d);
    if (pieceShown(m, kBottomPiece))
        drawHandHoleTray(m, d, bottom, 0, bottomPiece(m));
    if (pieceShown(m, kLidPiece))
        drawHandHoleTray(m, d, lid, besideCentre(m.EspPoseX, 0, bottom.a + bottom.h, lid.a + lid.h),
                         1);
}

void Fco0303(Model& m, Drawing& d) {
    Tray bottomSizes = bottomTray(m);
    bottomSizes.f = m.hrabat;
    const FlapTrayShape bottom = flapped(bottomSizes);
    const FlapTrayShape lid = flapped(lidOver(m, bottomSizes));
    GenerationPass pass(d);
    if (pieceShown(m, kBottomPiece))
        drawFlappedTray(m, d, bottom, 0, bottomPiece(m));
    if (pieceShown(m, kLidPiece))
        drawFlappedTray(
            m, d, lid,
            besideCentre(m.EspPoseX, 0, flappedHalfExtent(bottom), flappedHalfExtent(lid)), 1);
}

void Fco0307(Model& m, Drawing& d) {
    const Tray bottom = bottomTray(m);
    const Tray lid = lidOver(m, bottom);
    GenerationPass pass(d);
    if (pieceShown(m, kBottomPiece))
        drawRoundedTray(m, d, bottom, 0, bottomPiece(m));
    if (pieceShown(m, kLidPiece))
        drawRoundedTray(
            m, d, lid,
            besideCentre(m.EspPoseX, 0, roundedHalfExtent(bottom), roundedHalfExtent(lid)), 1);
}

void Fco0331(Model& m, Drawing& d) {
    const float e = m.EpaisseurCarton;
    const Tray bottom = bottomTray(m);
    // The lid over the bottom's outer walls (the inner ones fold inside) with the lid's play,
    // its walls `hrabat` high and doubled like the bottom's.
    FlapTrayShape lid;
    lid.a = bottom.a + lidOverCreases(e) / 2;
    lid.b = bottom.b + lidOverCreases(e) / 2;
    lid.h = m.hrabat;
    lid.flap = m.hrabat;
    if (m.Personnalisation != CustomerProfile::Voranis) {
        lid.doubleWallStep = m.Dblmur;
        lid.innerWall = std::max(m.hrabat - m.Dblmur, e);
    }
    GenerationPass pass(d);
    PenScope pen(d);
    if (pieceShown(m, kBottomPiece)) {
        pen.setPiece(bottomPiece(m));
        const DoubleWallTrayShape tray{.a = bottom.a,
                                       .b = bottom.b,
                                       .h = bottom.h,
                                       .halfInsideLength = m.Longueur / 2,
                                       .flaps = CornerFlaps::DoubleEndWalls,
                                       .doubleWall = flappedEndWalls(m, bottom)};
        recordBlankPasses(m, DoubleWallTray(d, tray, blankSettingsOf(m)));
        trayDimensions(d, bottom, 0, false, doubleWallChainKind(m));
    }
    if (pieceShown(m, kLidPiece)) {
        // The double-wall tray's side walls are H + allowance 8 high.
        const float bottomHalf = bottom.a + m.Hauteur + doubleWallAllowances(m).sideWall;
        drawFlappedTray(m, d, lid, besideCentre(m.EspPoseX, 0, bottomHalf, flappedHalfExtent(lid)),
                        1);
    }
}

}  // namespace brontaxe
