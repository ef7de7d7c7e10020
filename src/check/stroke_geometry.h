#pragma once
// The blank's lines and arcs as the design-rule check reads them: each with its id, its kind,
// its true ends and its box; crossings and distances worked out on the true curves.

#include <array>
#include <memory_resource>
#include <optional>
#include <vector>

#include "drawing/drawing.h"

namespace brontaxe::check {

// Two points within `tol` of each other, without a square root: the check compares ends by
// the thousand.
inline bool within(Point a, Point b, double tol) {
    const double dx = a.x - b.x;
    const double dy = a.y - b.y;
    return dx * dx + dy * dy <= tol * tol;
}

struct Stroke {
    ElementId id;
    LineKind kind = LineKind::Cut;
    std::variant<LineShape, ArcShape> shape;
    Segment ends;       // the true ends, worked out once; a line's own segment
    Box box;            // the true extent, an arc's bulge included
    double length = 0;  // along the line or the arc
    Point along{};      // a line's direction, of length 1
    bool fullCircle = false;

    bool isArc() const { return std::holds_alternative<ArcShape>(shape); }
    bool closed() const { return fullCircle; }
    Point start() const { return ends.a; }
    Point end() const { return ends.b; }
    bool isEndPoint(Point p, double tol) const {
        return !fullCircle && (within(p, ends.a, tol) || within(p, ends.b, tol));
    }
    // p lies on the stroke (its true curve for an arc).
    bool passesThrough(Point p, double tol) const {
        // Most points the rules try lie outside the box: they cost four comparisons.
        return p.x >= box.xmin - tol && p.x <= box.xmax + tol && p.y >= box.ymin - tol &&
               p.y <= box.ymax + tol && passesThroughNearBox(p, tol);
    }

  private:
    bool passesThroughNearBox(Point p, double tol) const;
};

// Lines and arcs of the blank (not the imposed copies), those with a length in `strokes`,
// the others in `zero`.
void collectStrokes(const Drawing& d, double tol, std::pmr::vector<Stroke>& strokes,
                    std::pmr::vector<Stroke>& zero);

bool boxesTouch(const Box& a, const Box& b, double tol);

// The point where two segments meet, parallel ones excepted.
std::optional<Point> segmentIntersection(const Segment& a, const Segment& b);

// Where two strokes cross, worked out on their true curves: none for strokes that only touch
// (a line tangent to an arc) or lie on each other.
// At most two points (a line through a circle, two circles), kept without an allocation.
struct CrossingPoints {
    std::array<Point, 2> points{};
    std::size_t count = 0;

    void add(Point p) { points[count++] = p; }
    const Point* begin() const { return points.data(); }
    const Point* end() const { return points.data() + count; }
    bool empty() const { return count == 0; }
};
CrossingPoints crossingPoints(const Stroke& s, const Stroke& t);

// The shortest distance between two strokes: 0 where they cross or touch.
double strokeDistance(const Stroke& s, const Stroke& t);

// The middle of the stretch two strokes share when they lie on one line (or one circle) over
// more than `tol`.
std::optional<Point> overlapMiddle(const Stroke& s, const Stroke& t, double tol);

}  // namespace brontaxe::check
