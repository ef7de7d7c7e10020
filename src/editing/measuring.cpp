#include "editing/measuring.h"

#include <cmath>

namespace brontaxe::editing {

DistanceMeasure measureDistance(Point a, Point b) {
    const Point d = b - a;
    const double angle = normalizeDegrees(toDegrees(std::atan2(d.y, d.x)));
    return {length(d), d.x, d.y, angle};
}

double measureAngle(Point vertex, Point a, Point b) {
    const Point u = a - vertex;
    const Point v = b - vertex;
    if (length(u) < kEps || length(v) < kEps)
        return 0;
    return toDegrees(std::atan2(std::abs(cross(u, v)), dot(u, v)));
}

}  // namespace brontaxe::editing
