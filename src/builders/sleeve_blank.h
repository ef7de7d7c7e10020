#pragma once
#include <vector>

#include "builders/feature_placement.h"
#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// A whole sleeve of full height H: a glue flap G wide whose two ends are slanted by `taper`
// degrees, then panels P1..P4. A two-piece box (`CaisseEn2`) keeps P1 and P2 and cuts the far
// end; a four-piece box keeps one panel (P2's width when each piece is a second panel),
// piece 3 has no glue flap and piece 4 a second one on the right. When the ends are so steep
// that they meet before the free edge, the flap is a triangle; from 90 degrees on there is no
// flap and its fold is cut.
// The panels a sleeve keeps under the model's piece options, left to right.
std::vector<float> ContourPanels(const Model& m, float P1, float P2, float P3, float P4);

struct SleeveBlankShape {
    float glue = 0;   // G, glue flap width
    float taper = 0;  // slant of the glue flap's ends, degrees
    float p1 = 0, p2 = 0, p3 = 0, p4 = 0;
    float height = 0;  // H
};

void SleeveBlank(Model& m, Drawing& d, const SleeveBlankShape& sleeve,
                 const FeaturePlacement& at = {});

}  // namespace brontaxe
