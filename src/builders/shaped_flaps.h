#pragma once
// The three shaped bottom flaps of a body with a semi-automatic bottom. Each is drawn with its
// fold on y = 0 and the flap below it, from x = 0 to the panel width W, ends with the fold
// crease and is placed like any feature.

#include "builders/feature_placement.h"
#include "drawing/drawing.h"

namespace brontaxe {

// The principal flap, `depth` deep, bevelled by the board `thickness` at both ends, with a notch
// `notch` wide in its middle reaching up to reach - depth.
struct PrincipalFlapShape {
    float width = 0;
    float depth = 0;  // a7
    float notch = 0;  // a6
    float reach = 0;  // D
};
void PrincipalFlap(Drawing& d, const PrincipalFlapShape& flap, float thickness,
                   const FeaturePlacement& at = {});

// The opposite flap: shoulders down to `shoulder`, a tab `tab` wide down to `depth` whose
// corners are rounded to `radius` when the tab side is longer than `radius`.
struct OppositeFlapShape {
    float width = 0;
    float depth = 0;     // D
    float tab = 0;       // a7
    float shoulder = 0;  // a8
    float radius = 0;    // a10
};
void OppositeFlap(Drawing& d, const OppositeFlapShape& flap, const FeaturePlacement& at = {});

// A side flap: `depth` deep over its first half, stepping up to `step` at 45 degrees with the
// outer corner of the step rounded to `radius`, bevelled by the board `thickness` at its start;
// the step is vertical at width / 2 when the flap is too narrow for the slope.
struct SideFlapShape {
    float width = 0;
    float depth = 0;   // E
    float step = 0;    // a9
    float radius = 0;  // a10
};
void SideFlap(Drawing& d, const SideFlapShape& flap, float thickness,
              const FeaturePlacement& at = {});

}  // namespace brontaxe
