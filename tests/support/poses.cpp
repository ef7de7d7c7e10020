#include "support/poses.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <utility>

#include "drawing/contour.h"

namespace brontaxe::test {
namespace {

constexpr int kArcSteps = 24;

void addCuts(const Element& e, std::vector<Segment>& out) {
    if (e.lineKind != kind::Cut)
        return;
    if (const auto* l = std::get_if<LineShape>(&e.shape)) {
        out.push_back({l->a, l->b});
    } else if (const auto* a = std::get_if<ArcShape>(&e.shape)) {
        Point previous = a->start();
        for (int k = 1; k <= kArcSteps; ++k) {
            const Point next =
                pointOnCircle(a->centre, a->radius, a->startDeg + a->sweepDeg * k / kArcSteps);
            out.push_back({previous, next});
            previous = next;
        }
    }
}

bool isCopied(const Element& e) {
    return e.type() != ShapeType::Dimension && e.type() != ShapeType::Sheet;
}

// Crossing strictly inside both segments (shared ends and collinear runs are not crossings).
bool cross(const Segment& s, const Segment& t) {
    const Point r = s.b - s.a;
    const Point q = t.b - t.a;
    const double denom = brontaxe::cross(r, q);
    if (std::fabs(denom) < 1e-12)
        return false;
    const double u = brontaxe::cross(t.a - s.a, q) / denom;
    const double v = brontaxe::cross(t.a - s.a, r) / denom;
    constexpr double e = 1e-6;
    return u > e && u < 1 - e && v > e && v < 1 - e;
}

double distanceToSegment(Point p, const Segment& s) {
    const Point d = s.b - s.a;
    const double len2 = dot(d, d);
    const double t = len2 > 0 ? std::clamp(dot(p - s.a, d) / len2, 0.0, 1.0) : 0.0;
    return distance(p, s.a + d * t);
}

// Inside the outline by the parity of crossings of a ray to the right; points on an outline
// are not inside. The ray runs a hair above the point: a ray laid exactly along another
// pose's edge (a mirrored copy's edge on the blank's own y = 0) would count that edge's ends
// by their rounding noise.
bool inside(Point p, const std::vector<Segment>& outline) {
    bool in = false;
    const double y = p.y + 1.0e-4;
    for (const Segment& s : outline) {
        if (distanceToSegment(p, s) < 1e-3)
            return false;
        if ((s.a.y > y) != (s.b.y > y)) {
            const double x = s.a.x + (y - s.a.y) * (s.b.x - s.a.x) / (s.b.y - s.a.y);
            if (x > p.x)
                in = !in;
        }
    }
    return in;
}

bool boxesMeet(const Box& a, const Box& b) {
    return a.xmin < b.xmax && b.xmin < a.xmax && a.ymin < b.ymax && b.ymin < a.ymax;
}

}  // namespace

std::vector<std::vector<Segment>> poseCuts(const Drawing& d) {
    const auto& all = d.elements();
    const std::size_t blank = static_cast<std::size_t>(d.blankElementCount());
    std::size_t perPose = 0;
    std::vector<std::vector<Segment>> poses(1);
    for (std::size_t i = 0; i < blank; ++i) {
        addCuts(all[i], poses[0]);
        perPose += isCopied(all[i]) ? 1 : 0;
    }
    for (std::size_t i = blank; perPose > 0 && i + perPose <= all.size(); i += perPose) {
        if (all[i].type() == ShapeType::Sheet)
            break;
        poses.emplace_back();
        for (std::size_t k = i; k < i + perPose; ++k)
            addCuts(all[k], poses.back());
    }
    return poses;
}

Box boxOf(const std::vector<Segment>& cuts) {
    Box box;
    for (const Segment& s : cuts) {
        box.add(s.a);
        box.add(s.b);
    }
    return box;
}

namespace {

// No line of one set crosses a line of another, and none lies inside another's outline.
::testing::AssertionResult apart(const std::vector<std::vector<Segment>>& poses) {
    std::vector<Box> boxes;
    for (const auto& p : poses)
        boxes.push_back(boxOf(p));
    for (std::size_t i = 0; i < poses.size(); ++i) {
        for (std::size_t j = 0; j < poses.size(); ++j) {
            if (i == j || !boxesMeet(boxes[i], boxes[j]))
                continue;
            for (const Segment& s : poses[j]) {
                const Point mid = (s.a + s.b) * 0.5;
                bool crossing = false;
                for (const Segment& t : poses[i])
                    crossing = crossing || cross(s, t);
                if (crossing || inside(mid, poses[i])) {
                    std::ostringstream why;
                    why << "pose " << j << " reaches into pose " << i << " near (" << mid.x << ", "
                        << mid.y << ")" << (crossing ? ", lines crossing" : "");
                    return ::testing::AssertionFailure() << why.str();
                }
            }
        }
    }
    return ::testing::AssertionSuccess() << poses.size() << " poses apart";
}

}  // namespace

::testing::AssertionResult posesDoNotOverlap(const Drawing& d) {
    return apart(poseCuts(d));
}

std::vector<std::vector<Segment>> poseOuterContours(const Drawing& d) {
    std::vector<std::vector<Segment>> contours;
    for (const auto& cuts : poseCuts(d)) {
        std::vector<brontaxe::Segment> linework;
        for (const Segment& s : cuts)
            linework.push_back({s.a, s.b});
        std::vector<Segment> edges;
        for (const auto& ring : outerContour(linework).rings) {
            for (std::size_t k = 0; k < ring.size(); ++k) {
                const Point next = ring[(k + 1) % ring.size()];
                if (!(ring[k] == next))
                    edges.push_back({ring[k], next});
            }
        }
        contours.push_back(std::move(edges));
    }
    return contours;
}

::testing::AssertionResult outerContoursDoNotOverlap(const Drawing& d) {
    return apart(poseOuterContours(d));
}

}  // namespace brontaxe::test
