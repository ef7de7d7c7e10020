#pragma once
// A body half whose flaps each have a shape of their own: the panels, their creases, the slots
// between the flaps and the glue flap are those of the plain body half, and each panel's flap
// is drawn by the caller's shape.

#include <array>
#include <functional>

#include "builders/blank_settings.h"
#include "builders/feature_placement.h"
#include "builders/glue_flap.h"
#include "builders/machine_passes.h"
#include "drawing/drawing.h"

namespace brontaxe {

// Draws one flap standing on y = h between the feet `left` and `right`. The cut chain is
// already at (right, h) when it is called and must end at (left, h); the shape may then draw
// anything else it needs (its fold crease, creases across it, holes).
using FlapShape = std::function<void(Drawing&, float left, float right, float h)>;

// A plain flap `height` high with its fold crease; no flap at all when `height` is 0.
FlapShape plainFlap(float height);

struct ShapedBody {
    std::array<float, 4> panels{};   // widths, left to right
    float h = 0;                     // half body height
    std::array<FlapShape, 4> flaps;  // flaps[i] stands on panel i
    BodyGlueFlap glue;               // on the left of panel 1 (callers: glueFlapOf(m))
};

// The panels of half height h above y = 0 with the slots of the settings between them and
// the glue flap on the left, each carrying its flap, and for the upper half the hand-holes of
// the body. Returns the machine passes of the panels (flap passes are the caller's). A mirrored
// placement draws the lower half.
MachinePasses ShapedBodyHalf(Drawing& d, const ShapedBody& body, const BlankSettings& s,
                             const FeaturePlacement& at = {});

}  // namespace brontaxe
