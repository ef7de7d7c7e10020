#pragma once
// The outer contour of a blank's cut lines and the area it encloses: the linework is joined
// where ends meet within a snapping tolerance, noded, turned into faces and merged; the
// contour is the outside of that union, so inner cut-outs such as hand-holes do not count.

#include <vector>

#include "drawing/element.h"
#include "drawing/geometry.h"
#include "drawing/tolerances.h"

namespace brontaxe {

struct OuterContourResult {
    std::vector<std::vector<Point>> rings;  // one closed ring per separate piece
    double area = 0;                        // mm², holes not subtracted
};

// Chords of an arc, none straying more than `tolerance` from the true curve.
std::vector<Segment> flattenArc(const ArcShape& arc, double tolerance);

OuterContourResult outerContour(const std::vector<Segment>& linework,
                                double snapTolerance = kJoinTolerance);

}  // namespace brontaxe
