// Cases with a crash-lock bottom: the bottom is always the lower half drawn by `CrashLockBodyHalf`,
// the top is what tells the codes apart.

#include <algorithm>
#include <array>

#include "builders/emit.h"
#include "builders/hand_hole.h"
#include "builders/lidded_body_half.h"
#include "builders/second_lid_body_half.h"
#include "builders/shaped_body_half.h"
#include "builders/slotted_body_half.h"
#include "drawing/pen_scope.h"
#include "model/model_choices.h"
#include "styles/02/fco200_common.h"
#include "styles/02/fco200_lid_common.h"
#include "styles/03/fco300_common.h"
#include "styles/07/fco700.h"
#include "styles/07/fco700_common.h"
#include "styles/blank_settings.h"
#include "styles/lid_play.h"

namespace brontaxe {
namespace {

// The body's four panels with flaps f1 (panels 1 and 3) and f2 (panels 2 and 4) above, over
// a crash-lock bottom.
void slottedBodyOverCrashLock(Model& m, Drawing& d, const GluedBody& b, float f1, float f2) {
    const auto& p = b.panels;
    recordPasses(m, SlottedBodyHalf(d,
                                    {.p1 = p[0],
                                     .p2 = p[1],
                                     .p3 = p[2],
                                     .p4 = p[3],
                                     .h = b.h,
                                     .f1 = f1,
                                     .f2 = f2,
                                     .glue = glueFlapOf(m)},
                                    blankSettingsOf(m)));
    drawCrashLockBottom(m, d, b);
}

// A top closed by four flaps f1 (panels 1 and 3) and f2 (panels 2 and 4) over a crash-lock
// bottom.
void slottedTop(Model& m, Drawing& d, int code, float f1, float f2) {
    refusePieceVariants(m);
    const GluedBody b = gluedBody(m);
    GenerationPass pass(d);
    slottedBodyOverCrashLock(m, d, b, f1, f2);
    finishGluedCase(m, d, code, b, largerFlap(f1, f2));
}

// An upper half whose panels carry the given shapes over a crash-lock bottom.
void shapedTop(Model& m, Drawing& d, int code, const std::array<FlapShape, 4>& tops,
               float topHeight) {
    refusePieceVariants(m);
    const GluedBody b = gluedBody(m);
    GenerationPass pass(d);
    recordPasses(
        m, ShapedBodyHalf(d, {.panels = b.panels, .h = b.h, .flaps = tops, .glue = glueFlapOf(m)},
                          blankSettingsOf(m)));
    drawCrashLockBottom(m, d, b);
    finishGluedCase(m, d, code, b, topHeight);
}

// The wall's edge itself: no flap.
const FlapShape kOpen = plainFlap(0);

// A liner folded inside the wall over a double crease one board thickness apart, bevelled at
// 45° so that the liners of two walls meet in the corner without binding.
FlapShape rimLiner(float depth, float thickness) {
    return [depth, thickness](Drawing& d, float left, float right, float h) {
        const float e = thickness;
        const float bevel = std::min(depth + e, (right - left) / 2 - 1);
        const float top = h + e + depth;
        lineTo(d, right - bevel, top);
        lineTo(d, left + bevel, top);
        lineTo(d, left, h);
        const float atSecond = bevel * e / (e + depth);
        const PenScope crease(d, kind::Crease);
        line(d, left, h, right, h);
        line(d, left + atSecond, h + e, right - atSecond, h + e);
    };
}

// The front wall cut down to show the goods, its shoulders sloped.
FlapShape displayCutAway(float depth) {
    return [depth](Drawing& d, float left, float right, float h) {
        const float slope = std::min(depth, (right - left) / 4);
        lineTo(d, right - slope, h - depth);
        lineTo(d, left + slope, h - depth);
        lineTo(d, left, h);
    };
}

float halfWidthFlap(const Model& m, float allowance) {
    return roundedFlap(m.Largeur / 2) + allowance;
}

using LidHalf = MachinePasses (*)(Drawing&, const LidBody&, const BlankSettings&,
                                  const FeaturePlacement&);

// A lidded upper half over a crash-lock bottom. With the glue flap on the width panel the
// lidded half hangs it after panel 4, and the bottom is drawn the other way round to match.
void lidOverCrashLock(Model& m, Drawing& d, int code, LidHalf lidHalf) {
    refusePieceVariants(m);
    const LidBody lid = lidBody(m);
    GluedBody b;
    b.panels = {lid.p1, lid.p2, lid.p3, lid.p4};
    b.h = lid.h;
    b.bottom = crashLockSizes(b.panels);
    GenerationPass pass(d);
    recordPasses(m, lidHalf(d, lid, blankSettingsOf(m), {}));
    if (m.pattesurtete && m.lgPatte > 0) {
        GluedBody reversed = b;
        reversed.panels = {lid.p4, lid.p3, lid.p2, lid.p1};
        reversed.bottom = crashLockSizes(reversed.panels);
        lowerHalfGlueOnRight(m, d, {lid.p1, lid.p2, lid.p3, lid.p4},
                             [&] { drawCrashLockBottom(m, d, reversed); });
    } else {
        drawCrashLockBottom(m, d, b);
    }
    finishGluedCase(m, d, code, b, lid.q + lid.T, !m.pattesurtete);
}

}  // namespace

void Fco0700(Model& m, Drawing& d) {
    shapedTop(m, d, 700, {kOpen, kOpen, kOpen, kOpen}, 0);
}

void Fco0712(Model& m, Drawing& d) {
    const SlottedAllowances a = slottedAllowances(m);
    slottedTop(m, d, 712, halfWidthFlap(m, a.oddFlaps), halfWidthFlap(m, a.evenFlaps));
}

void Fco0713(Model& m, Drawing& d) {
    lidOverCrashLock(m, d, 713, &LiddedBodyHalf);
}

void Fco0714(Model& m, Drawing& d) {
    // A crash-lock body, open at the top under its rim liners, and beside it the full
    // telescope lid that slides down over it: a tray with corner flaps as deep as the body,
    // over the body's panels with the lid's play, its walls folded up outside the base's
    // creases.
    refusePieceVariants(m);
    const float e = m.EpaisseurCarton;
    const float depth = std::max(m.hrecouvr, 2 * e);
    const FlapShape rim = rimLiner(depth, m.EpaisseurCarton);
    const GluedBody b = gluedBody(m);
    GenerationPass pass(d);
    if (pieceShown(m, kBottomPiece)) {
        recordPasses(m, ShapedBodyHalf(d,
                                       {.panels = b.panels,
                                        .h = b.h,
                                        .flaps = {rim, rim, rim, rim},
                                        .glue = glueFlapOf(m)},
                                       blankSettingsOf(m)));
        drawCrashLockBottom(m, d, b);
        finishGluedCase(m, d, 714, b, e + depth);
    }
    if (!pieceShown(m, kLidPiece))
        return;
    // The body's longer panel of each pair, the first pair's with the board of the glue flap
    // laid on the last panel's wall, across their ends.
    const auto& p = b.panels;
    const float first = std::max(p[0], p[2]) + e;
    const float second = std::max(p[1], p[3]);
    const float length = m.pattesurtete ? second : first;
    const float width = m.pattesurtete ? first : second;
    Tray lid;
    lid.a = (length + lidOverCreases(e)) / 2;
    lid.b = (width + lidOverCreases(e)) / 2;
    lid.h = 2 * b.h + e;
    lid.f = lid.h;
    // Right of the body's chains, as far again from them as they stand from the body.
    float left = 0;
    if (d.ElementCount() > 0) {
        const double body = d.extents().xmax;
        double chains = body;
        for (const Element& el : d.elements())
            if (const auto* dim = std::get_if<DimensionShape>(&el.shape))
                chains = std::max(
                    {chains, static_cast<double>(dim->p1.x), static_cast<double>(dim->p2.x)});
        left = static_cast<float>(chains + (chains - body) / 2) + m.EspPoseX;
    }
    const float x = left + lid.a + lid.h;
    // A piece of its own for the 3D view.
    drawCornerFlapTray(m, d, lid, x, m.Mode3D ? 2 : 1);
}

void Fco0703(Model& m, Drawing& d) {
    const SlottedAllowances a = slottedAllowances(m);
    slottedTop(m, d, 703, m.Largeur + a.oddFlaps, m.Largeur + a.evenFlaps);
}

void Fco0747(Model& m, Drawing& d) {
    // Width flaps meet in the middle of the length, length flaps in the middle of the width.
    const SlottedAllowances a = slottedAllowances(m);
    const float onLength = roundedFlap(m.Largeur / 2) + a.oddFlaps;
    const float onWidth = roundedFlap(m.Longueur / 2) + a.evenFlaps;
    slottedTop(m, d, 747, m.pattesurtete ? onWidth : onLength, m.pattesurtete ? onLength : onWidth);
}

void Fco0748(Model& m, Drawing& d) {
    const float base = roundedFlap((m.Largeur + m.hrecouvr) / 2);
    const SlottedAllowances a = slottedAllowances(m);
    slottedTop(m, d, 748, base + a.oddFlaps, base + a.evenFlaps);
}

void Fco0751(Model& m, Drawing& d) {
    lidOverCrashLock(m, d, 751, &SecondLidBodyHalf);
}

void Fco0752(Model& m, Drawing& d) {
    slottedTop(m, d, 752, m.hrabat, m.hrabat);
}

void Fco0770(Model& m, Drawing& d) {
    const GluedBody b = gluedBody(m);
    // The front loses the upper third of the body; the other walls stay whole.
    const FlapShape front = displayCutAway(2 * b.h / 3);
    shapedTop(m, d, 770, {front, kOpen, kOpen, kOpen}, 0);
}

void Fco0771(Model& m, Drawing& d) {
    refusePieceVariants(m);
    const GluedBody b = gluedBody(m);
    const SlottedAllowances a = slottedAllowances(m);
    const float f1 = halfWidthFlap(m, a.oddFlaps);
    const float f2 = halfWidthFlap(m, a.evenFlaps);
    const auto& p = b.panels;
    // Tear line a third of the body up from the bottom: the lower part stays as a display
    // tray. Hand-holes stay above it.
    const float y = b.h / 3;
    if (handHoleKind(m) != HandHoleKind::None)
        checkHandHoleFits(wallHandHoleOf(m), std::min(p[0], p[1]), b.h - y);
    GenerationPass pass(d);
    slottedBodyOverCrashLock(m, d, b, f1, f2);
    // Across the glue flap too: glued to the last panel, it would hold the two parts together.
    PenScope pen(d, kind::Perforation);
    line(d, 0, y, m.lgPatte + p[0] + p[1] + p[2] + p[3], y);
    pen.setKind(kind::Cut);
    finishGluedCase(m, d, 771, b, largerFlap(f1, f2));
}

}  // namespace brontaxe
