#include "drawing/rule_network.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <utility>

#include "drawing/box_grid.h"
#include "drawing/drawing.h"
#include "drawing/sheet_elements.h"

namespace brontaxe {
namespace {

constexpr double kArcStepDegrees = 2;

bool isStroke(const Element& e) {
    return std::holds_alternative<LineShape>(e.shape) || std::holds_alternative<ArcShape>(e.shape);
}

Point strokeStart(const Element& e) {
    if (const auto* l = std::get_if<LineShape>(&e.shape))
        return l->a;
    return std::get<ArcShape>(e.shape).start();
}

Point strokeEnd(const Element& e) {
    if (const auto* l = std::get_if<LineShape>(&e.shape))
        return l->b;
    return std::get<ArcShape>(e.shape).end();
}

// The direction of travel along the stroke at its start or end.
Point tangent(const Element& e, bool atEnd) {
    if (const auto* l = std::get_if<LineShape>(&e.shape))
        return unit(l->b - l->a);
    const auto& a = std::get<ArcShape>(e.shape);
    const double deg = atEnd ? a.startDeg + a.sweepDeg : a.startDeg;
    return {-std::sin(toRadians(deg)), std::cos(toRadians(deg))};
}

// Nodes found by their position on a grid of the join tolerance, neighbours included, so
// that two ends either side of a grid line still meet.
class NodeIndex {
  public:
    explicit NodeIndex(std::size_t expectedNodes) {
        std::size_t capacity = 64;
        while (capacity < 2 * expectedNodes)
            capacity *= 2;
        slots_.assign(capacity, Slot{});
    }

    std::size_t find(Point p, std::vector<Point>& nodes) {
        const auto cx = static_cast<std::int64_t>(std::llround(p.x / kJoinTolerance));
        const auto cy = static_cast<std::int64_t>(std::llround(p.y / kJoinTolerance));
        for (std::int64_t dx = -1; dx <= 1; ++dx) {
            for (std::int64_t dy = -1; dy <= 1; ++dy) {
                for (std::size_t n = slot(cx + dx, cy + dy).head; n != kNone; n = next_[n]) {
                    if (areNear(nodes[n], p, kJoinTolerance))
                        return n;
                }
            }
        }
        if (2 * (used_ + 1) > slots_.size())
            grow();
        nodes.push_back(p);
        const std::size_t n = nodes.size() - 1;
        Slot& s = slot(cx, cy);
        if (s.head == kNone) {
            s.x = cx;
            s.y = cy;
            ++used_;
        }
        next_.push_back(s.head);  // the cell's nodes chained, newest first
        s.head = n;
        return n;
    }

  private:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    struct Slot {
        std::int64_t x = 0, y = 0;
        std::size_t head = kNone;  // the cell's newest node; kNone for an empty slot
    };

    // The cell's slot, or the empty one where it would go (open addressing, linear probing).
    Slot& slot(std::int64_t x, std::int64_t y) {
        const std::size_t mask = slots_.size() - 1;
        std::size_t i =
            static_cast<std::size_t>((static_cast<std::uint64_t>(x) * 0x9E3779B97F4A7C15ULL) ^
                                     (static_cast<std::uint64_t>(y) * 0xC2B2AE3D27D4EB4FULL)) >>
            7;
        for (i &= mask;; i = (i + 1) & mask) {
            Slot& s = slots_[i];
            if (s.head == kNone || (s.x == x && s.y == y))
                return s;
        }
    }

    void grow() {
        std::vector<Slot> old(slots_.size() * 2, Slot{});
        old.swap(slots_);
        for (const Slot& s : old)
            if (s.head != kNone)
                slot(s.x, s.y) = s;
    }

    std::vector<Slot> slots_;
    std::vector<std::size_t> next_;  // each node's next in its cell
    std::size_t used_ = 0;
};

std::size_t root(std::vector<std::size_t>& parent, std::size_t i) {
    while (parent[i] != i) {
        parent[i] = parent[parent[i]];
        i = parent[i];
    }
    return i;
}

void numberRuns(RuleNetwork& net) {
    std::vector<std::size_t> parent(net.elements.size());
    std::iota(parent.begin(), parent.end(), std::size_t{0});
    for (std::size_t node = 0; node < net.nodes.size(); ++node) {
        const auto at = net.incident(node);
        for (std::size_t k = 1; k < at.size(); ++k)
            parent[root(parent, at[k].stroke)] = root(parent, at[0].stroke);
    }
    constexpr std::size_t none = static_cast<std::size_t>(-1);
    std::vector<std::size_t> numbers(net.elements.size(), none);
    net.run.resize(net.elements.size());
    net.runCount = 0;
    for (std::size_t s = 0; s < net.elements.size(); ++s) {
        std::size_t& n = numbers[root(parent, s)];
        if (n == none)
            n = net.runCount++;
        net.run[s] = n;
    }
}

// Even-odd test of a point against the segments of a run.
bool inside(Point p, const std::vector<Segment>& ring) {
    bool in = false;
    for (const Segment& s : ring) {
        if ((s.a.y > p.y) != (s.b.y > p.y)) {
            const double x = s.a.x + (p.y - s.a.y) * (s.b.x - s.a.x) / (s.b.y - s.a.y);
            if (x > p.x)
                in = !in;
        }
    }
    return in;
}

}  // namespace

std::vector<Point> strokePoints(const Element& e) {
    if (const auto* l = std::get_if<LineShape>(&e.shape))
        return {l->a, l->b};
    const auto& a = std::get<ArcShape>(e.shape);
    const int steps = std::max(1, static_cast<int>(std::ceil(a.sweepDeg / kArcStepDegrees)));
    std::vector<Point> points;
    points.reserve(static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i)
        points.push_back(pointOnCircle(a.centre, a.radius, a.startDeg + a.sweepDeg * i / steps));
    return points;
}

RuleNetwork ruleNetwork(const Drawing& d, LineKind lineKind, std::size_t count) {
    RuleNetwork net;
    NodeIndex index(std::min(count, d.elements().size()));
    const auto& elements = d.elements();
    count = std::min(count, elements.size());
    for (std::size_t i = 0; i < count; ++i) {
        const Element& e = elements[i];
        if (e.lineKind != lineKind || !isStroke(e) || isSheetElement(e) || !d.isShown(e))
            continue;
        net.elements.push_back(i);
        const std::array<std::size_t, 2> nodes{index.find(strokeStart(e), net.nodes),
                                               index.find(strokeEnd(e), net.nodes)};
        net.ends.push_back(nodes);
    }
    // Counted node by node, then laid out one node after the other.
    net.firstEnd.assign(net.nodes.size() + 1, 0);
    for (const auto& e : net.ends) {
        ++net.firstEnd[e[0] + 1];
        ++net.firstEnd[e[1] + 1];
    }
    for (std::size_t n = 1; n < net.firstEnd.size(); ++n)
        net.firstEnd[n] += net.firstEnd[n - 1];
    net.endsAtNodes.resize(net.firstEnd.back());
    std::vector<std::size_t> next(net.firstEnd.begin(), net.firstEnd.end() - 1);
    for (std::size_t stroke = 0; stroke < net.ends.size(); ++stroke) {
        net.endsAtNodes[next[net.ends[stroke][0]]++] = {stroke, false};
        net.endsAtNodes[next[net.ends[stroke][1]]++] = {stroke, true};
    }
    numberRuns(net);
    return net;
}

double turnAt(const Drawing& d, const RuleNetwork& net, std::size_t node) {
    const auto at = net.incident(node);
    if (at.size() != 2)
        return 0;
    // Arriving along the first stroke, leaving along the second.
    const auto& elements = d.elements();
    const Point in0 = tangent(elements[net.elements[at[0].stroke]], at[0].atEnd);
    const Point in = at[0].atEnd ? in0 : in0 * -1.0;
    const Point out1 = tangent(elements[net.elements[at[1].stroke]], at[1].atEnd);
    const Point out = at[1].atEnd ? out1 * -1.0 : out1;
    return toDegrees(std::atan2(std::fabs(cross(in, out)), dot(in, out)));
}

std::vector<bool> closedRuns(const RuleNetwork& net) {
    std::vector<bool> closed(net.runCount, true);
    for (std::size_t node = 0; node < net.nodes.size(); ++node) {
        const auto at = net.incident(node);
        if (!at.empty() && at.size() != 2)
            closed[net.run[at[0].stroke]] = false;
    }
    return closed;
}

std::vector<bool> cutOutRuns(const Drawing& d, const RuleNetwork& net) {
    const std::vector<bool> closed = closedRuns(net);
    std::vector<Box> boxes(net.runCount);
    std::vector<Point> probe(net.runCount);
    std::vector<std::vector<std::size_t>> strokes(net.runCount);
    for (std::size_t s = 0; s < net.elements.size(); ++s) {
        const std::size_t r = net.run[s];
        if (!closed[r])
            continue;
        const Element& e = d.elements()[net.elements[s]];
        boxes[r].add(strokeBox(e));
        strokes[r].push_back(s);
        // A point of the run: the middle of its last stroke's points.
        if (const auto* l = std::get_if<LineShape>(&e.shape)) {
            probe[r] = l->b;
        } else {
            const auto& a = std::get<ArcShape>(e.shape);
            const int steps =
                std::max(1, static_cast<int>(std::ceil(a.sweepDeg / kArcStepDegrees)));
            probe[r] =
                pointOnCircle(a.centre, a.radius, a.startDeg + a.sweepDeg * (steps / 2) / steps);
        }
    }
    // Only the rings whose boxes hold a run's probe can hold the run; a ring is drawn out when
    // it is first tried (on a sheet of cut-outs, only the outline's).
    std::vector<std::vector<Segment>> rings(net.runCount);
    const auto ring = [&](std::size_t r) -> const std::vector<Segment>& {
        if (rings[r].empty()) {
            for (const std::size_t s : strokes[r]) {
                const std::vector<Point> points = strokePoints(d.elements()[net.elements[s]]);
                for (std::size_t k = 1; k < points.size(); ++k)
                    rings[r].push_back({points[k - 1], points[k]});
            }
        }
        return rings[r];
    };
    const BoxGrid grid(boxes);
    std::vector<bool> cutOut(net.runCount, false);
    for (std::size_t r = 0; r < net.runCount; ++r) {
        if (!closed[r])
            continue;
        const Point p = probe[r];
        grid.visit(BoxGrid::around(p, 0), [&](std::size_t o) {
            const Box& b = boxes[o];
            if (!cutOut[r] && o != r && p.x >= b.xmin && p.x <= b.xmax && p.y >= b.ymin &&
                p.y <= b.ymax)
                cutOut[r] = inside(p, ring(o));
        });
    }
    return cutOut;
}

Box strokeBox(const Element& e) {
    Box b;
    if (const auto* l = std::get_if<LineShape>(&e.shape)) {
        b.add(l->a);
        b.add(l->b);
        return b;
    }
    const auto& a = std::get<ArcShape>(e.shape);
    b.add(a.start());
    b.add(a.end());
    for (int k = 0; k < 4; ++k) {
        const double rel = normalizeDegrees(90.0 * k - a.startDeg);
        if (a.sweepDeg >= 360 || rel <= a.sweepDeg)
            b.add(pointOnCircle(a.centre, a.radius, 90.0 * k));
    }
    return b;
}

}  // namespace brontaxe
