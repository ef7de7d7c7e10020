#pragma once
// Where the flute-direction and pass-direction arrows stand above the blank.

#include <cstdint>
#include <vector>

#include "drawing/geometry.h"
#include "model/board_directions.h"

namespace brontaxe {

inline constexpr int kFluteArrowSymbol = 5;
inline constexpr int kPassArrowSymbol = 11;

struct ArrowPlacement {
    int symbol = 0;
    Point at;
    double angleDeg = 0;
    double size = 0;
};

// The arrows for the flute direction and the pass direction over a blank of the given
// extents, their x negated when the drawing is mirrored.
std::vector<ArrowPlacement> directionArrows(const Box& blank, AlongAxis flute, AlongAxis pass,
                                            bool mirrored);

}  // namespace brontaxe
