// Crash-lock cases drawn from a table of levels: the lock flap of panel 1 (in 0701 the full
// depth of the bottom, in 0711 as deep as the glued tabs) hooks behind the tabs of panels 2
// and 3, which are glued across the two corners the case folds flat on; panel 4 carries a plain
// flap. The top is slotted, its slots ending in half rounds.

#include "styles/07/fco700_point_table.h"

#include <algorithm>
#include <cmath>

#include "builders/emit.h"
#include "drawing/pen_scope.h"
#include "platform/errors.h"
#include "styles/02/fco200_common.h"
#include "styles/07/fco700.h"

namespace brontaxe {
namespace {

// How far the hooks' throats stand in from the folds of panels 1-2 and 3-4.
constexpr float kLockInset = 4;

// Offsets of the bottom's lines, in millimetres. They were taken off the case as first drawn,
// in single precision, so most are a round size plus the float error of where they were read
// (0.6100159 for 0.61); the round literal gives another float and would move the lines, so each
// keeps its exact value.
constexpr float kTabEndTrim = 0.6100159f;      // lock tab 2's end, short of its slanted crease
constexpr float kFlap3StartTrim = 0.5999756f;  // lock tab 3's start, short of its crease
constexpr float kNotchRise = 0.2399902f;       // the notch over fold 1-2, above `notchApex`
constexpr float kSlitRise = 5.75f;             // the slit over fold 2-3, above `notchApex`
constexpr float kGlueTopDrop = 3.840027f;      // the glue flap's upper end, below `glueTop`
constexpr float kSlantRise = 0.2599487f;       // the glue flap's slanted end, above `glueTop`
constexpr float kLockFoldRun = 3.029999f;      // the lock flap's fold: aimed this far left of
                                               // `lockRight`
constexpr float kLockFoldDrop = 15.53f;        // ... and this far below `hookThroat`
constexpr float kTabFoldDrop = 1.380005f;      // 0701: the glued tabs' folds, below `hookTip`
constexpr float kTab2FoldInset = 1.370026f;    // 0701: tab 2's fold, left of `tab2Hook`
constexpr float kTab3FoldInset = 1.369995f;    // 0701: tab 3's fold, right of `tab3Hook`

float tanDeg(float deg) {
    return std::tan(deg * kRadiansPerDegree);
}

}  // namespace

LockCaseAllowances lockCaseAllowances(const Model& m) {
    const auto& k = m.Majo;
    return {.panel1 = k[1],
            .panel2 = k[2],
            .panel3 = k[3],
            .panel4 = k[4],
            .topFlaps = k[5],
            .bodyHeight = k[6],
            .bottomFlaps = k[7],
            .glueFlapShort = k[8]};
}

void lockCaseDimensions(Drawing& d, const LockTable& T) {
    const auto& x = T.x;
    const auto& y = T.y;
    const float chain = y.bottomEdge - T.W / 4, overall = y.bottomEdge - T.W / 2;
    const PenScope pen(d, kind::Text);
    for (auto [from, to] : {std::pair{x.leftEdge, x.glueFold},
                            {x.glueFold, x.fold12},
                            {x.fold12, x.fold23},
                            {x.fold23, x.fold34},
                            {x.fold34, x.rightEdge}})
        dimension(d, {.from = {from, chain}, .to = {to, chain}, .at = {0, chain}});
    dimension(d, {.from = {x.leftEdge, overall}, .to = {x.rightEdge, overall}, .at = {0, overall}});
    for (auto [from, to] :
         {std::pair{y.bottomEdge, y.bottomFold}, {y.bottomFold, y.topFold}, {y.topFold, y.topEdge}})
        dimension(d, {.from = {x.rightEdge + 80, from},
                      .to = {x.rightEdge + 80, to},
                      .at = {x.rightEdge + 80, 0}});
    dimension(d, {.from = {x.rightEdge + 160, y.bottomEdge},
                  .to = {x.rightEdge + 160, y.topEdge},
                  .at = {x.rightEdge + 160, 0}});
}

LockTable lockTable(const Model& m, LockVariant variant) {
    if (!(m.encoche > 0))
        throw GenerationError(
            "Fond automatique impossible : l'encoche est nulle, le verrou ne "
            "peut pas se former");
    const bool is0711 = variant == LockVariant::Fco0711;
    const float L = m.Longueur, W = m.Largeur;
    const bool glueOnWidth = is0711 && m.pattesurtete;
    const float first = glueOnWidth ? W : L, second = glueOnWidth ? L : W;
    const LockCaseAllowances a = lockCaseAllowances(m);

    // Sizes: the glue flap, the panels, the body, the top and bottom flaps, the tabs' overlap
    // and the slot (n its half).
    const float g = m.lgPatte;
    const float P1 = first + a.panel1, P2 = second + a.panel2, P3 = first + a.panel3,
                P4 = second + a.panel4;
    const float h = m.Hauteur + a.bodyHeight;
    const float t = roundedFlap(W / 2) + a.topFlaps;
    const float b = roundedFlap(W / 2) + a.bottomFlaps;
    const float o = is0711 ? m.hrecouvr - 5 : m.hrecouvr;
    const float enc = m.encoche, dec = m.decalenc;
    const float n = enc / 2;
    // The notches over folds 1-2 and 3-4, cut at the variant's angles: q1 is how far their
    // apex stands off the fold, q2 (less a quarter of the slot) how far above the bottom fold.
    const float s =
        is0711 ? n / std::sin(25 * kRadiansPerDegree) : n / std::sin(32.5f * kRadiansPerDegree);
    const float q1 =
        is0711 ? s * std::cos(20 * kRadiansPerDegree) : s * std::cos(77.5f * kRadiansPerDegree);
    const float q2 = s * std::sin(77.5f * kRadiansPerDegree);
    // r: how far a hook's tip stands above and beside its throat; u: how far the lock flap's
    // edge stands left of the notch over fold 1-2.
    const float r = ((kLockHeight + q2) - n * 0.5f - kLockInset - q1) / 2;
    const float u = ((kLockHeight - r + q2) - n * 0.5f) * tanDeg(20);
    // How far the slanted lock fold and the slanted sides of flaps 2 and 4 run across.
    const float slant = is0711 ? (b + o) * tanDeg(15) : W * tanDeg(15);
    const float flap2Slope = is0711 ? b * tanDeg(5) : b * tanDeg(30);
    const float flap4Slope = b * tanDeg(20);

    LockTable T;
    T.W = W;
    T.n = n;
    auto& y = T.y;
    y.bottomEdge = 0;
    // 0701's lock flap spans the whole bottom; 0711's, as deep as the glued tabs it hooks
    // behind, meets the flap of panel 3 in the middle.
    y.bottomFold = y.bottomEdge + (is0711 ? b + o : W);
    y.flapEdge = y.bottomFold - b;
    y.tabEdge = y.flapEdge - o;
    y.hookThroat = y.bottomFold - kLockHeight;
    y.hookTip = y.hookThroat + r;
    y.notchApex = y.bottomFold + (q2 - n / 2);
    y.rightEdgeFoot = y.bottomFold + n;
    y.glueFoot = y.bottomFold + (g + dec);
    y.topFold = y.bottomFold + h;
    y.glueTop = y.topFold - a.glueFlapShort;
    // The top flaps reach t above the bottom of the slots' half-round ends.
    const float slotBottom = y.topFold - enc / 2;
    y.topEdge = slotBottom + (t + enc / 2);

    auto& x = T.x;
    x.leftEdge = 0;
    x.glueFold = x.leftEdge + g;
    x.fold12 = x.glueFold + P1;
    x.fold23 = x.fold12 + P2;
    x.fold34 = x.fold23 + P3;
    x.rightEdge = x.fold34 + P4;
    // The lock flap of panel 1 and the hook of tab 2.
    x.flap1Left = x.glueFold + n;
    x.lockFoldFoot = x.fold12 - slant;
    x.notch1 = x.fold12 - q1;
    x.lockRight = x.notch1 - u;
    x.tab2Throat = x.fold12 + kLockInset;
    x.tab2Hook = x.tab2Throat + r;
    // The flaps of panels 2 to 4 and the glued tabs below them.
    x.flap2Corner = x.fold12 + b;
    x.tab2LowerRight = x.flap2Corner - o;
    x.flap2SlopeFoot = x.fold23 - flap2Slope;
    x.slit = x.fold23 + enc / 2;
    x.flap3Corner = x.fold34 - b;
    x.tab3LowerLeft = x.flap3Corner + o;
    x.tab3Throat = x.fold34 - kLockInset;
    x.tab3Hook = x.tab3Throat - r;
    x.notch3 = x.fold34 + q1;
    x.flap4SlopeFoot = x.fold34 + flap4Slope;
    x.flap4Corner = x.rightEdge - (b + 2);
    // The top's slots, each one slot wide, shifted by the slot offset: slots 1 and 3 to the
    // right of their fold, slot 2 to the left; panel 4's top flap stops half a slot short.
    x.slot1Right = x.fold12 + (n + dec);
    x.slot1Left = x.slot1Right - enc;
    x.slot1Centre = x.fold12 + dec;
    x.slot2Left = x.fold23 - (n + dec);
    x.slot2Right = x.slot2Left + enc;
    x.slot2Centre = x.fold23 - dec;
    x.slot3Right = x.fold34 + (n + dec);
    x.slot3Left = x.slot3Right - enc;
    x.slot3Centre = x.fold34 + dec;
    x.topFlap4Right = x.rightEdge - (n + dec);
    return T;
}

float atLevel(float x1, float y1, float x2, float y2, float y) {
    return y1 == y2 ? x1 : x1 + (x2 - x1) * (y - y1) / (y2 - y1);
}

float atAbscissa(float x1, float y1, float x2, float y2, float x) {
    return x1 == x2 ? y1 : y1 + (y2 - y1) * (x - x1) / (x2 - x1);
}

LockBottomEnds lockBottomEnds(const LockTable& T) {
    const auto& x = T.x;
    const auto& y = T.y;
    const float fold = y.bottomFold;
    LockBottomEnds e;
    e.notchTop = y.notchApex + kNotchRise;
    e.slitTop = y.notchApex + kSlitRise;
    e.notch1Left = atLevel(x.lockRight, y.hookTip, x.notch1, e.notchTop, fold);
    e.notch1Right = atLevel(x.notch1, e.notchTop, x.tab2Hook, y.hookTip, fold);
    e.slitLeft = atLevel(x.flap2SlopeFoot, y.flapEdge, x.slit, e.slitTop, fold);
    e.notch3Left = atLevel(x.tab3Hook, y.hookTip, x.notch3, y.notchApex, fold);
    e.notch3Right = atLevel(x.notch3, y.notchApex, x.flap4SlopeFoot, y.flapEdge, fold);
    e.notch1FoldEnd = std::max(e.notch1Right, x.fold12);
    e.slitFoldEnd = std::min(e.slitLeft, x.fold23);
    e.notch3FoldEnd = std::min(e.notch3Left, x.fold34);
    e.tab2End = x.tab2Hook - kTabEndTrim;
    e.tab3Start = x.tab3Hook + kFlap3StartTrim;
    // The lock flap's fold is aimed a little left of and below the flap's corner; it runs on
    // to the flap's right edge (ending short it would leave a crease in the air), and past
    // the top of that edge ends in the edge's corner.
    e.lockFoldTop = std::min(atAbscissa(x.lockFoldFoot, y.bottomEdge, x.lockRight - kLockFoldRun,
                                        y.hookThroat - kLockFoldDrop, x.lockRight),
                             y.hookTip);
    e.glueUpperEnd = y.glueTop - kGlueTopDrop;
    return e;
}

namespace {

// Top of a panel fold under the half-round end of its slot, centred at xc, of radius r.
float underSlot(float x, float xc, float r, float yc) {
    const float dx = x - xc;
    return std::abs(dx) < r ? yc - std::sqrt(r * r - dx * dx) : yc;
}

void drawLockCase(Model& m, Drawing& d) {
    const LockTable T = lockTable(m, LockVariant::Fco0701);
    const auto& x = T.x;
    const auto& y = T.y;
    GenerationPass pass(d);
    PenScope pen(d);
    auto cut = [&](float x1, float y1, float x2, float y2) {
        pen.setKind(kind::Cut);
        return line(d, x1, y1, x2, y2);
    };
    auto crease = [&](float x1, float y1, float x2, float y2) {
        pen.setKind(kind::Crease);
        return line(d, x1, y1, x2, y2);
    };
    // A cut along the bottom fold from `from` to `to`, parted where a side ends on it.
    auto cutAlongFold = [&](float from, float side, float to) {
        if (side != from && side != to)
            cut(from, y.bottomFold, side, y.bottomFold);
        cut(side != to ? side : from, y.bottomFold, to, y.bottomFold);
    };
    const LockBottomEnds e = lockBottomEnds(T);
    const float fold = y.bottomFold;
    const float notch1Left = e.notch1Left, notch1Right = e.notch1Right, slitLeft = e.slitLeft,
                notch3Left = e.notch3Left, notch3Right = e.notch3Right;
    const float notch1FoldEnd = e.notch1FoldEnd, slitFoldEnd = e.slitFoldEnd,
                notch3FoldEnd = e.notch3FoldEnd;
    const float glueUpperEnd = e.glueUpperEnd;

    // Glue tabs of panels 2 and 3.
    const ElementId tab3Side = cut(x.tab3LowerLeft, y.tabEdge, x.flap3Corner, y.flapEdge);
    cut(x.flap2Corner, y.flapEdge, x.tab2LowerRight, y.tabEdge);
    // Lock flap of panel 1: its fold.
    crease(x.lockFoldFoot, y.bottomEdge, x.lockRight, e.lockFoldTop);
    cut(x.flap1Left, y.bottomFold, x.flap1Left, y.bottomEdge);
    cut(x.leftEdge, y.glueFoot, x.flap1Left, y.bottomFold);
    const ElementId lockRight = cut(x.lockRight, y.bottomEdge, x.lockRight, y.hookTip);
    cut(x.lockRight, y.hookTip, notch1Left, fold);
    cutAlongFold(notch1Left, notch1Right, notch1FoldEnd);
    cut(notch1Right, fold, x.tab2Hook, y.hookTip);
    cut(x.tab2Hook, y.hookTip, x.tab2Throat, y.hookThroat);
    const ElementId flap2Slope = cut(x.flap2SlopeFoot, y.flapEdge, slitLeft, fold);
    cutAlongFold(slitFoldEnd, slitLeft, x.slit);
    cut(x.slit, fold, x.slit, y.flapEdge);
    cut(e.tab3Start, y.tabEdge, x.tab3Throat, y.hookThroat);
    cut(x.tab3Throat, y.hookThroat, x.tab3Hook, y.hookTip);
    cut(x.tab3Hook, y.hookTip, notch3Left, fold);
    cutAlongFold(notch3FoldEnd, notch3Left, notch3Right);
    // Bottom folds between the slots, each from cut to cut.
    crease(atLevel(x.rightEdge, y.rightEdgeFoot, x.flap4Corner, y.flapEdge, fold), fold,
           notch3Right, fold);
    crease(notch3FoldEnd, fold, x.slit, fold);
    crease(slitFoldEnd, fold, notch1FoldEnd, fold);
    crease(notch1Left, fold, x.flap1Left, fold);
    // Folds of the glued tabs, at 45° from the corners the case folds flat on.
    const float foldTop = y.hookTip - kTabFoldDrop;
    crease(x.tab2Hook - kTab2FoldInset, foldTop, x.flap2Corner, y.flapEdge);
    crease(x.flap3Corner, y.flapEdge, x.tab3Hook + kTab3FoldInset, foldTop);
    cut(x.topFlap4Right, y.glueTop, x.rightEdge, y.glueTop);
    // Top folds, panel folds, glue flap fold.
    crease(x.topFlap4Right, y.glueTop, x.slot3Right, y.glueTop);
    crease(x.slot1Right, y.glueTop, x.slot2Left, y.glueTop);
    // The first top fold starts on the glue flap's slanted end when that passes above it.
    const float slantTop = y.glueTop + kSlantRise;
    crease(slantTop > y.topFold
               ? atLevel(x.flap1Left, slantTop, x.leftEdge, glueUpperEnd, y.topFold)
               : x.flap1Left,
           y.topFold, x.slot1Left, y.topFold);
    // Panel folds from the cut along the bottom fold up to the round end of their slot; the
    // glue flap's fold between its two slanted ends.
    const float slotRadius = std::abs(x.slot1Left - x.slot1Centre);
    crease(x.fold34, fold, x.fold34, underSlot(x.fold34, x.slot3Centre, slotRadius, y.topFold));
    crease(x.fold23, fold, x.fold23, underSlot(x.fold23, x.slot2Centre, slotRadius, y.topFold));
    crease(x.fold12, underSlot(x.fold12, x.slot1Centre, slotRadius, y.topFold), x.fold12, fold);
    crease(x.glueFold, atAbscissa(x.flap1Left, slantTop, x.leftEdge, glueUpperEnd, x.glueFold),
           x.glueFold, atAbscissa(x.leftEdge, y.glueFoot, x.flap1Left, y.bottomFold, x.glueFold));
    cut(x.rightEdge, y.glueTop, x.rightEdge, y.rightEdgeFoot);
    cut(x.tab2Throat, y.hookThroat, e.tab2End, y.tabEdge);
    crease(x.slot3Left, y.topFold, x.slot2Right, y.topFold);
    const ElementId lockBottom = cut(x.lockRight, y.bottomEdge, x.flap1Left, y.bottomEdge);
    cut(x.slot1Left, y.topEdge, x.slot1Left, y.topFold);
    const ElementId flap2Bottom = cut(x.flap2SlopeFoot, y.flapEdge, x.flap2Corner, y.flapEdge);
    cut(x.tab2LowerRight, y.tabEdge, e.tab2End, y.tabEdge);
    cut(x.flap3Corner, y.flapEdge, x.slit, y.flapEdge);
    const ElementId tab3Bottom = cut(e.tab3Start, y.tabEdge, x.tab3LowerLeft, y.tabEdge);
    cut(x.slot3Left, y.topFold, x.slot3Left, y.topEdge);
    // Half-round ends of the three top slots.
    pen.setKind(kind::Cut);
    arc(d, {x.slot1Centre, y.topFold}, std::abs(x.slot1Left - x.slot1Centre), 180, 180);
    arc(d, {x.slot2Centre, y.topFold}, std::abs(x.slot2Left - x.slot2Centre), 180, 180);
    arc(d, {x.slot3Centre, y.topFold}, std::abs(x.slot3Left - x.slot3Centre), 180, 180);
    cut(x.flap1Left, y.topEdge, x.slot1Left, y.topEdge);
    cut(x.slot2Right, y.topEdge, x.slot2Right, y.topFold);
    cut(x.slot3Left, y.topEdge, x.slot2Right, y.topEdge);
    cut(x.slot1Right, y.topEdge, x.slot1Right, y.topFold);
    cut(x.slot2Left, y.topEdge, x.slot1Right, y.topEdge);
    cut(x.slot2Left, y.topFold, x.slot2Left, y.topEdge);
    cut(x.topFlap4Right, y.topEdge, x.topFlap4Right, y.glueTop);
    cut(x.slot3Right, y.topEdge, x.slot3Right, y.topFold);
    cut(x.topFlap4Right, y.topEdge, x.slot3Right, y.topEdge);
    cut(x.flap1Left, y.topEdge, x.flap1Left, slantTop);
    cut(x.leftEdge, glueUpperEnd, x.leftEdge, y.glueFoot);
    cut(x.flap1Left, slantTop, x.leftEdge, glueUpperEnd);
    const ElementId flap4Slope = cut(notch3Right, fold, x.flap4SlopeFoot, y.flapEdge);
    const ElementId flap4Right = cut(x.rightEdge, y.rightEdgeFoot, x.flap4Corner, y.flapEdge);
    const ElementId flap4Bottom = cut(x.flap4Corner, y.flapEdge, x.flap4SlopeFoot, y.flapEdge);

    // Dimensions: panels and overall length under the bottom, heights on the right.
    lockCaseDimensions(d, T);

    // Rounded corners of the lock tabs, kept small on a narrow case.
    pen.setKind(kind::Cut);
    const float radius = std::clamp(T.W / 60, 1.0f, 5.0f);
    fillet(d, lockRight, lockBottom, radius);
    fillet(d, flap4Right, flap4Bottom, radius);
    fillet(d, flap4Bottom, flap4Slope, radius);
    fillet(d, flap2Slope, flap2Bottom, radius);
    fillet(d, tab3Bottom, tab3Side, radius);
}

}  // namespace

void Fco0701(Model& m, Drawing& d) {
    drawLockCase(m, d);
}

}  // namespace brontaxe
