#pragma once
// The whole drawing turned over about a vertical line, for blanks printed on the reverse.

#include "drawing/drawing.h"

namespace brontaxe {

// Angle an element takes when mirrored about a vertical line: lines, dimensions and sheets go
// to 180 - angle, arcs to 180 - start - sweep (the same arc run the other way round), symbols
// to 360 - angle; texts keep theirs so that they stay readable. In [0, 360).
double mirroredAngle(ShapeType type, double angle, double sweep);

// Mirrors every element: x becomes axis - x, so axis 0 mirrors about the y axis and
// xmin + xmax mirrors the blank in place. Dimensions keep measuring the mirrored points and
// their reference points are mirrored too; a text moves to its mirrored place but keeps its
// angle.
void mirrorAcrossVertical(float axis, Drawing& d);

}  // namespace brontaxe
