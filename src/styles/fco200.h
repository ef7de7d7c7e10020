#pragma once
// Slotted boxes (the 02 family).

#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// 0201, the regular slotted case: two mirrored body halves with glue flap, slots and flaps of
// half the width, and its dimension chains.
void Fco0201(Model& m, Drawing& d);

}  // namespace brontaxe
