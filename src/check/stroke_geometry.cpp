#include "check/stroke_geometry.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "drawing/tolerances.h"

namespace brontaxe::check {
namespace {

bool nearSegment(Point p, const Segment& s, double tol) {
    const Point d = s.b - s.a;
    const double len2 = dot(d, d);
    const double t = len2 <= 0 ? 0.0 : std::clamp(dot(p - s.a, d) / len2, 0.0, 1.0);
    return within(p, s.a + d * t, tol);
}

bool angleInSweep(const ArcShape& a, double deg, double tolDeg) {
    const double rel = normalizeDegrees(deg - a.startDeg);
    return rel <= a.sweepDeg + tolDeg || rel >= 360.0 - tolDeg;
}

// An arc's extent: its ends, and each quarter point of its circle that it passes.
Box arcBox(const ArcShape& a, const Segment& ends) {
    Box b;
    b.add(ends.a);
    b.add(ends.b);
    const Point quarters[] = {{a.radius, 0}, {0, a.radius}, {-a.radius, 0}, {0, -a.radius}};
    for (int k = 0; k < 4; ++k)
        if (a.sweepDeg >= 360.0 - kEps || angleInSweep(a, 90.0 * k, 0.0))
            b.add(a.centre + quarters[k]);
    return b;
}

// Points of the line through `s` at the given distances from its start, kept on the segment.
void pointsOnSegment(const Segment& s, Point d, std::initializer_list<double> ts,
                     CrossingPoints& out) {
    for (const double t : ts)
        if (t >= -kRoundingNoise && t <= 1 + kRoundingNoise)
            out.add(s.a + d * t);
}

// Where a segment passes through a circle: two points, or none when it misses or only grazes.
CrossingPoints lineCircle(const Segment& s, Point centre, double radius) {
    const Point d = s.b - s.a;
    const Point f = s.a - centre;
    const double a = dot(d, d);
    const double b = 2 * dot(d, f);
    const double c = dot(f, f) - radius * radius;
    const double disc = b * b - 4 * a * c;
    CrossingPoints out;
    if (a <= 0 || disc <= 0)
        return out;
    const double root = std::sqrt(disc);
    pointsOnSegment(s, d, {(-b - root) / (2 * a), (-b + root) / (2 * a)}, out);
    return out;
}

// Where two circles cross: two points, or none when they miss, graze or share a centre.
CrossingPoints circleCircle(const ArcShape& p, const ArcShape& q) {
    const Point between = q.centre - p.centre;
    const double dist = length(between);
    CrossingPoints out;
    if (dist <= kEps || dist >= p.radius + q.radius || dist <= std::fabs(p.radius - q.radius))
        return out;
    const double along = (p.radius * p.radius - q.radius * q.radius + dist * dist) / (2 * dist);
    const double h2 = p.radius * p.radius - along * along;
    if (h2 <= 0)
        return out;
    const Point u = between * (1.0 / dist);
    const Point mid = p.centre + u * along;
    const Point across = Point{-u.y, u.x} * std::sqrt(h2);
    out.add(mid + across);
    out.add(mid - across);
    return out;
}

double pointToSegment(Point p, const Segment& s) {
    const Point d = s.b - s.a;
    const double len2 = dot(d, d);
    const double t = len2 <= 0 ? 0.0 : std::clamp(dot(p - s.a, d) / len2, 0.0, 1.0);
    return length(p - (s.a + d * t));
}

bool onArc(const ArcShape& a, Point p) {
    if (a.sweepDeg >= 360.0 - kEps)
        return true;
    const double deg = toDegrees(std::atan2(p.y - a.centre.y, p.x - a.centre.x));
    return angleInSweep(a, deg, kRoundingNoise);
}

// Arcs are stored counter-clockwise from startDeg; a negative sweep is turned round.
ArcShape normalised(ArcShape a) {
    if (a.sweepDeg < 0) {
        a.startDeg += a.sweepDeg;
        a.sweepDeg = -a.sweepDeg;
    }
    a.startDeg = normalizeDegrees(a.startDeg);
    return a;
}

std::optional<Point> lineOverlap(const Stroke& l, const Stroke& m, double tol) {
    const double len = l.length;
    const Point u = l.along;
    const Point p = m.start() - l.start();
    const Point q = m.end() - l.start();
    if (std::fabs(cross(u, p)) > tol || std::fabs(cross(u, q)) > tol)
        return std::nullopt;
    const double lo = std::max(0.0, std::min(dot(u, p), dot(u, q)));
    const double hi = std::min(len, std::max(dot(u, p), dot(u, q)));
    if (hi - lo <= tol)
        return std::nullopt;
    return l.start() + u * ((lo + hi) / 2);
}

std::optional<Point> arcOverlap(const ArcShape& a, const ArcShape& b, double tol) {
    if (!areNear(a.centre, b.centre, tol) || !areNear(a.radius, b.radius, tol))
        return std::nullopt;
    // b's range measured from a's start, tried as it is and one turn on.
    const double bStart = normalizeDegrees(b.startDeg - a.startDeg);
    for (const double shift : {0.0, -360.0}) {
        const double lo = std::max(0.0, bStart + shift);
        const double hi = std::min(a.sweepDeg, bStart + shift + b.sweepDeg);
        if (toRadians(hi - lo) * a.radius > tol)
            return pointOnCircle(a.centre, a.radius, a.startDeg + (lo + hi) / 2);
    }
    return std::nullopt;
}

}  // namespace

bool Stroke::passesThroughNearBox(Point p, double tol) const {
    if (const auto* l = std::get_if<LineShape>(&shape))
        return nearSegment(p, {l->a, l->b}, tol);
    const ArcShape& a = std::get<ArcShape>(shape);
    const Point v = p - a.centre;
    const double r = std::sqrt(dot(v, v));
    if (std::fabs(r - a.radius) > tol)
        return false;
    if (closed() || r <= tol)
        return true;
    const double deg = toDegrees(std::atan2(p.y - a.centre.y, p.x - a.centre.x));
    return angleInSweep(a, deg, toDegrees(tol / a.radius));
}

void collectStrokes(const Drawing& d, double tol, std::pmr::vector<Stroke>& strokes,
                    std::pmr::vector<Stroke>& zero) {
    const auto count = static_cast<std::size_t>(d.blankElementCount());
    const auto& elements = d.elements();
    strokes.reserve(count);
    for (std::size_t i = 0; i < count && i < elements.size(); ++i) {
        const Element& e = elements[i];
        const ElementId id{kFirstElementId + static_cast<std::int32_t>(i)};
        if (const auto* l = std::get_if<LineShape>(&e.shape)) {
            const Point d = l->b - l->a;
            const double len = std::sqrt(dot(d, d));
            const Box box{.xmin = std::min(l->a.x, l->b.x),
                          .ymin = std::min(l->a.y, l->b.y),
                          .xmax = std::max(l->a.x, l->b.x),
                          .ymax = std::max(l->a.y, l->b.y),
                          .empty = false};
            (len <= tol ? zero : strokes)
                .push_back({.id = id,
                            .kind = e.lineKind,
                            .shape = *l,
                            .ends = {l->a, l->b},
                            .box = box,
                            .length = len,
                            .along = len > 0 ? d * (1.0 / len) : Point{}});
        } else if (const auto* a = std::get_if<ArcShape>(&e.shape)) {
            const ArcShape arc = normalised(*a);
            const Segment ends{arc.start(), arc.end()};
            const double len = arc.radius * toRadians(std::min(arc.sweepDeg, 360.0));
            (len <= tol ? zero : strokes)
                .push_back({.id = id,
                            .kind = e.lineKind,
                            .shape = arc,
                            .ends = ends,
                            .box = arcBox(arc, ends),
                            .length = len,
                            .fullCircle = arc.sweepDeg >= 360.0 - kEps});
        }
    }
}

bool boxesTouch(const Box& a, const Box& b, double tol) {
    return a.xmin <= b.xmax + tol && b.xmin <= a.xmax + tol && a.ymin <= b.ymax + tol &&
           b.ymin <= a.ymax + tol;
}

std::optional<Point> segmentIntersection(const Segment& a, const Segment& b) {
    const Point r = a.b - a.a;
    const Point s = b.b - b.a;
    const double denom = cross(r, s);
    // Parallel or nearly: an overlap, not a crossing.
    if (denom * denom <= kRoundingNoise * kRoundingNoise * dot(r, r) * dot(s, s))
        return std::nullopt;
    const Point qp = b.a - a.a;
    const double t = cross(qp, s) / denom;
    const double u = cross(qp, r) / denom;
    if (t < -kRoundingNoise || t > 1 + kRoundingNoise || u < -kRoundingNoise ||
        u > 1 + kRoundingNoise)
        return std::nullopt;
    return a.a + r * t;
}

namespace {

// The points of `all` that `keep` takes.
template <typename Keep>
CrossingPoints kept(const CrossingPoints& all, Keep keep) {
    CrossingPoints out;
    for (const Point p : all)
        if (keep(p))
            out.add(p);
    return out;
}

}  // namespace

CrossingPoints crossingPoints(const Stroke& s, const Stroke& t) {
    const auto* ls = std::get_if<LineShape>(&s.shape);
    const auto* lt = std::get_if<LineShape>(&t.shape);
    if (ls && lt) {
        CrossingPoints found;
        if (const std::optional<Point> p = segmentIntersection(s.ends, t.ends))
            found.add(*p);
        return found;
    }
    if (ls || lt) {
        const Segment& line = ls ? s.ends : t.ends;
        const ArcShape& arc = std::get<ArcShape>(ls ? t.shape : s.shape);
        return kept(lineCircle(line, arc.centre, arc.radius),
                    [&](Point p) { return onArc(arc, p); });
    }
    const ArcShape& p = std::get<ArcShape>(s.shape);
    const ArcShape& q = std::get<ArcShape>(t.shape);
    return kept(circleCircle(p, q), [&](Point x) { return onArc(p, x) && onArc(q, x); });
}

namespace {

// From p to the stroke: to an arc's circle where p faces its sweep, else to its nearer end.
double pointToStroke(Point p, const Stroke& s) {
    const auto* a = std::get_if<ArcShape>(&s.shape);
    if (!a)
        return pointToSegment(p, s.ends);
    const Point v = p - a->centre;
    const double r = length(v);
    if (r <= kEps)
        return a->radius;
    if (onArc(*a, p))
        return std::fabs(r - a->radius);
    return std::min(length(p - s.start()), length(p - s.end()));
}

// The points of an arc whose radius runs along `u` (both ways): where two strokes come
// nearest away from their ends, the line joining them is such a radius.
std::vector<Point> radialPoints(const ArcShape& a, Point u) {
    std::vector<Point> out;
    for (const Point p : {a.centre + u * a.radius, a.centre - u * a.radius})
        if (onArc(a, p))
            out.push_back(p);
    return out;
}

}  // namespace

double strokeDistance(const Stroke& s, const Stroke& t) {
    if (!crossingPoints(s, t).empty())
        return 0;
    double best = std::min({pointToStroke(s.start(), t), pointToStroke(s.end(), t),
                            pointToStroke(t.start(), s), pointToStroke(t.end(), s)});
    // Nearest between two inner points: along the normal of a line, or the line of centres.
    auto direction = [](const Stroke& arc, const Stroke& other) -> std::optional<Point> {
        const ArcShape& a = std::get<ArcShape>(arc.shape);
        if (const auto* b = std::get_if<ArcShape>(&other.shape)) {
            const Point between = b->centre - a.centre;
            const double len = length(between);
            return len <= kEps ? std::nullopt : std::optional<Point>(between * (1.0 / len));
        }
        const Point d = other.ends.b - other.ends.a;
        const double len = length(d);
        return len <= kEps ? std::nullopt : std::optional<Point>(Point{-d.y, d.x} * (1.0 / len));
    };
    for (const auto& [arc, other] : {std::pair{&s, &t}, std::pair{&t, &s}}) {
        if (!arc->isArc())
            continue;
        if (const std::optional<Point> u = direction(*arc, *other))
            for (const Point p : radialPoints(std::get<ArcShape>(arc->shape), *u))
                best = std::min(best, pointToStroke(p, *other));
    }
    return best;
}

std::optional<Point> overlapMiddle(const Stroke& s, const Stroke& t, double tol) {
    const auto* ls = std::get_if<LineShape>(&s.shape);
    const auto* lt = std::get_if<LineShape>(&t.shape);
    if (ls && lt)
        return lineOverlap(s, t, tol);
    if (!ls && !lt)
        return arcOverlap(std::get<ArcShape>(s.shape), std::get<ArcShape>(t.shape), tol);
    return std::nullopt;
}

}  // namespace brontaxe::check
