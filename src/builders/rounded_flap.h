#pragma once
// A flap with rounded corners, hinged on a fold: locking ears, tuck flaps and lids whose free
// corner is a large arc so that it slides in without catching.

#include "builders/feature_placement.h"
#include "drawing/drawing.h"

namespace brontaxe {

// In its own coordinates the fold runs along y = 0 from x = 0 to `width` and the flap stands
// above it: the inner edge leans from (0, 0) to (inset, depth), the top edge runs at `depth`,
// and the outer corner is an arc of `radius` down to the outer edge at x = `width`.
struct RoundedFlapShape {
    float width = 0;
    float depth = 0;
    float radius = 0;  // outer corner; cut back to the room the flap has
    float fillet = 0;  // inner corner between the inner and top edges; cut back likewise
    float inset = 0;
    bool creasedFold = true;  // the fold is a crease; false leaves it to the caller
};

// Draws the flap and places it. Throws GenerationError for a flap of no size or an inner
// edge leaning past the outer one.
void RoundedFlap(Drawing& d, const RoundedFlapShape& flap, const FeaturePlacement& at = {});

}  // namespace brontaxe
