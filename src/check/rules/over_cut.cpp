// A cut that should stop on a crease line but runs on into the next panel: the slot between
// two flaps cut past their hinge into the wall. Told from a cut that crosses the line on
// purpose (a tab cut across a fold) by its length beyond the line, and from a slot that runs
// from a hinge across the folds of the flaps it parts (a double score, a wall folded over) by
// where it ends.

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>

#include "check/rules/rules.h"

namespace brontaxe::check {
namespace {

// The straight folds of the blank.
using Folds = std::pmr::vector<const Stroke*>;

double squaredDistance(Point a, Point b) {
    return dot(a - b, a - b);
}

// Past the crease line by this much or less, the cut stops on it (rounding, the rule's width).
constexpr double kOverCutTolerance = 0.5;
// Past the line by more than this, the cut crosses it on purpose.
constexpr double kOverCutReach = 15.0;
// The hinge must go on past the cut within this distance: beyond it, the cut is the edge of
// the blank, not a slot between two flaps on one hinge.
constexpr double kHingeReach = 30.0;

// Whether another fold lies on the line of `fold` beyond the cut, on the other side of it.
bool hingeGoesOn(const Folds& folds, const Stroke& fold, const Stroke& cut, Point where) {
    const Point along = fold.along;
    const Point cutDir = cut.end() - cut.start();
    const Point foldSide = within(where, fold.start(), kCheckTolerance) ? fold.end() : fold.start();
    const double side = cross(cutDir, foldSide - where);
    return std::any_of(folds.begin(), folds.end(), [&](const Stroke* other) {
        const Stroke& g = *other;
        if (&g == &fold)
            return false;
        if (std::fabs(cross(along, g.start() - where)) > kCheckTolerance ||
            std::fabs(cross(along, g.end() - where)) > kCheckTolerance)
            return false;
        const Point nearEnd = squaredDistance(g.start(), where) < squaredDistance(g.end(), where)
                                  ? g.start()
                                  : g.end();
        return within(nearEnd, where, kHingeReach) && cross(cutDir, nearEnd - where) * side < 0;
    });
}

// Whether either end of the cut lies on a fold parallel to `fold`: the cut then runs from a
// hinge of its own, parting two flaps, and `fold` is one of their further folds (the second
// line of a double score, the rim of a wall folded over); crossing it is the cut's purpose,
// whichever end is nearer. A fold across the cut's end (the panels' corner) does not count.
bool runsFromParallelFold(const Folds& folds, const Stroke& fold, const Stroke& cut) {
    return std::any_of(folds.begin(), folds.end(), [&](const Stroke* other) {
        const Stroke& g = *other;
        return &g != &fold && std::fabs(cross(fold.along, g.along)) < 0.1 &&
               (g.passesThrough(cut.start(), kCheckTolerance) ||
                g.passesThrough(cut.end(), kCheckTolerance));
    });
}

}  // namespace

void findOverCuts(const CheckInput& in, Findings& out) {
    Folds folds(in.scratch);
    for (const Stroke& s : in.strokes)
        if (isFold(s.kind) && !s.isArc())
            folds.push_back(&s);
    std::set<std::int32_t> reported;
    for (const auto& [i, j] : in.pairs) {
        const Stroke& s = in.strokes[i];
        const Stroke& t = in.strokes[j];
        const bool sCut = s.kind == kind::Cut;
        if (sCut == (t.kind == kind::Cut))
            continue;
        const Stroke& cut = sCut ? s : t;
        const Stroke& fold = sCut ? t : s;
        if (!isFold(fold.kind) || cut.isArc() || fold.isArc() || reported.count(cut.id.value))
            continue;
        if (std::fabs(cross(cut.along, fold.along)) < 0.1)
            continue;  // along the cut, not met by it
        for (const Point end : {fold.start(), fold.end()}) {
            if (!cut.passesThrough(end, kCheckTolerance) || cut.isEndPoint(end, kCheckTolerance))
                continue;
            const double toStart = distance(end, cut.start());
            const double toEnd = distance(end, cut.end());
            const double past = std::min(toStart, toEnd);
            if (past <= kOverCutTolerance || past > kOverCutReach ||
                !hingeGoesOn(folds, fold, cut, end) || runsFromParallelFold(folds, fold, cut))
                continue;
            const Point tip = toStart < toEnd ? cut.start() : cut.end();
            out.push_back(finding(FindingKind::OverCut, {cut.id, fold.id}, tip,
                                  "Coupe trop longue : " + named(cut) + " dépasse " + named(fold) +
                                      " de " + number(past) + " mm en " + at(tip)));
            reported.insert(cut.id.value);
            break;
        }
    }
}

}  // namespace brontaxe::check
