#include "editing/stroke_geometry.h"

#include <algorithm>
#include <cmath>

#include "platform/overloaded.h"

namespace brontaxe::editing {
namespace {

// A line as its start and its direction of length 1 (no length: along x).
struct Ray {
    Point from;
    Point dir;
    double length;
};

Ray rayOf(const LineShape& l) {
    return {l.a, unit(l.b - l.a), distance(l.a, l.b)};
}

bool onSegment(const LineShape& l, Point p) {
    const Ray r = rayOf(l);
    const double t = dot(p - r.from, r.dir);
    return t >= -kEditTolerance && t <= r.length + kEditTolerance;
}

bool onArc(const ArcShape& a, Point p) {
    return isFullCircle(a) ||
           angleOnArc(a, angleAt(a.centre, p), toDegrees(kEditTolerance / a.radius));
}

bool onStroke(const Shape& s, Point p) {
    if (const auto* l = std::get_if<LineShape>(&s))
        return onSegment(*l, p);
    if (const auto* a = std::get_if<ArcShape>(&s))
        return onArc(*a, p);
    return false;
}

std::vector<Point> lineLine(const LineShape& l1, const LineShape& l2) {
    const Point d1 = l1.b - l1.a;
    const Point d2 = l2.b - l2.a;
    const double denom = cross(d1, d2);
    if (std::fabs(denom) <= 1e-12 * length(d1) * length(d2))
        return {};
    return {l1.a + d1 * (cross(l2.a - l1.a, d2) / denom)};
}

std::vector<Point> lineCircle(const LineShape& l, Point centre, double radius) {
    const Ray r = rayOf(l);
    const Point foot = r.from + r.dir * dot(centre - r.from, r.dir);
    const double h = distance(foot, centre);
    if (h > radius + kEditTolerance)
        return {};
    if (h >= radius - kEditTolerance)
        return {foot};
    const double half = std::sqrt(radius * radius - h * h);
    return {foot - r.dir * half, foot + r.dir * half};
}

std::vector<Point> circleCircle(const ArcShape& p, const ArcShape& q) {
    const Point between = q.centre - p.centre;
    const double d = length(between);
    if (d <= kEditTolerance || d > p.radius + q.radius + kEditTolerance ||
        d < std::fabs(p.radius - q.radius) - kEditTolerance)
        return {};
    const double along = (p.radius * p.radius - q.radius * q.radius + d * d) / (2 * d);
    const double h2 = p.radius * p.radius - along * along;
    const Point u = between * (1.0 / d);
    const Point mid = p.centre + u * along;
    if (h2 <= kEditTolerance * kEditTolerance)
        return {mid};
    const Point across = Point{-u.y, u.x} * std::sqrt(h2);
    return {mid + across, mid - across};
}

std::vector<Point> wholeCurveCrossings(const Shape& s, const Shape& t) {
    const auto* ls = std::get_if<LineShape>(&s);
    const auto* lt = std::get_if<LineShape>(&t);
    const auto* as = std::get_if<ArcShape>(&s);
    const auto* at = std::get_if<ArcShape>(&t);
    if (ls && lt)
        return lineLine(*ls, *lt);
    if (ls && at)
        return lineCircle(*ls, at->centre, at->radius);
    if (as && lt)
        return lineCircle(*lt, as->centre, as->radius);
    if (as && at)
        return circleCircle(*as, *at);
    return {};
}

// The bridges of `from` that lie wholly on the stretch from `start` over `span`, measured from
// its start. Round a circle (`period`, its circumference) a bridge behind the start comes again
// after it.
void addBridges(const Element& from, Element& to, double start, double span, double period) {
    for (const Bridge& b : from.bridges) {
        double at = b.at - start;
        if (period > 0 && at < 0)
            at += period;
        if (at - b.width / 2 >= -kEditTolerance && at + b.width / 2 <= span + kEditTolerance)
            to.bridges.push_back({at, b.width});
    }
    std::sort(to.bridges.begin(), to.bridges.end(),
              [](const Bridge& x, const Bridge& y) { return x.at < y.at; });
}

}  // namespace

bool isFullCircle(const ArcShape& a) {
    return a.sweepDeg >= 360.0 - 1e-9;
}

bool angleOnArc(const ArcShape& a, double deg, double tolDeg) {
    if (isFullCircle(a))
        return true;
    const double rel = normalizeDegrees(deg - a.startDeg);
    return rel <= a.sweepDeg + tolDeg || rel >= 360.0 - tolDeg;
}

double angleAt(Point centre, Point p) {
    return normalizeDegrees(toDegrees(std::atan2(p.y - centre.y, p.x - centre.x)));
}

Box elementBox(const Element& e) {
    Box box;
    std::visit(Overloaded{
                   [&](const LineShape& l) {
                       box.add(l.a);
                       box.add(l.b);
                   },
                   [&](const ArcShape& a) {
                       box.add(a.start());
                       box.add(a.end());
                       for (int q = 0; q < 4; ++q)
                           if (angleOnArc(a, 90.0 * q, 0.0))
                               box.add(pointOnCircle(a.centre, a.radius, 90.0 * q));
                   },
                   [&](const DimensionShape& d) {
                       box.add(d.p1);
                       box.add(d.p2);
                       box.add(d.ref);
                   },
                   [&](const TextShape& t) { box.add(t.position); },
                   [&](const SymbolShape& s) {
                       for (const Segment& stroke : s.placedStrokes()) {
                           box.add(stroke.a);
                           box.add(stroke.b);
                       }
                   },
                   [](const SheetShape&) {},
                   [](const ContourShape&) {},
               },
               e.shape);
    return box;
}

bool boxContains(const Box& b, Point p, double margin) {
    return !b.empty && p.x >= b.xmin - margin && p.x <= b.xmax + margin && p.y >= b.ymin - margin &&
           p.y <= b.ymax + margin;
}

Point nearestOnSegment(Point p, Point a, Point b) {
    const Point d = b - a;
    const double len2 = dot(d, d);
    if (len2 <= 0)
        return a;
    return a + d * std::clamp(dot(p - a, d) / len2, 0.0, 1.0);
}

Point nearestOnArc(const ArcShape& a, Point p) {
    if (areNear(p, a.centre, kEditTolerance))
        return a.start();
    const double deg = angleAt(a.centre, p);
    if (angleOnArc(a, deg))
        return pointOnCircle(a.centre, a.radius, deg);
    const Point s = a.start();
    const Point e = a.end();
    return distance(p, s) <= distance(p, e) ? s : e;
}

std::vector<Point> strokeCrossings(const Shape& first, const Shape& second, bool extendFirst) {
    std::vector<Point> out;
    for (const Point& p : wholeCurveCrossings(first, second))
        if ((extendFirst || onStroke(first, p)) && onStroke(second, p))
            out.push_back(p);
    return out;
}

double lengthAlong(const Shape& s) {
    if (const auto* l = std::get_if<LineShape>(&s))
        return distance(l->a, l->b);
    if (const auto* a = std::get_if<ArcShape>(&s))
        return a->radius * toRadians(a->sweepDeg);
    return 0;
}

double placeAlong(const Shape& s, Point p) {
    if (const auto* l = std::get_if<LineShape>(&s)) {
        const Ray r = rayOf(*l);
        return dot(p - r.from, r.dir);
    }
    if (const auto* a = std::get_if<ArcShape>(&s)) {
        double rel = normalizeDegrees(angleAt(a->centre, p) - a->startDeg);
        // Past the end of an arc, a direction nearer its start reads as before the start.
        if (!isFullCircle(*a) && rel > a->sweepDeg + (360.0 - a->sweepDeg) / 2)
            rel -= 360.0;
        return a->radius * toRadians(rel);
    }
    return 0;
}

Point pointAlong(const Shape& s, double along) {
    if (const auto* l = std::get_if<LineShape>(&s)) {
        const Ray r = rayOf(*l);
        return r.from + r.dir * along;
    }
    if (const auto* a = std::get_if<ArcShape>(&s))
        return pointOnCircle(a->centre, a->radius, a->startDeg + toDegrees(along / a->radius));
    return {};
}

Element stretchOf(const Element& e, double from, double to) {
    Element out = e;
    out.bridges.clear();
    double period = 0;
    if (const auto* l = std::get_if<LineShape>(&e.shape)) {
        out.shape = LineShape{pointAlong(*l, from), pointAlong(*l, to)};
    } else if (const auto* a = std::get_if<ArcShape>(&e.shape)) {
        if (isFullCircle(*a))
            period = lengthAlong(*a);
        out.shape = ArcShape{a->centre, a->radius,
                             normalizeDegrees(a->startDeg + toDegrees(from / a->radius)),
                             std::min(360.0, toDegrees((to - from) / a->radius))};
    }
    addBridges(e, out, from, to - from, period);
    return out;
}

Element withBridgesOnStroke(Element e) {
    const double span = lengthAlong(e.shape);
    std::erase_if(e.bridges, [span](const Bridge& b) {
        return b.at - b.width / 2 < -kEditTolerance || b.at + b.width / 2 > span + kEditTolerance;
    });
    return e;
}

}  // namespace brontaxe::editing
