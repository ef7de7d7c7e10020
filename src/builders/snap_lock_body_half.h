#pragma once
#include "builders/blank_settings.h"
#include "builders/feature_placement.h"
#include "builders/glue_flap.h"
#include "builders/machine_passes.h"
#include "drawing/drawing.h"

namespace brontaxe {

// Which half of the body a drawing stands for: the machine passes of its flaps go to that
// half's entries, and only an upper half carries the hand-holes.
enum class BodyHalf { Upper, Lower };

struct SnapLockBody {
    float h = 0;  // body height above the flaps
    float p1 = 0, p2 = 0, p3 = 0, p4 = 0;
    float notch = 0;     // a6: notch of the principal flap
    float depth = 0;     // a7: principal flap depth, opposite tab width
    float shoulder = 0;  // a8: shoulders of the opposite flap
    float step = 0;      // a9: step of the side flaps
    float radius = 0;    // a10: rounding of the tab and of the steps
    BodyHalf half = BodyHalf::Lower;
    BodyGlueFlap glue;  // on the left of panel 1 (callers: glueFlapOf(m))
};

// The lower half of a body whose bottom flaps are shaped, drawn below y = 0: panels p1..p4 of
// height h, the principal flap on the wider of panels 1 and 2, the opposite flap two panels
// further and side flaps on the other two, each side flap deep next to the opposite flap and
// shallow next to the principal one (see the flap shapes).
MachinePasses SnapLockBodyHalf(Drawing& d, const SnapLockBody& body, const BlankSettings& s,
                               const FeaturePlacement& at = {});

}  // namespace brontaxe
