// 0711: the case whose crash-lock bottom is drawn from the table of levels, under the four
// flaps of a slotted case. Its bottom's four flaps are all shaped: the lock flap of panel 1,
// as deep as the tabs it hooks behind; the flaps of panels 2 and 3, whose tabs are glued across
// the corners the case folds flat on; the flap of panel 4, its side sloped to clear tab 3. The
// glue flap goes on a width panel when asked.

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "builders/emit.h"
#include "drawing/pen_scope.h"
#include "styles/07/fco700.h"
#include "styles/07/fco700_common.h"
#include "styles/07/fco700_point_table.h"
#include "styles/blank_settings.h"

namespace brontaxe {
namespace {

// The edges of the bottom whose corners are rounded.
struct BottomCorners {
    ElementId lockRight, lockBottom;
    ElementId tab2Bottom, tab2Side;
    ElementId flap2Bottom, flap2Slope;
    ElementId tab3Side, tab3Bottom;
    ElementId flap4Slope, flap4Bottom, flap4Right;
};

ElementId cut(Drawing& d, float x1, float y1, float x2, float y2) {
    const PenScope pen(d, kind::Cut);
    return line(d, x1, y1, x2, y2);
}

void lockCaseCrease(Drawing& d, float x1, float y1, float x2, float y2) {
    const PenScope pen(d, kind::Crease);
    line(d, x1, y1, x2, y2);
}

// A cut along the bottom fold from `from` to `to`, parted where a side ends on it.
void cutAlongFold(Drawing& d, float fold, float from, float side, float to) {
    if (side != from && side != to)
        cut(d, from, fold, side, fold);
    cut(d, side != to ? side : from, fold, to, fold);
}

// The bottom's outline from the glue flap's lower end to the right edge's, left to right.
BottomCorners bottomOutline(Drawing& d, const LockTable& T, const LockBottomEnds& e) {
    const auto& x = T.x;
    const auto& y = T.y;
    const float fold = y.bottomFold;
    BottomCorners c{};
    cut(d, x.leftEdge, y.glueFoot, x.flap1Left, fold);
    // The lock flap of panel 1, and the notch between it and tab 2.
    cut(d, x.flap1Left, fold, x.flap1Left, y.bottomEdge);
    c.lockBottom = cut(d, x.flap1Left, y.bottomEdge, x.lockRight, y.bottomEdge);
    c.lockRight = cut(d, x.lockRight, y.bottomEdge, x.lockRight, y.hookTip);
    cut(d, x.lockRight, y.hookTip, e.notch1Left, fold);
    cutAlongFold(d, fold, e.notch1Left, e.notch1Right, e.notch1FoldEnd);
    // Tab 2 and its hook, flap 2, the slit over fold 2-3.
    cut(d, e.notch1Right, fold, x.tab2Hook, y.hookTip);
    cut(d, x.tab2Hook, y.hookTip, x.tab2Throat, y.hookThroat);
    cut(d, x.tab2Throat, y.hookThroat, e.tab2End, y.tabEdge);
    c.tab2Bottom = cut(d, e.tab2End, y.tabEdge, x.tab2LowerRight, y.tabEdge);
    c.tab2Side = cut(d, x.tab2LowerRight, y.tabEdge, x.flap2Corner, y.flapEdge);
    c.flap2Bottom = cut(d, x.flap2Corner, y.flapEdge, x.flap2SlopeFoot, y.flapEdge);
    c.flap2Slope = cut(d, x.flap2SlopeFoot, y.flapEdge, e.slitLeft, fold);
    cutAlongFold(d, fold, e.slitFoldEnd, e.slitLeft, x.slit);
    cut(d, x.slit, fold, x.slit, y.flapEdge);
    // Flap 3, tab 3 and its hook, the notch between it and flap 4.
    cut(d, x.slit, y.flapEdge, x.flap3Corner, y.flapEdge);
    c.tab3Side = cut(d, x.flap3Corner, y.flapEdge, x.tab3LowerLeft, y.tabEdge);
    c.tab3Bottom = cut(d, x.tab3LowerLeft, y.tabEdge, e.tab3Start, y.tabEdge);
    cut(d, e.tab3Start, y.tabEdge, x.tab3Throat, y.hookThroat);
    cut(d, x.tab3Throat, y.hookThroat, x.tab3Hook, y.hookTip);
    cut(d, x.tab3Hook, y.hookTip, e.notch3Left, fold);
    cutAlongFold(d, fold, e.notch3FoldEnd, e.notch3Left, e.notch3Right);
    // Flap 4, up to the right edge half a slot above the bottom fold.
    c.flap4Slope = cut(d, e.notch3Right, fold, x.flap4SlopeFoot, y.flapEdge);
    c.flap4Bottom = cut(d, x.flap4SlopeFoot, y.flapEdge, x.flap4Corner, y.flapEdge);
    c.flap4Right = cut(d, x.flap4Corner, y.flapEdge, x.rightEdge, y.rightEdgeFoot);
    return c;
}

// The bottom's folds: the lock flap's, the glued tabs' from their corners, the bottom fold
// between the cuts that end on it.
void bottomFolds(Drawing& d, const LockTable& T, const LockBottomEnds& e) {
    const auto& x = T.x;
    const auto& y = T.y;
    const float fold = y.bottomFold;
    lockCaseCrease(d, x.lockFoldFoot, y.bottomEdge, x.lockRight, e.lockFoldTop);
    lockCaseCrease(d, x.tab2Hook, y.hookTip, x.flap2Corner, y.flapEdge);
    lockCaseCrease(d, x.flap3Corner, y.flapEdge, x.tab3Hook, y.hookTip);
    lockCaseCrease(d, x.flap1Left, fold, e.notch1Left, fold);
    lockCaseCrease(d, e.notch1FoldEnd, fold, e.slitFoldEnd, fold);
    lockCaseCrease(d, x.slit, fold, e.notch3FoldEnd, fold);
    lockCaseCrease(d, e.notch3Right, fold,
                   atLevel(x.rightEdge, y.rightEdgeFoot, x.flap4Corner, y.flapEdge, fold), fold);
}

// The top of a slotted case: a slot at each panel fold, its halves alternating as the slotted
// cases' do (`slotHalfWidths`), square at the top fold; four flaps as deep as the table's top;
// the glue flap's end tapered from its half slot, `glueFlapShort` below the top fold.
void lockCaseSlottedTop(Model& m, Drawing& d, const LockTable& T) {
    const auto& x = T.x;
    const auto& y = T.y;
    const std::pair<float, float> halves = slotHalfWidths(m);
    const float a = halves.first, b = halves.second;
    const std::array<float, 4> folds{x.glueFold, x.fold12, x.fold23, x.fold34};
    auto leftHalf = [&](std::size_t i) { return i % 2 == 0 ? a : b; };
    auto rightHalf = [&](std::size_t i) { return i % 2 == 0 ? b : a; };
    // Panel folds and the top folds between the slots.
    for (std::size_t i = 1; i < folds.size(); ++i)
        lockCaseCrease(d, folds[i], y.bottomFold, folds[i], y.topFold);
    for (std::size_t i = 0; i < folds.size(); ++i) {
        const float end = i + 1 < folds.size() ? folds[i + 1] - leftHalf(i + 1) : x.rightEdge;
        lockCaseCrease(d, folds[i] + rightHalf(i), y.topFold, end, y.topFold);
    }
    // The flaps' outline from the right edge's foot round to the glue flap's fold.
    const PenScope pen(d, kind::Cut);
    chainStart(d, x.rightEdge, y.rightEdgeFoot);
    lineTo(d, x.rightEdge, y.topEdge);
    for (std::size_t i = folds.size() - 1; i >= 1; --i) {
        lineTo(d, folds[i] + rightHalf(i), y.topEdge);
        lineTo(d, folds[i] + rightHalf(i), y.topFold);
        lineTo(d, folds[i] - leftHalf(i), y.topFold);
        lineTo(d, folds[i] - leftHalf(i), y.topEdge);
    }
    lineTo(d, x.glueFold + rightHalf(0), y.topEdge);
    lineTo(d, x.glueFold + rightHalf(0), y.topFold);
    lineTo(d, x.glueFold, y.topFold);
    // The glue flap: its upper end tapered by the slotted cases' angle, its left edge, its fold.
    const float top = y.glueTop;
    const float drop =
        std::min((x.glueFold - a) * std::tan(m.anglPc * kRadiansPerDegree), (top - y.glueFoot) / 2);
    if (top < y.topFold)
        cut(d, x.glueFold, y.topFold, x.glueFold, top);
    if (a > 0)
        cut(d, x.glueFold, top, x.glueFold - a, top);
    cut(d, x.glueFold - a, top, x.leftEdge, top - drop);
    cut(d, x.leftEdge, top - drop, x.leftEdge, y.glueFoot);
    lockCaseCrease(d, x.glueFold,
                   atAbscissa(x.leftEdge, y.glueFoot, x.flap1Left, y.bottomFold, x.glueFold),
                   x.glueFold, std::min(top, y.topFold));
}

// Panels and overall length under the bottom, clear of its flaps; on the left the depth of the
// flaps of panels 2 to 4 and of the tabs glued under them, on the right the heights.
void dimensions(Drawing& d, const LockTable& T) {
    const auto& x = T.x;
    const auto& y = T.y;
    const PenScope pen(d, kind::Text);  // dimensions take the text kind
    lockCaseDimensions(d, T);
    const float left = x.leftEdge - 80;
    for (auto [from, to] : {std::pair{y.tabEdge, y.flapEdge}, {y.flapEdge, y.bottomFold}})
        dimension(d, {.from = {left, from}, .to = {left, to}, .at = {left, 0}});
}

}  // namespace

void Fco0711(Model& m, Drawing& d) {
    refusePieceVariants(m);
    const LockTable T = lockTable(m, LockVariant::Fco0711);
    const LockBottomEnds e = lockBottomEnds(T);
    GenerationPass pass(d);
    const BottomCorners c = bottomOutline(d, T, e);
    bottomFolds(d, T, e);
    lockCaseSlottedTop(m, d, T);
    dimensions(d, T);
    // Rounded corners of the lock flap, the tabs and flaps 2 and 4, kept small on a narrow
    // case.
    const PenScope pen(d, kind::Cut);
    const float radius = std::clamp(T.W / 60, 1.0f, 5.0f);
    for (auto [first, second] : {std::pair{c.lockRight, c.lockBottom},
                                 {c.tab2Bottom, c.tab2Side},
                                 {c.flap2Slope, c.flap2Bottom},
                                 {c.tab3Bottom, c.tab3Side},
                                 {c.flap4Bottom, c.flap4Slope},
                                 {c.flap4Right, c.flap4Bottom}})
        fillet(d, first, second, radius);
}

}  // namespace brontaxe
