#pragma once
#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// The dimension chains of a slotted blank: panel widths and overall length under the blank,
// flap, body and flap heights and overall height on its right.
void CotesCaisse(Model& m, Drawing& d, int styleCode, float glueWidth, float p1, float p2, float p3,
                 float p4, float flapBelow, float body, float flapAbove);

}  // namespace brontaxe
