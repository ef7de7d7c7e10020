#include "styles/polyline.h"

#include <cmath>

#include "builders/emit.h"
#include "drawing/tolerances.h"

namespace brontaxe {
namespace {

// b - a turns back along a - before: collinear and opposite.
bool turnsBack(Point before, Point a, Point b) {
    const Point u = a - before;
    const Point v = b - a;
    const double cross = u.x * v.y - u.y * v.x;
    const double dot = u.x * v.x + u.y * v.y;
    return std::fabs(cross) < kHair * (distance(before, a) + distance(a, b)) && dot < 0;
}

}  // namespace

void polyline(Drawing& d, const std::vector<Point>& points) {
    if (points.empty())
        return;
    Point last = points.front();
    bool haveLine = false;
    Point lineStart = last;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const Point p = points[i];
        if (distance(last, p) < kHair)
            continue;
        if (haveLine && turnsBack(lineStart, last, p) &&
            distance(last, p) <= distance(lineStart, last) + kHair) {
            // Back over the slit just cut: carry on from its far end without cutting again.
            last = p;
            haveLine = false;
            continue;
        }
        line(d, static_cast<float>(last.x), static_cast<float>(last.y), static_cast<float>(p.x),
             static_cast<float>(p.y));
        lineStart = last;
        last = p;
        haveLine = true;
    }
}

}  // namespace brontaxe
