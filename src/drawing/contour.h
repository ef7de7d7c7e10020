#pragma once
// The outer contour of a blank's cut lines and the area it encloses: the linework is joined
// where ends meet within a snapping tolerance, noded, turned into faces and merged; the
// contour is the outside of that union, so inner cut-outs such as hand-holes do not count.

#include <vector>

#include "drawing/element.h"
#include "drawing/geometry.h"
#include "drawing/join_tolerance.h"

namespace brontaxe {

struct OuterContourResult {
    std::vector<std::vector<Point>> rings;  // one closed ring per separate piece
    double area = 0;                        // mm², holes not subtracted
};

// Chord tolerance of the arcs of a cut outline. The chords cut off about 2/3 x tolerance x arc
// length: a few mm² for the rounded corners of a blank, far inside 0.1 % of its area, with
// half the chords a 0.01 mm tolerance needs (the chords are most of a rounded blank's cost).
inline constexpr double kContourArcTolerance = 0.05;

// Chords of an arc, none straying more than `tolerance` from the true curve.
std::vector<Segment> flattenArc(const ArcShape& arc, double tolerance);

OuterContourResult outerContour(const std::vector<Segment>& linework,
                                double snapTolerance = kJoinTolerance);

}  // namespace brontaxe
