#pragma once
// A hand-hole whose lines take the kind the caller asks for: cut out, perforated to be pushed
// out, or hinged on its upper edge so that it pushes in as a flap.

#include <cstdint>

#include "builders/feature_placement.h"
#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// In its own coordinates the upper edge runs along y = 0, centred on x = 0, and the hole
// hangs below it: `length` long and `height` high, with round ends.
struct VariableHandHole {
    float length = 0;
    float height = 0;
    std::int16_t lineKind = kind::Cut;
    std::int16_t lineVariant = 1;
    bool hingedUpperEdge = false;  // the upper edge is a crease instead
};

// Draws the hole and places it: its upper edge's middle goes to (at.x, at.y). Throws
// GenerationError for a hole with no height or shorter than it is high.
void VariableHandHoleCut(Model& m, Drawing& d, const VariableHandHole& hole,
                         const FeaturePlacement& at = {});

}  // namespace brontaxe
