#pragma once
#include "builders/blank_settings.h"
#include "builders/feature_placement.h"
#include "builders/glue_flap.h"
#include "builders/machine_passes.h"
#include "drawing/drawing.h"

namespace brontaxe {

// A body half whose panel 1 carries a lid with a tuck-in flap: panels p1..p4 of half height h,
// lid of depth q hinged at the lip height `lip`, tuck-in flap T deep and p5 wide with corners
// rounded to min(r, T), dust flaps F high on panels 2 and 4, a lip on panel 3. The board
// thickness is the slot half-width and the lid's overhang. `glue` hangs on panel 1, or after
// panel 4 when `glueAfterPanel4` is set. Placed like a body half, mirrored for the lower.
struct LidBody {
    float p1 = 0, p2 = 0, p3 = 0, p4 = 0;
    float h = 0;        // half body height
    float q = 0;        // lid depth
    float T = 0;        // tuck-in depth
    float r = 0;        // tuck-in corner radius
    float F = 0;        // dust flaps
    float lip = 0;      // lid hinge above the body
    float p5 = 0;       // tuck-in width
    BodyGlueFlap glue;  // callers: glueFlapOf(m)
    // The glue flap after panel 4 rather than before panel 1 (callers: `pattesurtete`).
    bool glueAfterPanel4 = false;
};

MachinePasses LiddedBodyHalf(Drawing& d, const LidBody& body, const BlankSettings& s,
                             const FeaturePlacement& at = {});

}  // namespace brontaxe
