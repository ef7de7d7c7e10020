#include <algorithm>
#include <array>
#include <cmath>

#include "check/rules/rules.h"

namespace brontaxe::check {
namespace {

// A relief cut: a straight cut from a fold's end onwards along the fold's line, so that the
// fold bends clear of the board beyond it. Its far end may stop in the board.
bool isReliefCut(const Stroke& cut, Point freeEnd, const std::pmr::vector<const Stroke*>& folds) {
    if (cut.isArc())
        return false;
    const Point from = within(freeEnd, cut.start(), kCheckTolerance) ? cut.end() : cut.start();
    const Point along = freeEnd - from;
    return std::any_of(folds.begin(), folds.end(), [&](const Stroke* f) {
        const bool fromItsEnd =
            within(from, f->start(), kCheckTolerance) || within(from, f->end(), kCheckTolerance);
        const Point dir = f->end() - f->start();
        return fromItsEnd && std::fabs(cross(along, dir)) <= kCheckTolerance * length(dir);
    });
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
                if (within(endOf(strokes[i], a), endOf(strokes[j], b), kCheckTolerance))
                    met[i][a] = met[j][b] = true;
    };
    for (std::size_t i = 0; i < strokes.size(); ++i)
        if (strokes[i].kind == kind::Cut &&
            within(strokes[i].start(), strokes[i].end(), kCheckTolerance))
            met[i] = {true, true};
    for (const auto& [i, j] : in.pairs)
        if (strokes[i].kind == kind::Cut && strokes[j].kind == kind::Cut)
            meet(i, j);
    std::pmr::vector<const Stroke*> folds(in.scratch);
    for (const Stroke& s : strokes)
        if (isFold(s.kind) && !s.isArc())
            folds.push_back(&s);
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
            const bool onAFold = std::any_of(strokes.begin(), strokes.end(), [&](const Stroke& f) {
                return isFold(f.kind) && !f.isArc() && f.isEndPoint(p, kCheckTolerance);
            });
            if (onAFold || isReliefCut(cut, p, folds))
                continue;
            out.push_back(finding(FindingKind::OpenOutline, {cut.id}, p,
                                  "Contour ouvert : l'extrémité de la coupe " + no(cut.id) +
                                      " en " + at(p) + " ne rejoint aucune autre coupe"));
        }
    }
}

}  // namespace brontaxe::check
