#pragma once
// The automatic (crash-lock) bottom of a ready-glued case: a body half whose four bottom flaps
// are glued to one another across the two corners the case is folded flat on, so that opening
// the case swings the bottom into place and its hooks lock.

#include <array>
#include <string>

#include "builders/blank_settings.h"
#include "builders/feature_placement.h"
#include "builders/glue_flap.h"
#include "builders/machine_passes.h"
#include "drawing/drawing.h"

namespace brontaxe {

// Lock constants: the hook of a lock flap reaches `kLockTongue` past the middle of the bottom
// over half its width, the other half stops `kLockClearance` short of it, so the two hooks
// catch behind each other.
inline constexpr float kLockTongue = 12;
inline constexpr float kLockClearance = 5;

struct CrashLockSizes {
    float lockDepth = 0;  // lock flaps (panels 1 and 3): from the fold to the middle of the bottom
    float glueDepth = 0;  // glued flaps (panels 2 and 4): depth of the flap and of its 45° fold
    float tongue = kLockTongue;
    float clearance = kLockClearance;
};

// The bottom of a case whose panels are p1..p4: lock flaps reach the middle of the bottom
// across panel 2, glued flaps half the narrower side of the bottom.
CrashLockSizes crashLockSizes(const std::array<float, 4>& panels);

// Why these sizes cannot make a bottom that locks between slots of half-widths `slots`, or empty
// when they can.
std::string crashLockFault(std::pair<float, float> slots, const std::array<float, 4>& panels,
                           const CrashLockSizes& s);

struct CrashLockBody {
    std::array<float, 4> panels{};  // widths, left to right
    float h = 0;                    // half body height
    CrashLockSizes lock;
    BodyGlueFlap glue;  // on the left of panel 1 (callers: glueFlapOf(m))
};

// A body half (glue flap on the left) with the crash-lock flaps above y = h: lock flaps on panels 1
// and 3, and on panels 2 and 4 flaps with a 45° fold from the corner the case is folded flat on
// (after panels 1 and 3) whose triangle beyond the fold is glued to the lock flap. Placed like a
// body half; the generators draw it mirrored below the body. Returns the body's passes with the
// bottom flaps of the lower half.
MachinePasses CrashLockBodyHalf(Drawing& d, const CrashLockBody& body, const BlankSettings& s,
                                const FeaturePlacement& at = {});

}  // namespace brontaxe
