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

// The glue flap a body half carries beside its first panel; a width of 0 leaves it out, and
// the first panel's edge is then a free edge.
struct BodyGlueFlap {
    float width = 0;
    float taper = 0;      // slant of the free end, degrees
    float extension = 0;  // how far it stands above the body (0: not at all)
};

// The shape a body half of height `height` draws for `glue`, its slot `slot` wide.
GlueFlapShape glueFlapShape(const BodyGlueFlap& glue, float height, float slot);

}  // namespace brontaxe
