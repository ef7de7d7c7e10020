#pragma once
#include "builders/feature_placement.h"
#include "drawing/drawing.h"

namespace brontaxe {

// The glue flap of a body half, drawn with its fold on x = 0 from y = 0 to `height`.
struct GlueFlapShape {
    float width = 0;
    float height = 0;
    float slot = 0;       // slot half-width beside the first crease
    float taper = 0;      // slant of the free end, degrees
    float extension = 0;  // how far it stands above the body (0: not at all)
};

void GlueFlap(Drawing& d, const GlueFlapShape& flap, const FeaturePlacement& at = {});

}  // namespace brontaxe
