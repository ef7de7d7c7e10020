#pragma once
#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// The glue flap of a body half: width w, height h, slot half-width a beside the first crease,
// slanted end at `angle` degrees, optional extension above the body.
void PatteCollage(Model& m, Drawing& d, float w, float h, float a, float angle, float extension,
                  float x, float y, float angle2, bool mirrored);

}  // namespace brontaxe
