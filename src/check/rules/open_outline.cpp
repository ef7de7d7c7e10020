#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "check/rules/rules.h"
#include "drawing/box_grid.h"

namespace brontaxe::check {
namespace {

// A relief cut: a straight cut from a fold's end onwards along the fold's line, so that the
// fold bends clear of the board beyond it. Its far end may stop in the board.
bool isReliefCut(const Stroke& cut, Point freeEnd, const std::pmr::vector<Stroke>& strokes,
                 const BoxGrid& folds) {
    if (cut.isArc())
        return false;
    const Point from = within(freeEnd, cut.start(), kJoinTolerance) ? cut.end() : cut.start();
    const Point along = freeEnd - from;
    bool relief = false;
    folds.visit(BoxGrid::around(from, kJoinTolerance), [&](std::size_t k) {
        const Stroke& f = strokes[k];
        const bool fromItsEnd =
            within(from, f.start(), kJoinTolerance) || within(from, f.end(), kJoinTolerance);
        const Point dir = f.end() - f.start();
        relief =
            relief || (fromItsEnd && std::fabs(cross(along, dir)) <= kJoinTolerance * length(dir));
    });
    return relief;
}

Point endOf(const Stroke& s, std::size_t end) {
    return end == 0 ? s.start() : s.end();
}

}  // namespace

void findOpenOutlines(const CheckInput& in, Findings& out) {
    const auto& strokes = in.strokes;
    // Whether each end of each cut meets the end of a cut: only strokes whose boxes touch can,
    // and a stroke whose ends nearly close on themselves meets itself.
    std::pmr::vector<std::array<bool, 2>> met(strokes.size(), {false, false}, in.scratch);
    const auto meet = [&](std::size_t i, std::size_t j) {
        for (std::size_t a = 0; a < 2; ++a)
            for (std::size_t b = 0; b < 2; ++b)
                if (within(endOf(strokes[i], a), endOf(strokes[j], b), kJoinTolerance))
                    met[i][a] = met[j][b] = true;
    };
    for (std::size_t i = 0; i < strokes.size(); ++i)
        if (strokes[i].kind == kind::Cut &&
            within(strokes[i].start(), strokes[i].end(), kJoinTolerance))
            met[i] = {true, true};
    for (const auto& [i, j] : in.pairs)
        if (strokes[i].kind == kind::Cut && strokes[j].kind == kind::Cut)
            meet(i, j);
    // The straight folds, found by where they lie; made for the first end left open.
    std::optional<BoxGrid> folds;
    const auto makeFolds = [&] {
        std::vector<Box> boxes(strokes.size());
        for (std::size_t i = 0; i < strokes.size(); ++i)
            if (isFold(strokes[i].kind) && !strokes[i].isArc())
                boxes[i] = strokes[i].box;
        folds.emplace(boxes);
    };
    for (std::size_t i = 0; i < strokes.size(); ++i) {
        const Stroke& cut = strokes[i];
        if (cut.kind != kind::Cut || cut.closed())
            continue;
        // Its ends listed from left to right.
        const std::size_t left = cut.end().x < cut.start().x ? 1 : 0;
        for (const std::size_t e : {left, 1 - left}) {
            if (met[i][e])
                continue;
            const Point p = endOf(cut, e);
            // A cut that ends where a fold ends leaves the board joined through the fold: the
            // corner where two folds meet, or the hinge of a push-in flap cut out of a wall.
            if (!folds)
                makeFolds();
            bool onAFold = false;
            folds->visit(BoxGrid::around(p, kJoinTolerance), [&](std::size_t k) {
                onAFold = onAFold || strokes[k].isEndPoint(p, kJoinTolerance);
            });
            if (onAFold || isReliefCut(cut, p, strokes, *folds))
                continue;
            out.push_back(finding(FindingKind::OpenOutline, {cut.id}, p,
                                  "Contour ouvert : l'extrémité de la coupe " + no(cut.id) +
                                      " en " + at(p) + " ne rejoint aucune autre coupe"));
        }
    }
}

}  // namespace brontaxe::check
