#pragma once
// Extra creases drawn over a finished blank from the user's crease list, each stopped at the
// blank's cut outline so that it never runs across a cut-out or beyond the blank.

#include <string_view>

#include "drawing/drawing.h"

namespace brontaxe {

enum class CreaseDirection { Horizontal, Vertical };

// One crease `offset` above the bottom (horizontal) or right of the left edge (vertical) of
// the blank, drawn as the segments that lie inside the cut outline: between the 1st and 2nd
// cut crossing, the 3rd and 4th, and so on. Crossings closer than 0.2 mm count once, except
// two of the same arc (a crease touching a round hole). A crease on or beyond the blank's
// edge draws nothing. The segments are not registered.
void CreaseBetweenCuts(Drawing& d, float offset, CreaseDirection direction);

// The crease list "width part/length part" over a blank, mirrored or not.
struct ExtraCreasesShape {
    std::string_view list;
    bool mirrored = false;  // the blank was turned over: the width chain goes on its right
};

// A horizontal crease at each running sum of the width positions but the last, the chain of
// their dimensions left of the blank (right of it when mirrored); vertical creases and their
// chain above the blank from the length part. A part with a single position draws nothing.
void ExtraCreases(Drawing& d, const ExtraCreasesShape& creases);

}  // namespace brontaxe
