#pragma once
#include "builders/blank_settings.h"
#include "drawing/drawing.h"

namespace brontaxe {

// What the dimension chains of a slotted blank measure.
struct SlottedChains {
    float glueWidth = 0;  // 0: no glue flap on the left to measure
    float p1 = 0, p2 = 0, p3 = 0, p4 = 0;
    float flapBelow = 0;
    float body = 0;  // full body height
    float flapAbove = 0;
};

// The dimension chains of a slotted blank: panel widths and overall length under the blank,
// flap, body and flap heights and overall height on its right. The settings say which panels the
// pieces keep, which way the glue flap is measured and whether the QOR profile's inside sizes
// are added.
void SlottedBodyDimensions(Drawing& d, const SlottedChains& c, const BlankSettings& s);

}  // namespace brontaxe
