#include <algorithm>
#include <cmath>

#include "check/rules/rules.h"

namespace brontaxe::check {
namespace {

// A relief cut: a straight cut from a fold's end onwards along the fold's line, so that the
// fold bends clear of the board beyond it. Its far end may stop in the board.
bool isReliefCut(const Stroke& cut, Point freeEnd, const std::vector<const Stroke*>& folds) {
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

}  // namespace

void findOpenOutlines(const CheckInput& in, Findings& out) {
    std::vector<std::pair<Point, std::size_t>> cutEnds;  // an end and its stroke
    std::vector<Point> foldEnds;
    std::vector<const Stroke*> folds;
    cutEnds.reserve(2 * in.strokes.size());
    for (std::size_t k = 0; k < in.strokes.size(); ++k) {
        const Stroke& s = in.strokes[k];
        if (s.closed())
            continue;
        if (s.kind == kind::Cut) {
            cutEnds.push_back({s.start(), k});
            cutEnds.push_back({s.end(), k});
        } else if (isFold(s.kind) && !s.isArc()) {
            foldEnds.push_back(s.start());
            foldEnds.push_back(s.end());
            folds.push_back(&s);
        }
    }
    // Ends sorted along x: each one is compared with its neighbours within the tolerance.
    std::sort(cutEnds.begin(), cutEnds.end(), [](const auto& a, const auto& b) {
        return a.first.x < b.first.x || (a.first.x == b.first.x && a.second < b.second);
    });
    const std::size_t firstFound = out.size();
    for (std::size_t i = 0; i < cutEnds.size(); ++i) {
        const Point p = cutEnds[i].first;
        bool meets = false;
        for (std::size_t j = i; j-- > 0 && p.x - cutEnds[j].first.x <= kCheckTolerance && !meets;)
            meets = within(p, cutEnds[j].first, kCheckTolerance);
        for (std::size_t j = i + 1;
             j < cutEnds.size() && cutEnds[j].first.x - p.x <= kCheckTolerance && !meets; ++j)
            meets = within(p, cutEnds[j].first, kCheckTolerance);
        if (meets)
            continue;
        // A cut that ends where a fold ends leaves the board joined through the fold: the
        // corner where two folds meet, or the hinge of a push-in flap cut out of a wall.
        const bool onAFold = std::any_of(foldEnds.begin(), foldEnds.end(), [&](const Point& f) {
            return within(p, f, kCheckTolerance);
        });
        const Stroke& cut = in.strokes[cutEnds[i].second];
        if (onAFold || isReliefCut(cut, p, folds))
            continue;
        out.push_back(finding(FindingKind::OpenOutline, {cut.id}, p,
                              "Contour ouvert : l'extrémité de la coupe " + no(cut.id) + " en " +
                                  at(p) + " ne rejoint aucune autre coupe"));
    }
    // Listed in drawing order, as the other findings are.
    std::stable_sort(out.begin() + static_cast<std::ptrdiff_t>(firstFound), out.end(),
                     [](const Finding& a, const Finding& b) { return a.elements < b.elements; });
}

}  // namespace brontaxe::check
