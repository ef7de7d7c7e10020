#include "editing/shape_makers.h"

#include <algorithm>
#include <cmath>

namespace brontaxe::editing {
namespace {

MadeShapes refusedShapes(std::string why) {
    return {{}, std::move(why)};
}

// Direction of `p` seen from `centre`, degrees in [0, 360).
double angleAroundDeg(Point centre, Point p) {
    const Point d = p - centre;
    return normalizeDegrees(toDegrees(std::atan2(d.y, d.x)));
}

// Whether the three points lie on one line: the sine of the angle at `a` is too small to
// place a circle through them.
bool aligned(Point a, Point b, Point c) {
    const Point u = b - a;
    const Point v = c - a;
    const double scale = length(u) * length(v);
    return scale <= kEps || std::fabs(cross(u, v)) <= 1e-9 * scale;
}

// The centre of the circle through three points that are not aligned.
Point circumcentre(Point a, Point b, Point c) {
    const Point u = b - a;
    const Point v = c - a;
    const double d = 2 * cross(u, v);
    const double uu = dot(u, u);
    const double vv = dot(v, v);
    return a + Point{(v.y * uu - u.y * vv) / d, (u.x * vv - v.x * uu) / d};
}

}  // namespace

MadeShapes lineBetween(Point a, Point b) {
    if (areNear(a, b))
        return refusedShapes("Les deux points sont confondus.");
    return {{LineShape{a, b}}, {}};
}

MadeShapes polylineThrough(const std::vector<Point>& points) {
    std::vector<Point> corners;
    for (const Point p : points)
        if (corners.empty() || !areNear(corners.back(), p))
            corners.push_back(p);
    if (corners.size() < 2)
        return refusedShapes(points.size() < 2 ? "Il faut au moins deux points."
                                               : "Les points sont tous confondus.");
    MadeShapes made;
    for (std::size_t i = 1; i < corners.size(); ++i)
        made.shapes.emplace_back(LineShape{corners[i - 1], corners[i]});
    return made;
}

MadeShapes arcThroughThreePoints(Point start, Point through, Point end) {
    if (areNear(start, through) || areNear(through, end) || areNear(start, end))
        return refusedShapes("Deux des trois points sont confondus.");
    if (aligned(start, through, end))
        return refusedShapes("Les trois points sont alignés.");
    const Point centre = circumcentre(start, through, end);
    // The arc runs counter-clockwise from `start` when `through` lies to the right of the
    // chord from start to end; otherwise it is the same arc drawn from `end`.
    const bool fromStart = cross(end - start, through - start) < 0;
    const double a0 = angleAroundDeg(centre, fromStart ? start : end);
    const double a1 = angleAroundDeg(centre, fromStart ? end : start);
    return {{ArcShape{centre, distance(centre, start), a0, normalizeDegrees(a1 - a0)}}, {}};
}

MadeShapes arcFromCentre(Point centre, Point start, Point end) {
    if (areNear(centre, start) || areNear(centre, end))
        return refusedShapes("Le point est confondu avec le centre.");
    const double a0 = angleAroundDeg(centre, start);
    const double a1 = angleAroundDeg(centre, end);
    const double sweep = normalizeDegrees(a1 - a0);
    if (sweep <= 1e-9 || sweep >= 360.0 - 1e-9)
        return refusedShapes("Le départ et l'arrivée sont dans la même direction.");
    return {{ArcShape{centre, distance(centre, start), a0, sweep}}, {}};
}

MadeShapes circleAt(Point centre, double radius) {
    if (!(radius > kLengthTolerance) || !std::isfinite(radius))
        return refusedShapes("Le rayon doit être positif.");
    return {{ArcShape{centre, radius, 0, 360}}, {}};
}

MadeShapes rectangleBetween(Point corner, Point opposite) {
    return roundedRectangleBetween(corner, opposite, 0);
}

MadeShapes roundedRectangleBetween(Point corner, Point opposite, double radius) {
    if (areNear(corner.x, opposite.x) || areNear(corner.y, opposite.y))
        return refusedShapes("Les deux coins sont sur une même horizontale ou verticale.");
    if (!(radius >= 0) || !std::isfinite(radius))
        return refusedShapes("Le rayon ne peut pas être négatif.");
    const double x0 = std::min(corner.x, opposite.x);
    const double x1 = std::max(corner.x, opposite.x);
    const double y0 = std::min(corner.y, opposite.y);
    const double y1 = std::max(corner.y, opposite.y);
    const double r = radius <= kLengthTolerance ? 0.0 : radius;
    if (2 * r > std::min(x1 - x0, y1 - y0) + kEps)
        return refusedShapes("Le rayon est trop grand pour ce rectangle.");

    // Counter-clockwise from the lower left corner: each side, then the corner after it.
    // A side the corners eat whole (2 r equal to it) is left out.
    MadeShapes made;
    const auto side = [&made](Point a, Point b) {
        if (!areNear(a, b))
            made.shapes.emplace_back(LineShape{a, b});
    };
    const auto roundCorner = [&made, r](Point centre, double startDeg) {
        if (r > 0)
            made.shapes.emplace_back(ArcShape{centre, r, startDeg, 90});
    };
    side({x0 + r, y0}, {x1 - r, y0});
    roundCorner({x1 - r, y0 + r}, 270);
    side({x1, y0 + r}, {x1, y1 - r});
    roundCorner({x1 - r, y1 - r}, 0);
    side({x1 - r, y1}, {x0 + r, y1});
    roundCorner({x0 + r, y1 - r}, 90);
    side({x0, y1 - r}, {x0, y0 + r});
    roundCorner({x0 + r, y0 + r}, 180);
    return made;
}

}  // namespace brontaxe::editing
