// A panel or flap between two parallel creases too narrow for the board to fold twice: below
// three thicknesses the two folds crush into one. Two creases up to two thicknesses apart are
// one fold of half a turn scored twice (a wall folded over itself), and are left alone.

#include <algorithm>
#include <cmath>

#include "check/rules/rules.h"

namespace brontaxe::check {
namespace {

struct FoldLine {
    const Stroke* stroke;
    Point from, along;  // a unit vector
    double length;
};

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
        if (isFold(s.kind) && !s.isArc()) {
            const Point dir = s.end() - s.start();
            folds.push_back({&s, s.start(), unit(dir), length(dir)});
        }
    for (std::size_t i = 0; i < folds.size(); ++i)
        for (std::size_t j = i + 1; j < folds.size(); ++j) {
            const SideBySide pair = sideBySide(folds[i], folds[j]);
            // Folds on one line are one hinge; the overlap rule reads those.
            if (pair.apart <= doubleScore + kCheckTolerance ||
                pair.apart >= least - kCheckTolerance || pair.shared <= kCheckTolerance)
                continue;
            const Stroke& a = *folds[i].stroke;
            const Stroke& b = *folds[j].stroke;
            out.push_back(finding(FindingKind::NarrowPanel, {a.id, b.id}, a.start(),
                                  "Panneau étroit : " + number(pair.apart) + " mm entre " +
                                      named(a) + " et " + named(b) + " (moins de " + number(least) +
                                      " mm, trois épaisseurs)"));
        }
}

}  // namespace brontaxe::check
