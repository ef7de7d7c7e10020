#pragma once
#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// One body half of a slotted box: four panels p1..p4 of half height h above y = 0, flaps f1
// on panels 1 and 3 and f2 on panels 2 and 4, slots at the panel creases, the glue flap on
// the left and, for the upper half, the hand-holes. Placed with (x, y, angle), mirrored across
// y = 0 for the lower half.
void CorpsCaisse(Model& m, Drawing& d, float p1, float p2, float p3, float p4, float h, float f1,
                 float f2, float x, float y, float angle, bool mirrored);

}  // namespace brontaxe
