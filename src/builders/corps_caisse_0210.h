#pragma once
#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// A body half whose panel 1 carries a lid with a tuck-in flap: panels p1..p4 of half height h,
// lid of depth q hinged at the lip height `lip`, tuck-in flap T deep and p5 wide with corners
// rounded to min(r, T), dust flaps F high on panels 2 and 4, a lip on panel 3. The board
// thickness is the slot half-width and the lid's overhang. The glue flap hangs on panel 1, or
// after panel 4 when `pattesurtete` is set. Placed like a body half, mirrored for the lower.
void CorpsCaisse0210(Model& m, Drawing& d, float p1, float p2, float p3, float p4, float h, float q,
                     float T, float r, float F, float lip, float p5, float x, float y, float angle,
                     bool mirrored);

}  // namespace brontaxe
