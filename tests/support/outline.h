#pragma once
// Checks shared by every style's tests: the cut outline of a blank is closed, and queries
// that find the lines of a blank by kind and place.

#include <gtest/gtest.h>

#include <vector>

#include "drawing/drawing.h"

namespace brontaxe::test {

// Every end of a cut line or arc meets the end of another cut element (within 0.01 mm).
// On failure, lists the loose ends.
::testing::AssertionResult cutOutlineIsClosed(const Drawing& d);
// The cut ends that meet no other cut end (within 0.01 mm): the free ends of relief cuts, or
// the faults of an open outline.
std::vector<Point> looseCutEnds(const Drawing& d);

// As cutOutlineIsClosed, but a cut may also end where two creases end: a cut that runs into
// the corner where two folds meet leaves nothing loose, since the board on both sides of it
// stays joined through the folds (the corner of a lid's hinge beside a dust flap).
::testing::AssertionResult cutOutlineIsClosedOrEndsOnFolds(const Drawing& d);

// The cut lines and arcs (as fine chords) of a drawing, as the outer contour reads them.
std::vector<Segment> cutLinework(const Drawing& d);

std::vector<LineShape> linesOfKind(const Drawing& d, LineKind lineKind);
std::vector<ArcShape> arcsOfKind(const Drawing& d, LineKind lineKind);
std::vector<DimensionShape> dimensions(const Drawing& d);

// Lines of the kind lying on the horizontal y = value (both ends), sorted by their left end.
std::vector<LineShape> horizontalLinesAt(const Drawing& d, LineKind lineKind, double y);
// Lines of the kind lying on the vertical x = value.
std::vector<LineShape> verticalLinesAt(const Drawing& d, LineKind lineKind, double x);

// Pairs of lines of one kind (cuts unless told) that lie on one line and share more than
// 0.01 mm: a line drawn twice.
::testing::AssertionResult noLineDrawnTwice(const Drawing& d, LineKind lineKind = kind::Cut);

// True when some dimension measures from a to b (either way round).
bool hasDimension(const Drawing& d, Point a, Point b, double eps = 0.01);

}  // namespace brontaxe::test
