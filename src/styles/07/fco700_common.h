#pragma once
// What the ready-glued cases share: their body, the crash-lock bottom drawn as the lower half,
// and the dimension chains.

#include <array>

#include "builders/crash_lock_body_half.h"
#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// The glued trays' allowances (0715 to 0718, 0759 to 0761): on the base and the walls.
struct GlueTrayAllowances {
    float length;  // 1: the base's length
    float width;   // 2: the base's width
    float height;  // 5: the walls
};
GlueTrayAllowances glueTrayAllowances(const Model& m);

struct GluedBody {
    std::array<float, 4> panels{};  // left to right, width first when `pattesurtete` is set
    float h = 0;                    // half body height
    CrashLockSizes bottom;
};

// Panels L + m1, W + m2, L + m3, W + m4 (L and W exchanged when the glue flap sits on the
// width panel), half height (H + m5) / 2, and the crash-lock bottom those panels take.
GluedBody gluedBody(const Model& m);

// A glued case is one piece: the bottom's flaps are glued across its corners.
void refusePieceVariants(const Model& m);

// The crash-lock bottom as the lower half of the body.
void drawCrashLockBottom(Model& m, Drawing& d, const GluedBody& b);

// How far the crash-lock bottom reaches below the body.
float crashLockDepth(const GluedBody& b);

// Passes reversed when mirrored, then the chains: bottom, body and the top closure's height.
// The glue flap's width starts the row under the blank only when it hangs on the left.
void finishGluedCase(Model& m, Drawing& d, int code, const GluedBody& b, float top,
                     bool glueOnLeft = true);

}  // namespace brontaxe
