#include "drawing/fillet.h"

#include <algorithm>
#include <cmath>

namespace brontaxe {
namespace {

// Which end of a line lies at the corner.
struct CornerSide {
    Point far;
    bool nearIsA;
};

CornerSide cornerSide(const LineShape& l, Point corner) {
    const bool nearIsA = distance(l.a, corner) <= distance(l.b, corner);
    return {nearIsA ? l.b : l.a, nearIsA};
}

bool sharedEnd(const LineShape& l1, const LineShape& l2) {
    return areNear(l1.a, l2.a) || areNear(l1.a, l2.b) || areNear(l1.b, l2.a) || areNear(l1.b, l2.b);
}

std::optional<Point> lineIntersection(const LineShape& l1, const LineShape& l2) {
    const Point d1 = l1.b - l1.a;
    const Point d2 = l2.b - l2.a;
    const double denom = cross(d1, d2);
    if (std::fabs(denom) <= kEps * length(d1) * length(d2))
        return std::nullopt;
    const double t = cross(l2.a - l1.a, d2) / denom;
    return l1.a + d1 * t;
}

FilletCorner fault(const LineShape& first, const LineShape& second, FilletFault why) {
    return {first, second, std::nullopt, why};
}

// The arc from one tangent point to the other, the short way round.
ArcShape arcBetween(Point centre, double radius, Point t1, Point t2) {
    const double a1 = toDegrees(std::atan2(t1.y - centre.y, t1.x - centre.x));
    const double a2 = toDegrees(std::atan2(t2.y - centre.y, t2.x - centre.x));
    const double forward = normalizeDegrees(a2 - a1);
    const bool fromFirst = forward <= 180.0;
    const double start = fromFirst ? a1 : a2;
    const double sweep = fromFirst ? forward : normalizeDegrees(a1 - a2);
    return ArcShape{centre, radius, normalizeDegrees(start), sweep};
}

}  // namespace

FilletCorner filletCorner(const LineShape& first, const LineShape& second, double radius) {
    if (!(radius >= 0))
        return fault(first, second, FilletFault::NegativeRadius);
    // A zero radius leaves a sharp corner: the lines are brought to meet, no arc is made.
    if (radius == 0 && sharedEnd(first, second))
        return {first, second, std::nullopt, FilletFault::None};
    if (areNear(first.a, first.b) || areNear(second.a, second.b))
        return fault(first, second, FilletFault::ZeroLength);
    const auto corner = lineIntersection(first, second);
    if (!corner)
        return fault(first, second, FilletFault::Parallel);
    const CornerSide s1 = cornerSide(first, *corner);
    const CornerSide s2 = cornerSide(second, *corner);
    const Point u1 = (s1.far - *corner) * (1.0 / length(s1.far - *corner));
    const Point u2 = (s2.far - *corner) * (1.0 / length(s2.far - *corner));
    const double opening = std::acos(std::clamp(dot(u1, u2), -1.0, 1.0));
    if (opening <= kEps || opening >= kPi - kEps)
        return fault(first, second, FilletFault::Aligned);
    const double tangent = radius / std::tan(opening / 2);
    if (tangent > distance(s1.far, *corner) + kEps || tangent > distance(s2.far, *corner) + kEps)
        return fault(first, second, FilletFault::RadiusTooLarge);

    FilletCorner out{first, second, std::nullopt, FilletFault::None};
    const Point t1 = *corner + u1 * tangent;
    const Point t2 = *corner + u2 * tangent;
    (s1.nearIsA ? out.first.a : out.first.b) = t1;
    (s2.nearIsA ? out.second.a : out.second.b) = t2;
    if (radius == 0)
        return out;
    Point bisector = u1 + u2;
    bisector = bisector * (1.0 / length(bisector));
    const Point centre = *corner + bisector * (radius / std::sin(opening / 2));
    out.arc = arcBetween(centre, radius, t1, t2);
    return out;
}

}  // namespace brontaxe
