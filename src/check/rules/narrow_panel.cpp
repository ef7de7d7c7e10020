// A panel or flap between two parallel creases too narrow for the board to fold twice: below
// three thicknesses the two folds crush into one. Two creases up to two thicknesses apart are
// one fold of half a turn scored twice (a wall folded over itself), and are left alone.

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

#include "check/rules/rules.h"

namespace brontaxe::check {
namespace {

struct FoldLine {
    const Stroke* stroke;
    Point from, along;  // a unit vector
    double length;
};

// The pairs of folds (i < j, in the drawing's order) whose boxes come within `reach`, swept
// from the left so that folds far apart are never compared.
std::vector<std::pair<std::size_t, std::size_t>> foldsWithin(const std::vector<FoldLine>& folds,
                                                             double reach) {
    std::vector<std::size_t> order(folds.size());
    std::iota(order.begin(), order.end(), 0);
    auto box = [&](std::size_t k) -> const Box& { return folds[k].stroke->box; };
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return box(a).xmin < box(b).xmin; });
    std::vector<std::pair<std::size_t, std::size_t>> pairs;
    for (std::size_t k = 0; k < order.size(); ++k)
        for (std::size_t l = k + 1;
             l < order.size() && box(order[l]).xmin <= box(order[k]).xmax + reach; ++l)
            if (boxesTouch(box(order[k]), box(order[l]), reach))
                pairs.push_back(std::minmax(order[k], order[l]));
    std::sort(pairs.begin(), pairs.end());
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
    if (std::fabs(d1 - d2) > kCheckTolerance)
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
    std::vector<FoldLine> folds;
    for (const Stroke& s : in.strokes)
        if (isFold(s.kind) && !s.isArc())
            folds.push_back({&s, s.start(), s.along, s.length});
    for (const auto& [i, j] : foldsWithin(folds, least)) {
        const SideBySide pair = sideBySide(folds[i], folds[j]);
        // Folds on one line are one hinge; the overlap rule reads those.
        if (pair.apart <= doubleScore + kCheckTolerance || pair.apart >= least - kCheckTolerance ||
            pair.shared <= kCheckTolerance)
            continue;
        const Stroke& a = *folds[i].stroke;
        const Stroke& b = *folds[j].stroke;
        out.push_back(finding(FindingKind::NarrowPanel, {a.id, b.id}, a.start(),
                              "Panneau étroit : " + number(pair.apart) + " mm entre " + named(a) +
                                  " et " + named(b) + " (moins de " + number(least) +
                                  " mm, trois épaisseurs)"));
    }
}

}  // namespace brontaxe::check
