#pragma once
// Checks on an imposed drawing: the poses as separate sets of cut lines, and whether any pose
// reaches into another.

#include <gtest/gtest.h>

#include <vector>

#include "drawing/drawing.h"

namespace brontaxe::test {

// The cut lines of each pose (arcs flattened): the blank first, then each copy in the order
// addPoses made them.
std::vector<std::vector<Segment>> poseCuts(const Drawing& d);

Box boxOf(const std::vector<Segment>& cuts);

// No cut line of one pose crosses a cut line of another, and none lies inside another pose's
// outline. On failure, names the two poses and a point.
::testing::AssertionResult posesDoNotOverlap(const Drawing& d);

// The outer contour of each pose (inner cut-outs left out), as its edges.
std::vector<std::vector<Segment>> poseOuterContours(const Drawing& d);

// No pose's outer contour crosses another's or lies inside it: the poses can be cut from
// one sheet whatever their inner cut-outs.
::testing::AssertionResult outerContoursDoNotOverlap(const Drawing& d);

}  // namespace brontaxe::test
