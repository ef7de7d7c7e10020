#include "workbench/nesting_imposition.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "drawing/tolerances.h"

namespace brontaxe {
namespace {

double nestingMarginFactor(const ImpositionSettings& s) {
    return s.ChkCentre ? 2.0 : 1.0;
}

NestingOffer offerOf(const Model& m, const ImpositionSettings& s, Arrangement a, double sheetX,
                     double sheetY) {
    NestingOffer o;
    Model grid = m;
    grid.ImposManuelle = true;
    grid.FmtCartonX = static_cast<float>(sheetX);
    grid.FmtCartonY = static_cast<float>(sheetY);
    computeImposition(grid, s);
    // A count of 0 reads as 1 on the grid: a blank larger than the sheet fits none.
    const double f = nestingMarginFactor(s);
    const bool fits =
        m.HorsToutX <= sheetX - m.Marges[0] * f && m.HorsToutY <= sheetY - m.Marges[1] * f;
    o.gridPoses = fits ? grid.NbPoses : 0;
    if (fits) {
        const WasteFigures w = imposedWaste(grid);
        o.gridUsedX = w.ImpX;
        o.gridUsedY = w.ImpY;
        o.gridWaste = w.PerteFormat;
    }
    o.sheetX = sheetX;
    o.sheetY = sheetY;
    o.usedX = a.used.width();
    o.usedY = a.used.height();
    const double sheet = sheetX * sheetY;
    if (m.SurfDecoupee > 0 && sheet > 0)
        o.sheetWaste = (sheet - double{m.SurfDecoupee} * a.poses.size()) / sheet * 100;
    o.arrangement = std::move(a);
    return o;
}

// The poses in the drawing: the blank itself is the first, turned in place when the
// pattern turns it; every other pose is a copy turned and moved from it.
void drawNestedPoses(Drawing& d, const Arrangement& a) {
    const NestPose first = a.poses.front();
    if (first.turn != 0)
        d.TransformRange(d.firstId(), d.lastId(), Transform::turn(first.turn));
    const Box blank = d.extents();
    for (std::size_t k = 1; k < a.poses.size(); ++k) {
        const int turn = (a.poses[k].turn - first.turn + 360) % 360;
        const Point move = a.poses[k].at - first.at;
        d.addPoses({.step = rotate(move, -turn), .angle = static_cast<double>(turn)});
    }
    // No other pose reaches left of the first one or below it: its chains standing right of it
    // or above it go to those sides, clear of every pose.
    if (a.poses.size() > 1)
        moveChainsOutside(d, blank, true, true);
}

}  // namespace

bool keepsFluteDirection(std::string_view code) {
    // Pads and the cross divider: a plain panel, as strong one way as the other.
    for (std::string_view free : {"0901", "0902", "0933"})
        if (code == free)
            return false;
    return true;
}

bool quarterTurnsAllowed(const Model& m, const ImpositionSettings& s) {
    return s.quarterTurns || !keepsFluteDirection(m.CodeModele);
}

NestBoard sheetBoard(const Model& m, const ImpositionSettings& s) {
    const double f = nestingMarginFactor(s);
    return {.width = m.FmtCartonX - m.Marges[0] * f,
            .length = m.FmtCartonY - m.Marges[1] * f,
            .gapX = std::max(0.0f, m.EspPoseX),
            .gapY = std::max(0.0f, m.EspPoseY),
            .quarterTurns = quarterTurnsAllowed(m, s)};
}

std::optional<NestingOffer> offerNesting(const Model& m, const Drawing& d,
                                         const ImpositionSettings& s, bool roll) {
    const NestBoard board = sheetBoard(m, s);
    std::optional<Arrangement> a = bestArrangement(blankContour(d), board);
    if (!a)
        return std::nullopt;
    const double f = nestingMarginFactor(s);
    // A roll is cut after the poses, in whole millimetres as the sheet boxes keep them.
    const double length = roll ? std::ceil(a->used.height() + m.Marges[1] * f) : m.FmtCartonY;
    NestingOffer o = offerOf(m, s, std::move(*a), m.FmtCartonX, length);
    o.quarterTurns = board.quarterTurns;
    return o;
}

std::optional<NestingOffer> offerSmallestSheet(const Model& m, const Drawing& d,
                                               const ImpositionSettings& s, int count,
                                               std::optional<double> rollWidth) {
    const double f = nestingMarginFactor(s);
    SmallestBoardQuery q{.count = count,
                         .gapX = std::max(0.0f, m.EspPoseX),
                         .gapY = std::max(0.0f, m.EspPoseY),
                         .marginsX = m.Marges[0] * f,
                         .marginsY = m.Marges[1] * f,
                         .rollWidth = {},
                         .quarterTurns = quarterTurnsAllowed(m, s)};
    if (rollWidth)
        q.rollWidth = *rollWidth - q.marginsX;
    std::optional<Arrangement> a = smallestBoard(blankContour(d), q);
    if (!a)
        return std::nullopt;
    // Whole millimetres, as the sheet boxes keep them, rounded up so that every pose stays on.
    const double x = rollWidth ? *rollWidth : std::ceil(a->used.width() + q.marginsX);
    const double y = std::ceil(a->used.height() + q.marginsY);
    NestingOffer o = offerOf(m, s, std::move(*a), x, y);
    o.quarterTurns = q.quarterTurns;
    return o;
}

void takeNesting(Model& m, ImpositionSettings& s, const NestingOffer& offer) {
    s.AvecImpos = true;
    m.ImposManuelle = true;
    m.FmtCartonX = static_cast<float>(std::ceil(offer.sheetX - kSizeNoise));
    m.FmtCartonY = static_cast<float>(std::ceil(offer.sheetY - kSizeNoise));
}

ImpositionNotices imposeNested(Model& m, Drawing& d, const ImpositionSettings& s,
                               const NestPattern& pattern, Arrangement* laid) {
    ImpositionNotices notices;
    const double f = nestingMarginFactor(s);
    const std::vector<Ring> blank = blankContour(d);
    Arrangement a;
    if (m.ImposManuelle) {
        if (m.FmtCartonX <= 0 || m.FmtCartonY <= 0) {
            m.FmtCartonX = 2 * m.Marges[0] + m.HorsToutX;
            m.FmtCartonY = 2 * m.Marges[1] + m.HorsToutY;
        }
        a = arrange(blank, pattern, sheetBoard(m, s));
    } else {
        const NestBoard gaps = sheetBoard(m, s);
        a = arrangeCounts(blank, pattern, gaps.gapX, gaps.gapY, std::max<int>(1, m.NbPoseX),
                          std::max<int>(1, m.NbPoseY));
        m.FmtCartonX = static_cast<float>(a.used.width() + m.Marges[0] * f);
        m.FmtCartonY = static_cast<float>(a.used.height() + m.Marges[1] * f);
    }
    if (a.poses.empty()) {
        notices.push_back(
            "Aucune pose de l'imposition optimisée ne tient sur le format : "
            "poses en grille simple");
        ImpositionNotices more = computeImposition(m, s);
        if (s.AvecImpos)
            more = drawImposition(m, d, s);
        notices.insert(notices.end(), more.begin(), more.end());
        return notices;
    }
    if (laid)
        *laid = a;
    m.NbPoseX = static_cast<std::int16_t>(a.columns);
    m.NbPoseY = static_cast<std::int16_t>(a.rows);
    m.NbPoses = static_cast<std::int16_t>(a.poses.size());
    m.ImposeeX = static_cast<float>(a.used.width());
    m.ImposeeY = static_cast<float>(a.used.height());
    if (!s.AvecImpos)
        return notices;
    d.BeginDrawing();
    const auto poses = static_cast<std::int64_t>(a.poses.size());
    if (std::int64_t{d.ElementCount()} * poses > kMaxImposedElements) {
        notices.push_back("Imposition trop grande pour être dessinée (" + std::to_string(poses) +
                          " poses de " + std::to_string(d.ElementCount()) +
                          " éléments) : seule la première pose est dessinée");
    } else {
        d.reserveElements(static_cast<std::size_t>(d.ElementCount() * poses + 1));
        drawNestedPoses(d, a);
    }
    addSheet(m, d, s);
    d.EndDrawing();
    return notices;
}

}  // namespace brontaxe
