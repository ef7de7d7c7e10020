#pragma once
#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// The lower half of a body whose bottom flaps are shaped, drawn below y = 0: panels p1..p4 of
// height h, the principal flap on the wider of panels 1 and 2, the opposite flap two panels
// further and side flaps on the other two, each side flap deep next to the opposite flap and
// shallow next to the principal one. a6..a10 size the flaps (see the flap shapes). Machine
// passes of the flaps go to the lower entries when `lowerHalf` is set; only an upper half
// (`lowerHalf` clear) carries the hand-holes.
void RabatsCouvercle(Model& m, Drawing& d, float h, float p1, float p2, float p3, float p4,
                     float a6, float a7, float a8, float a9, float a10, float x, float y,
                     float angle, bool lowerHalf);

}  // namespace brontaxe
