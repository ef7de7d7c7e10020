#pragma once
// Outlines given as their corners, for the styles drawn line by line.

#include <vector>

#include "drawing/drawing.h"
#include "drawing/geometry.h"

namespace brontaxe {

// Lines through the points in turn, in the current line kind. A step of no length is left
// out, and so is a step back along the one before it: where a set-back or a slot is 0 the two
// edges beside it are one slit, drawn once.
void polyline(Drawing& d, const std::vector<Point>& points);

}  // namespace brontaxe
