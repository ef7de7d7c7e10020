#include "check/stroke_geometry.h"

#include <algorithm>
#include <cmath>

#include "drawing/contour.h"

namespace brontaxe::check {
namespace {

// Chords of an arc for crossings, as fine as the outer contour's: a crossing is missed only
// where two strokes come within 0.05 mm of each other near an arc.
constexpr double kChordTolerance = 0.05;

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

Box boxOf(std::span<const Segment> chords) {
    Box b;
    for (const Segment& s : chords) {
        b.add(s.a);
        b.add(s.b);
    }
    return b;
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

std::optional<Point> lineOverlap(const LineShape& l, const LineShape& m, double tol) {
    const Point dir = l.b - l.a;
    const double len = length(dir);
    const Point u = dir * (1.0 / len);
    const Point p = m.a - l.a;
    const Point q = m.b - l.a;
    if (std::fabs(cross(u, p)) > tol || std::fabs(cross(u, q)) > tol)
        return std::nullopt;
    const double lo = std::max(0.0, std::min(dot(u, p), dot(u, q)));
    const double hi = std::min(len, std::max(dot(u, p), dot(u, q)));
    if (hi - lo <= tol)
        return std::nullopt;
    return l.a + u * ((lo + hi) / 2);
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

bool Stroke::closed() const {
    const auto* a = std::get_if<ArcShape>(&shape);
    return a && a->sweepDeg >= 360.0 - kEps;
}

bool Stroke::isEndPoint(Point p, double tol) const {
    return !closed() && (within(p, start(), tol) || within(p, end(), tol));
}

bool Stroke::passesThrough(Point p, double tol) const {
    // The box holds the chords; an arc strays from them by the chord tolerance at most.
    const double margin = tol + kChordTolerance;
    if (p.x < box.xmin - margin || p.x > box.xmax + margin || p.y < box.ymin - margin ||
        p.y > box.ymax + margin)
        return false;
    if (const auto* l = std::get_if<LineShape>(&shape))
        return nearSegment(p, {l->a, l->b}, tol);
    const ArcShape& a = std::get<ArcShape>(shape);
    const double r = distance(p, a.centre);
    if (std::fabs(r - a.radius) > tol)
        return false;
    if (closed() || r <= tol)
        return true;
    const double deg = toDegrees(std::atan2(p.y - a.centre.y, p.x - a.centre.x));
    return angleInSweep(a, deg, toDegrees(tol / a.radius));
}

void collectStrokes(const Drawing& d, double tol, std::vector<Stroke>& strokes,
                    std::vector<Stroke>& zero) {
    const auto count = static_cast<std::size_t>(d.blankElementCount());
    const auto& elements = d.elements();
    strokes.reserve(count);
    for (std::size_t i = 0; i < count && i < elements.size(); ++i) {
        const Element& e = elements[i];
        Stroke s;
        s.id = ElementId{kFirstElementId + static_cast<std::int32_t>(i)};
        s.kind = e.lineKind;
        double len = 0;
        if (const auto* l = std::get_if<LineShape>(&e.shape)) {
            s.shape = *l;
            s.ends = {l->a, l->b};
            len = distance(l->a, l->b);
        } else if (const auto* a = std::get_if<ArcShape>(&e.shape)) {
            const ArcShape arc = normalised(*a);
            s.shape = arc;
            s.ends = {arc.start(), arc.end()};
            len = arc.radius * toRadians(std::min(arc.sweepDeg, 360.0));
            if (len > tol)
                s.arcChords = flattenArc(arc, kChordTolerance);
        } else {
            continue;
        }
        if (len <= tol) {
            zero.push_back(std::move(s));
            continue;
        }
        s.box = boxOf(s.chords());
        strokes.push_back(std::move(s));
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
    if (denom * denom <= 1e-18 * dot(r, r) * dot(s, s))
        return std::nullopt;
    const Point qp = b.a - a.a;
    const double t = cross(qp, s) / denom;
    const double u = cross(qp, r) / denom;
    constexpr double slack = 1e-9;
    if (t < -slack || t > 1 + slack || u < -slack || u > 1 + slack)
        return std::nullopt;
    return a.a + r * t;
}

std::optional<Point> overlapMiddle(const Stroke& s, const Stroke& t, double tol) {
    const auto* ls = std::get_if<LineShape>(&s.shape);
    const auto* lt = std::get_if<LineShape>(&t.shape);
    if (ls && lt)
        return lineOverlap(*ls, *lt, tol);
    if (!ls && !lt)
        return arcOverlap(std::get<ArcShape>(s.shape), std::get<ArcShape>(t.shape), tol);
    return std::nullopt;
}

}  // namespace brontaxe::check
