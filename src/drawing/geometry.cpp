#include "drawing/geometry.h"

#include <algorithm>

namespace brontaxe {

double normalizeDegrees(double degrees) {
    double a = std::fmod(degrees, 360.0);
    if (a < 0)
        a += 360.0;
    if (a >= 360.0)
        a -= 360.0;
    return a;
}

Point rotate(Point p, double degrees) {
    const double r = toRadians(degrees);
    const double c = std::cos(r);
    const double s = std::sin(r);
    return {p.x * c - p.y * s, p.x * s + p.y * c};
}

Point pointOnCircle(Point centre, double radius, double degrees) {
    const double r = toRadians(degrees);
    return {centre.x + radius * std::cos(r), centre.y + radius * std::sin(r)};
}

void Box::add(Point p) {
    if (empty) {
        xmin = xmax = p.x;
        ymin = ymax = p.y;
        empty = false;
        return;
    }
    xmin = std::min(xmin, p.x);
    xmax = std::max(xmax, p.x);
    ymin = std::min(ymin, p.y);
    ymax = std::max(ymax, p.y);
}

void Box::add(const Box& other) {
    if (other.empty)
        return;
    add(Point{other.xmin, other.ymin});
    add(Point{other.xmax, other.ymax});
}

}  // namespace brontaxe
