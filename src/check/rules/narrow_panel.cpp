// A panel or flap between two parallel creases too narrow for the board to fold twice: below
// three thicknesses the two folds crush into one. Two creases up to two thicknesses apart are
// one fold of half a turn scored twice (a wall folded over itself), and are left alone.

#include <algorithm>
#include <cmath>
#include <utility>

#include "check/rules/rules.h"
#include "drawing/tolerances.h"

namespace brontaxe::check {
namespace {

struct FoldLine {
    const Stroke* stroke;
    Point from, along;  // a unit vector
    double length;
};

// The pairs of folds (i < j) that may stand more than `nearest` and
// less than `farthest` apart side by side: level folds by their height, upright ones by their
// abscissa, slanted ones all against all (they are few). Folds on one line, and folds far
// apart, are never compared.
Pairs foldsApart(const std::pmr::vector<FoldLine>& folds, double nearest, double farthest) {
    std::pmr::memory_resource* scratch = folds.get_allocator().resource();
    std::pmr::vector<std::pair<double, std::size_t>> level(scratch), upright(scratch);
    std::pmr::vector<std::size_t> slanted(scratch);
    for (std::size_t k = 0; k < folds.size(); ++k) {
        const Point u = folds[k].along;
        if (std::fabs(u.y) < kRoundingNoise)
            level.emplace_back(folds[k].from.y, k);
        else if (std::fabs(u.x) < kRoundingNoise)
            upright.emplace_back(folds[k].from.x, k);
        else
            slanted.push_back(k);
    }
    Pairs pairs(scratch);
    for (auto* row : {&level, &upright}) {
        std::sort(row->begin(), row->end());
        for (auto k = row->begin(); k != row->end(); ++k)
            for (auto l = std::upper_bound(k + 1, row->end(),
                                           std::pair{k->first + nearest, folds.size()});
                 l != row->end() && l->first < k->first + farthest; ++l)
                pairs.push_back(std::minmax(k->second, l->second));
    }
    for (std::size_t k = 0; k < slanted.size(); ++k)
        for (std::size_t l = k + 1; l < slanted.size(); ++l)
            pairs.emplace_back(slanted[k], slanted[l]);
    return pairs;
}

// The stretch two parallel folds share, seen across: their distance apart and how long they
// run side by side.
struct SideBySide {
    double apart = 0;
    double shared = 0;
};

SideBySide sideBySide(const FoldLine& a, const FoldLine& b) {
    const double d1 = cross(a.along, b.stroke->start() - a.from);
    const double d2 = cross(a.along, b.stroke->end() - a.from);
    if (std::fabs(d1 - d2) > kJoinTolerance)
        return {};  // not parallel
    const double t1 = dot(a.along, b.stroke->start() - a.from);
    const double t2 = dot(a.along, b.stroke->end() - a.from);
    const double lo = std::max(0.0, std::min(t1, t2));
    const double hi = std::min(a.length, std::max(t1, t2));
    return {std::fabs(d1), hi - lo};
}

}  // namespace

void findNarrowPanels(const CheckInput& in, Findings& out) {
    const double least = 3 * in.options.thickness;
    const double doubleScore = 2 * in.options.thickness;
    std::pmr::vector<FoldLine> folds(in.scratch);
    for (const Stroke& s : in.strokes)
        if (isFold(s.kind) && !s.isArc())
            folds.push_back({&s, s.start(), s.along, s.length});
    const std::size_t firstFound = out.size();
    for (const auto& [i, j] :
         foldsApart(folds, doubleScore + kJoinTolerance, least - kJoinTolerance)) {
        const SideBySide pair = sideBySide(folds[i], folds[j]);
        // Folds on one line are one hinge; the overlap rule reads those.
        if (pair.apart <= doubleScore + kJoinTolerance || pair.apart >= least - kJoinTolerance ||
            pair.shared <= kJoinTolerance)
            continue;
        const Stroke& a = *folds[i].stroke;
        const Stroke& b = *folds[j].stroke;
        out.push_back(finding(FindingKind::NarrowPanel, {a.id, b.id}, a.start(),
                              "Panneau étroit : " + millimetres(pair.apart) + " entre " + named(a) +
                                  " et " + named(b) + " (moins de " + millimetres(least) +
                                  ", trois épaisseurs)"));
    }
    // Listed in drawing order, as the other findings are.
    std::sort(out.begin() + static_cast<std::ptrdiff_t>(firstFound), out.end(),
              [](const Finding& a, const Finding& b) { return a.elements < b.elements; });
}

}  // namespace brontaxe::check
