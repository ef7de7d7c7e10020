#pragma once
#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// A body half of a 0208: the flaps of panels 1 and 3 (of panels 2 and 4 when `tuckOnEven`)
// are covers `cover` deep that end in a tuck-in flap `hpatrent` deep, narrowed on each side by
// the board thickness less half of Majo(8) and bevelled at its corners, which slides down
// inside the far wall; the two other panels carry dust flaps `dust` high. Placed like a body
// half, mirrored for the lower half.
void Corps0208(Model& m, Drawing& d, float p1, float p2, float p3, float p4, float h, float cover,
               float dust, bool tuckOnEven, float x, float y, float angle, bool mirrored);

}  // namespace brontaxe
