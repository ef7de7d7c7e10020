#pragma once
// A body half whose flaps each have a shape of their own: the panels, their creases, the slots
// between the flaps and the glue flap are those of the plain body half, and each panel's flap
// is drawn by the caller's shape.

#include <array>
#include <functional>

#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// Draws one flap standing on y = h between the feet `left` and `right`. The cut chain is
// already at (right, h) when it is called and must end at (left, h); the shape may then draw
// anything else it needs (its fold crease, creases across it, holes).
using FlapShape = std::function<void(Model&, Drawing&, float left, float right, float h)>;

// A plain flap `height` high with its fold crease; no flap at all when `height` is 0.
FlapShape plainFlap(float height);

// Panels p1..p4 of half height h above y = 0 with the slots of `DemiEncoches` between them and
// the glue flap on the left; panel i carries flaps[i]. Records the machine passes of the
// panels (flap passes are the caller's), and for the upper half the hand-holes of the body.
// Placed with (x, y, angle), mirrored across y = 0 for the lower half.
void ShapedBodyHalf(Model& m, Drawing& d, const std::array<float, 4>& panels, float h,
                    const std::array<FlapShape, 4>& flaps, float x, float y, float angle,
                    bool mirrored);

}  // namespace brontaxe
