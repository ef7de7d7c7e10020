#pragma once
#include <vector>

#include "builders/body_panels.h"
#include "builders/feature_placement.h"
#include "builders/machine_passes.h"
#include "drawing/drawing.h"

namespace brontaxe {

// A whole sleeve of full height H: a glue flap G wide whose two ends are slanted by `taper`
// degrees, then panels P1..P4. A two-piece box keeps P1 and P2 and cuts the far
// end; a four-piece box keeps one panel (P2's width when each piece is a second panel),
// piece 3 has no glue flap and piece 4 a second one on the right. When the ends are so steep
// that they meet before the free edge, the flap is a triangle; from 90 degrees on there is no
// flap and its fold is cut.
// The panels a sleeve cut into `pieces` keeps, left to right.
std::vector<float> ContourPanels(PieceCut pieces, float P1, float P2, float P3, float P4);

struct SleeveBlankShape {
    float glue = 0;   // G, glue flap width
    float taper = 0;  // slant of the glue flap's ends, degrees
    float p1 = 0, p2 = 0, p3 = 0, p4 = 0;
    float height = 0;  // H
};

// Returns the sleeve's machine passes, every entry set: the others are 0.
MachinePasses SleeveBlank(Drawing& d, const SleeveBlankShape& sleeve, PieceCut pieces,
                          const FeaturePlacement& at = {});

}  // namespace brontaxe
