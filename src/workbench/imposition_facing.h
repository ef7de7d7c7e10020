#pragma once
// How close a copy turned half a turn may come to the blank it faces, read from the blank's
// cut lines, so that a nesting rule never puts one pose inside another.

#include <vector>

#include "drawing/drawing.h"

namespace brontaxe {

// The cut lines of the blank (the first pose), arcs as chords.
std::vector<Segment> blankCutSegments(const Drawing& d);
// Every rule of the blank (cuts, creases, perforations, half-cuts), arcs as chords.
std::vector<Segment> blankRuleSegments(const Drawing& d);

// The smallest offset in y of a copy turned half a turn and moved by (backX, offset) above
// the blank so that their cut lines do not cross: facing upper sides when `upperSides` (the
// copy above the blank), lower sides otherwise (the blank above the copy). Lower than any
// real offset when the two never face each other.
double facingOffset(const Drawing& d, double backX, bool upperSides);

}  // namespace brontaxe
