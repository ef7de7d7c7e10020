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

MadeShapes lineBetween(Point a, Point b);  // refused when a == b
// One line a span; a point repeating the one before it (a double click) is passed over.
MadeShapes polylineThrough(const std::vector<Point>& points);
// The arc from `start` through `through` to `end`, stored counter-clockwise (it starts at
// `end` when the points turn clockwise). Refused when two points coincide or all three are
// aligned.
MadeShapes arcThroughThreePoints(Point start, Point through, Point end);
// Counter-clockwise from the direction of `start` to that of `end` about `centre`, radius
// |start - centre|; `end` gives only the direction. Refused when a point is the centre or
// both are in the same direction.
MadeShapes arcFromCentre(Point centre, Point start, Point end);
MadeShapes circleAt(Point centre, double radius);  // one arc of 360 degrees from 0
// Four lines counter-clockwise from the lower left corner, the lower side first; refused when
// the corners share an x or a y.
MadeShapes rectangleBetween(Point corner, Point opposite);
// Each side followed by the quarter arc of the corner after it, in the order of
// rectangleBetween; radius 0 gives the plain rectangle, and a side the corners take whole
// (2 x radius equal to it) is left out. Refused when 2 x radius exceeds a side.
MadeShapes roundedRectangleBetween(Point corner, Point opposite, double radius);

}  // namespace brontaxe::editing
