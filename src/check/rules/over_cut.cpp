// A cut that should stop on a crease line but runs on into the next panel: the slot between
// two flaps cut past their hinge into the wall. Told from a cut that crosses the line on
// purpose (a tab cut across a fold) by its length beyond the line, and from a slot that runs
// from a hinge across the folds of the flaps it parts (a double score, a wall folded over) by
// where it ends.

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <optional>
#include <unordered_set>
#include <vector>

#include "check/rules/rules.h"
#include "drawing/box_grid.h"

namespace brontaxe::check {
namespace {

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
constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// The straight folds of the blank, found by where they lie, and the blank each fold end rests
// on: the cuts joined end to end or end on side into one outline, numbered.
class Folds {
  public:
    explicit Folds(const CheckInput& in) : in_(in), grid_(foldBoxes(in)) {
        std::pmr::vector<std::size_t> parent(in.strokes.size(), in.scratch);
        std::iota(parent.begin(), parent.end(), std::size_t{0});
        const auto root = [&parent](std::size_t i) {
            while (parent[i] != i)
                i = parent[i] = parent[parent[i]];
            return i;
        };
        for (const auto& [i, j] : in.pairs) {
            const Stroke& s = in.strokes[i];
            const Stroke& t = in.strokes[j];
            if (s.kind == kind::Cut && t.kind == kind::Cut &&
                (t.passesThrough(s.start(), kJoinTolerance) ||
                 t.passesThrough(s.end(), kJoinTolerance) ||
                 s.passesThrough(t.start(), kJoinTolerance) ||
                 s.passesThrough(t.end(), kJoinTolerance)))
                parent[root(i)] = root(j);
        }
        blank_.assign(in.strokes.size(), kNone);
        for (std::size_t i = 0; i < in.strokes.size(); ++i)
            if (in.strokes[i].kind == kind::Cut)
                blank_[i] = root(i);
        restsOn_.assign(in.strokes.size(), {kNone, kNone});
        for (const auto& [i, j] : in.pairs) {
            for (const auto& [f, c] : {std::pair{i, j}, std::pair{j, i}}) {
                const Stroke& fold = in.strokes[f];
                const Stroke& cut = in.strokes[c];
                if (!isStraightFold(fold) || cut.kind != kind::Cut)
                    continue;
                if (cut.passesThrough(fold.start(), kJoinTolerance))
                    restsOn_[f][0] = blank_[c];
                if (cut.passesThrough(fold.end(), kJoinTolerance))
                    restsOn_[f][1] = blank_[c];
            }
        }
    }

    static bool isStraightFold(const Stroke& s) { return isFold(s.kind) && !s.isArc(); }

    // Whether another fold lies on the line of `fold` beyond the cut, on the other side of it,
    // in the same blank: its near end rests on the cut's own outline (or on no cut), not on
    // the outline of the next blank across the gap of a sheet of several.
    bool hingeGoesOn(const Stroke& fold, const Stroke& cut, std::size_t cutIndex,
                     Point where) const {
        const Point along = fold.along;
        const Point cutDir = cut.end() - cut.start();
        const Point foldSide =
            within(where, fold.start(), kJoinTolerance) ? fold.end() : fold.start();
        const double side = cross(cutDir, foldSide - where);
        bool found = false;
        grid_.visit(BoxGrid::around(where, kHingeReach), [&](std::size_t k) {
            const Stroke& g = in_.strokes[k];
            if (found || &g == &fold || !isStraightFold(g))
                return;
            if (std::fabs(cross(along, g.start() - where)) > kJoinTolerance ||
                std::fabs(cross(along, g.end() - where)) > kJoinTolerance)
                return;
            const bool startNearer =
                squaredDistance(g.start(), where) < squaredDistance(g.end(), where);
            const Point nearEnd = startNearer ? g.start() : g.end();
            const std::size_t rests = restsOn_[k][startNearer ? 0 : 1];
            found = within(nearEnd, where, kHingeReach) &&
                    cross(cutDir, nearEnd - where) * side < 0 &&
                    (rests == kNone || rests == blank_[cutIndex]);
        });
        return found;
    }

    // Whether either end of the cut lies on a fold parallel to `fold`: the cut then runs from a
    // hinge of its own, parting two flaps, and `fold` is one of their further folds (the second
    // line of a double score, the rim of a wall folded over); crossing it is the cut's purpose,
    // whichever end is nearer. A fold across the cut's end (the panels' corner) does not count.
    bool runsFromParallelFold(const Stroke& fold, const Stroke& cut) const {
        bool found = false;
        for (const Point end : {cut.start(), cut.end()}) {
            grid_.visit(BoxGrid::around(end, kJoinTolerance), [&](std::size_t k) {
                const Stroke& g = in_.strokes[k];
                found = found || (&g != &fold && isStraightFold(g) &&
                                  std::fabs(cross(fold.along, g.along)) < 0.1 &&
                                  g.passesThrough(end, kJoinTolerance));
            });
        }
        return found;
    }

  private:
    static std::vector<Box> foldBoxes(const CheckInput& in) {
        std::vector<Box> boxes(in.strokes.size());
        for (std::size_t i = 0; i < in.strokes.size(); ++i)
            if (isStraightFold(in.strokes[i]))
                boxes[i] = in.strokes[i].box;
        return boxes;
    }

    const CheckInput& in_;
    BoxGrid grid_;
    std::vector<std::size_t> blank_;                   // each cut's outline
    std::vector<std::array<std::size_t, 2>> restsOn_;  // the outline under each fold end
};

}  // namespace

void findOverCuts(const CheckInput& in, Findings& out) {
    // Built for the first cut that runs past a fold's end: most blanks have none.
    std::optional<Folds> folds;
    std::unordered_set<std::int32_t> reported;
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
            if (!cut.passesThrough(end, kJoinTolerance) || cut.isEndPoint(end, kJoinTolerance))
                continue;
            const double toStart = distance(end, cut.start());
            const double toEnd = distance(end, cut.end());
            const double past = std::min(toStart, toEnd);
            if (past <= kOverCutTolerance || past > kOverCutReach)
                continue;
            if (!folds)
                folds.emplace(in);
            if (!folds->hingeGoesOn(fold, cut, sCut ? i : j, end) ||
                folds->runsFromParallelFold(fold, cut))
                continue;
            const Point tip = toStart < toEnd ? cut.start() : cut.end();
            out.push_back(finding(FindingKind::OverCut, {cut.id, fold.id}, tip,
                                  "Coupe trop longue : " + named(cut) + " dépasse " + named(fold) +
                                      " de " + millimetres(past) + " en " + at(tip)));
            reported.insert(cut.id.value);
            break;
        }
    }
}

}  // namespace brontaxe::check
