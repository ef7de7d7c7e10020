#pragma once
#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// The locking end of a 0207: a body half of half height H/2 + Majo(5)/2 whose four flaps, of
// half the width (Majo(6) on panels 1 and 3, Majo(7) on panels 2 and 4), each fold along a 45
// degree crease from the foot of their left edge and lose their top left corner, so that they
// turn in one after the other and lock without tape. Placed like a body half, mirrored for
// the lower end.
void Corps0207(Model& m, Drawing& d, float p1, float p2, float p3, float p4, float x, float y,
               float angle, bool mirrored);

}  // namespace brontaxe
