// Holes cut inside the blank (hand-holes, vents, windows) need board around them: closer to a
// crease, the crease tears into the hole when the box is folded or lifted; closer to the
// outline, the strip between them breaks. Slots and mortises no wider than three board
// thicknesses take a tab against their crease and are not holes.

#include <algorithm>
#include <limits>
#include <numeric>

#include "check/rules/rules.h"
#include "drawing/box_grid.h"

namespace brontaxe::check {
namespace {

// The cuts joined end to end (or end on side) into separate pieces of linework.
struct CutGroups {
    std::pmr::vector<std::size_t> parent;  // union-find over the strokes' indices

    CutGroups(std::size_t n, std::pmr::memory_resource* scratch) : parent(n, scratch) {
        std::iota(parent.begin(), parent.end(), 0);
    }
    std::size_t root(std::size_t i) {
        while (parent[i] != i)
            i = parent[i] = parent[parent[i]];
        return i;
    }
    void join(std::size_t a, std::size_t b) { parent[root(a)] = root(b); }
};

bool touches(const Stroke& s, const Stroke& t) {
    return t.passesThrough(s.start(), kJoinTolerance) || t.passesThrough(s.end(), kJoinTolerance) ||
           s.passesThrough(t.start(), kJoinTolerance) || s.passesThrough(t.end(), kJoinTolerance);
}

struct Group {
    std::pmr::vector<const Stroke*> strokes;
    Box box;
};

std::pmr::vector<Group> cutGroups(const CheckInput& in) {
    CutGroups groups(in.strokes.size(), in.scratch);
    for (const auto& [i, j] : in.pairs)
        if (in.strokes[i].kind == kind::Cut && in.strokes[j].kind == kind::Cut &&
            touches(in.strokes[i], in.strokes[j]))
            groups.join(i, j);
    std::pmr::vector<Group> out(in.scratch);
    std::pmr::vector<std::size_t> slot(in.strokes.size(), std::numeric_limits<std::size_t>::max(),
                                       in.scratch);
    for (std::size_t i = 0; i < in.strokes.size(); ++i) {
        if (in.strokes[i].kind != kind::Cut)
            continue;
        std::size_t& k = slot[groups.root(i)];
        if (k == std::numeric_limits<std::size_t>::max()) {
            k = out.size();
            out.push_back({.strokes = std::pmr::vector<const Stroke*>(in.scratch), .box = {}});
        }
        out[k].strokes.push_back(&in.strokes[i]);
        out[k].box.add(in.strokes[i].box);
    }
    return out;
}

bool strictlyInside(const Box& inner, const Box& outer) {
    return inner.xmin > outer.xmin + kJoinTolerance && inner.xmax < outer.xmax - kJoinTolerance &&
           inner.ymin > outer.ymin + kJoinTolerance && inner.ymax < outer.ymax - kJoinTolerance;
}

// The nearest of the strokes `accept` takes to the hole, if nearer than `reach`.
struct Nearest {
    const Stroke* hole = nullptr;
    const Stroke* other = nullptr;
    double gap = std::numeric_limits<double>::infinity();
};

// How far apart two boxes are at least: 0 when they touch.
double boxGap(const Box& a, const Box& b) {
    const double dx = std::max({0.0, a.xmin - b.xmax, b.xmin - a.xmax});
    const double dy = std::max({0.0, a.ymin - b.ymax, b.ymin - a.ymax});
    return std::max(dx, dy);
}

// The nearest of `candidates` to the hole, if nearer than `reach`.
Nearest nearestTo(const Group& hole, const std::pmr::vector<const Stroke*>& candidates,
                  double reach) {
    Nearest best;
    best.gap = reach;
    for (const Stroke* other : candidates) {
        // Only strokes whose boxes come within the reach can: most of the blank is skipped
        // before any distance is worked out.
        if (boxGap(hole.box, other->box) >= best.gap)
            continue;
        for (const Stroke* h : hole.strokes) {
            if (boxGap(h->box, other->box) >= best.gap)
                continue;
            const double gap = strokeDistance(*h, *other);
            if (gap < best.gap)
                best = {h, other, gap};
        }
    }
    return best;
}

// The folds within `reach` of the hole, its own hinge (the crease of a hand-hole's flap,
// which touches it) left out.
std::pmr::vector<const Stroke*> foldsAround(const Group& hole,
                                            const std::pmr::vector<const Stroke*>& folds,
                                            const BoxGrid& grid, double reach) {
    std::pmr::vector<const Stroke*> out(folds.get_allocator());
    grid.visit(BoxGrid::grown(hole.box, reach), [&](std::size_t k) {
        const Stroke* f = folds[k];
        if (boxGap(hole.box, f->box) < reach &&
            std::none_of(hole.strokes.begin(), hole.strokes.end(),
                         [&](const Stroke* h) { return touches(*h, *f); }))
            out.push_back(f);
    });
    // In drawing order, as a walk over all the folds would give them.
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<Box> boxesOf(const std::pmr::vector<const Stroke*>& strokes) {
    std::vector<Box> out;
    out.reserve(strokes.size());
    for (const Stroke* s : strokes)
        out.push_back(s->box);
    return out;
}

}  // namespace

void findHolesTooClose(const CheckInput& in, Findings& out) {
    const double land = in.options.land();
    const std::pmr::vector<Group> groups = cutGroups(in);
    std::pmr::vector<const Stroke*> folds(in.scratch);
    for (const Stroke& s : in.strokes)
        if (isFold(s.kind))
            folds.push_back(&s);
    if (groups.size() < 2)
        return;  // no outline with a hole in it
    std::vector<Box> groupBoxes;
    groupBoxes.reserve(groups.size());
    for (const Group& g : groups)
        groupBoxes.push_back(g.box);
    // Found by where they lie: a sheet holds thousands of outlines and holes.
    const BoxGrid outlines(groupBoxes);
    const BoxGrid foldGrid(boxesOf(folds));
    for (const Group& hole : groups) {
        // The first outline (in drawing order) whose box holds the hole's.
        std::size_t outlineIndex = groups.size();
        const Point centre{(hole.box.xmin + hole.box.xmax) / 2,
                           (hole.box.ymin + hole.box.ymax) / 2};
        outlines.visit(BoxGrid::around(centre, 0), [&](std::size_t k) {
            if (k < outlineIndex && strictlyInside(hole.box, groups[k].box))
                outlineIndex = k;
        });
        if (outlineIndex == groups.size())
            continue;  // a piece of the blank, not a hole in it
        const Group* outline = &groups[outlineIndex];
        // A slot or mortise a tab goes into sits against its crease on purpose.
        if (std::min(hole.box.width(), hole.box.height()) <=
            3 * in.options.thickness + kJoinTolerance)
            continue;
        const double reach = land - kJoinTolerance;
        const Nearest crease = nearestTo(hole, foldsAround(hole, folds, foldGrid, reach), reach);
        const Nearest edge = nearestTo(hole, outline->strokes, reach);
        const bool nearCrease = crease.other != nullptr;
        const bool nearEdge = edge.other != nullptr;
        if (!nearCrease && !nearEdge)
            continue;
        const Nearest& worst = nearCrease && (!nearEdge || crease.gap <= edge.gap) ? crease : edge;
        const std::string what =
            &worst == &crease ? "Trou trop près d'un rainage : " : "Trou trop près du bord : ";
        out.push_back(finding(FindingKind::HoleTooClose, {worst.hole->id, worst.other->id},
                              worst.hole->start(),
                              what + named(*worst.hole) + " est à " + millimetres(worst.gap) + " " +
                                  ofNamed(*worst.other) + " (au moins " + millimetres(land) + ")"));
    }
}

}  // namespace brontaxe::check
