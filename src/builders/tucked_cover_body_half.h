#pragma once
#include "builders/blank_settings.h"
#include "builders/feature_placement.h"
#include "builders/glue_flap.h"
#include "builders/machine_passes.h"
#include "drawing/drawing.h"

namespace brontaxe {

// A body half of a 0208: the flaps of panels 1 and 3 (of panels 2 and 4 for `TuckedPanels::Even`)
// are covers `cover` deep that end in a tuck-in flap `tuck` deep, narrowed on each side by
// the board thickness less half of `tuckInAllowance` and bevelled at its corners, which slides
// down inside the far wall; the two other panels carry dust flaps `dust` high. Placed like a body
// half, mirrored for the lower half.
enum class TuckedPanels {
    Odd,   // covers on panels 1 and 3
    Even,  // covers on panels 2 and 4
};

struct TuckedCoverBody {
    float p1 = 0, p2 = 0, p3 = 0, p4 = 0;  // panel widths, left to right
    float h = 0;                           // half body height
    float cover = 0;
    float tuck = 0;  // depth of the tuck-in flap beyond the cover
    float dust = 0;
    TuckedPanels covers = TuckedPanels::Odd;
    float tuckInAllowance = 0;  // what the tuck-in flaps gain in width
    BodyGlueFlap glue;          // on the left of panel 1 (callers: glueFlapOf(m))
};

MachinePasses TuckedCoverBodyHalf(Drawing& d, const TuckedCoverBody& body, const BlankSettings& s,
                                  const FeaturePlacement& at = {});

}  // namespace brontaxe
