#pragma once
// The three shaped bottom flaps of a body with a semi-automatic bottom. Each is drawn with its
// fold on y = 0 and the flap below it, from x = 0 to the panel width W, ends with the fold
// crease and is placed like any feature.

#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// The principal flap, a7 deep, bevelled by the board thickness at both ends, with a notch a6
// wide in its middle reaching up to D - a7.
void RabatPrincipal(Model& m, Drawing& d, float W, float a7, float a6, float D, float x, float y,
                    float angle, bool mirrored);

// The opposite flap: shoulders down to a8, a tab a7 wide down to D whose left corners are
// rounded to a10 when the tab side is longer than a10.
void RabatOppose(Model& m, Drawing& d, float W, float D, float a7, float a8, float a10, float x,
                 float y, float angle, bool mirrored);

// A side flap: E deep over its first half, stepping up to a9 at 45 degrees with the outer
// corner of the step rounded to a10; the step is vertical at W/2 when the flap is too narrow
// for the slope.
void RabatLateral(Model& m, Drawing& d, float W, float E, float a9, float a10, float x, float y,
                  float angle, bool mirrored);

}  // namespace brontaxe
