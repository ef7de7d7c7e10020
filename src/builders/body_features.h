#pragma once
// What every body half records and draws the same way, whatever its flaps: the machine passes
// of the glue flap and panels, and the hand-holes of the upper half.

#include "builders/blank_settings.h"
#include "builders/body_panels.h"
#include "builders/glue_flap.h"
#include "builders/machine_passes.h"
#include "drawing/drawing.h"

namespace brontaxe {

// Passes 0 to 4 (glue flap, panels) and the body height, added up over the halves in 16.
MachinePasses bodyPasses(const BodyGlueFlap& glue, const BodyPanels& b, float h);

// The hand-holes of an upper half, under the flap crease at height h: in the middle of
// panels 2 and 4 when p1 is not less than p2, else of panels 1 and 3; the second one is left
// out of a two-piece box, and a four-piece box has none. The panels start after `glue`.
void bodyHandHoles(Drawing& d, const BlankSettings& s, const BodyGlueFlap& glue,
                   const BodyPanels& b, float h);

}  // namespace brontaxe
