#pragma once
#include "builders/blank_settings.h"
#include "builders/feature_placement.h"
#include "builders/glue_flap.h"
#include "builders/machine_passes.h"
#include "drawing/drawing.h"

namespace brontaxe {

// The panels and flaps of one body half of a slotted box.
struct SlottedBody {
    float p1 = 0, p2 = 0, p3 = 0, p4 = 0;  // panel widths, left to right
    float h = 0;                           // half body height
    float f1 = 0;                          // flaps of panels 1 and 3
    float f2 = 0;                          // flaps of panels 2 and 4
    BodyGlueFlap glue;                     // on the left of panel 1 (callers: glueFlapOf(m))
};

// One body half of a slotted box: four panels of half height h above y = 0, flaps f1 on panels
// 1 and 3 and f2 on panels 2 and 4, slots at the panel creases, `glue` on the left and,
// for the upper half, the hand-holes. A mirrored placement draws the lower half: its machine
// passes go to the lower entries and it has no hand-holes.
MachinePasses SlottedBodyHalf(Drawing& d, const SlottedBody& body, const BlankSettings& s,
                              const FeaturePlacement& at = {});

}  // namespace brontaxe
