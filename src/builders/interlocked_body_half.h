#pragma once
#include "builders/blank_settings.h"
#include "builders/feature_placement.h"
#include "builders/glue_flap.h"
#include "builders/machine_passes.h"
#include "drawing/drawing.h"

namespace brontaxe {

// The locking end of a 0207: a body half whose four flaps each fold along a 45 degree crease
// from the foot of their left edge and lose their top left corner, so that they turn in one
// after the other and lock without tape. Placed like a body half, mirrored for the lower end
// (mirrored).
struct InterlockedBody {
    float p1 = 0, p2 = 0, p3 = 0, p4 = 0;  // panel widths, left to right
    float h = 0;                           // half body height
    float f1 = 0;                          // flaps of panels 1 and 3
    float f2 = 0;                          // flaps of panels 2 and 4
    BodyGlueFlap glue;                     // on the left of panel 1 (callers: glueFlapOf(m))
};

MachinePasses InterlockedBodyHalf(Drawing& d, const InterlockedBody& body, const BlankSettings& s,
                                  const FeaturePlacement& at = {});

}  // namespace brontaxe
