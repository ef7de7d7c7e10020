#pragma once
// A hand-hole whose lines take the kind the caller asks for: cut out, perforated to be pushed
// out, or hinged on its upper edge so that it pushes in as a flap.

#include <cstdint>

#include "builders/feature_placement.h"
#include "drawing/drawing.h"

namespace brontaxe {

// In its own coordinates the upper edge runs along y = 0, centred on x = 0, and the hole
// hangs below it: `length` long and `height` high, with round ends.
struct VariableHandHoleCutShape {
    float length = 0;
    float height = 0;
    LineKind lineKind = kind::Cut;
    std::int16_t lineVariant = 1;
    bool hingedUpperEdge = false;  // the upper edge is a crease instead
};

// The board a hand-hole keeps from the creases and the outline around it: 10 mm, or three
// board thicknesses. Closer, the board tears into the hole when the box is lifted.
float handHoleLand(float thickness);

// How far below a wall's free edge a hole `height` high hangs in a wall `wall` high: `drop`,
// moved so that the hole keeps `land` from the free edge and from the crease at the wall's
// foot. Only meaningful when height + 2 * land <= wall.
float handHoleDrop(float drop, float height, float wall, float land);

// Draws the hole and places it: its upper edge's middle goes to (at.x, at.y). Throws
// GenerationError for a hole with no height or shorter than it is high.
void VariableHandHoleCut(Drawing& d, const VariableHandHoleCutShape& hole,
                         const FeaturePlacement& at = {});

}  // namespace brontaxe
