#pragma once
// The shapes the drawing tools add, from the points the user gives.

#include <optional>
#include <string>
#include <vector>

#include "drawing/element.h"

namespace brontaxe::editing {

struct MadeShapes {
    std::vector<Shape> shapes;  // empty when refused
    std::string refusal;        // French
};

MadeShapes lineBetween(Point a, Point b);                      // refused when a == b
MadeShapes polylineThrough(const std::vector<Point>& points);  // one line a span
MadeShapes arcThroughThreePoints(Point start, Point through, Point end);
// Counter-clockwise from the direction of `start` to that of `end` about `centre`, radius
// |start - centre|.
MadeShapes arcFromCentre(Point centre, Point start, Point end);
MadeShapes circleAt(Point centre, double radius);
MadeShapes rectangleBetween(Point corner, Point opposite);  // four lines
// Four lines and four quarter arcs; refused when 2 x radius exceeds a side.
MadeShapes roundedRectangleBetween(Point corner, Point opposite, double radius);

}  // namespace brontaxe::editing
