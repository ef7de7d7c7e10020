#pragma once
// The measure tools: a distance between two points and an angle at a vertex.

#include "drawing/geometry.h"

namespace brontaxe::editing {

struct DistanceMeasure {
    double distance = 0;
    double dx = 0;
    double dy = 0;
    double angleDeg = 0;  // of the direction from the first point to the second, [0, 360)
};
DistanceMeasure measureDistance(Point a, Point b);

// The angle at `vertex` from the ray towards `a` to the ray towards `b`, in [0, 180] degrees.
double measureAngle(Point vertex, Point a, Point b);

}  // namespace brontaxe::editing
