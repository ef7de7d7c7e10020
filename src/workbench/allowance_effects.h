#pragma once
// Which part of the blank each allowance moves: found by drawing the style again with one
// allowance a millimetre larger and comparing, so that it holds for every style without a
// table to keep up to date.

#include <array>
#include <string>
#include <vector>

#include "board/allowance_table.h"
#include "drawing/element_id.h"

namespace brontaxe {

struct AllowanceEffect {
    bool movesBlank = false;            // the drawing changes with this allowance
    std::vector<ElementId> dimensions;  // the dimensions whose value changes with it
    // What a millimetre more moves, in French, for styles without a caption of their own:
    // the dimensions it changes and the overall size ("cotes 306 et 206 mm, hors tout X").
    std::string said;
};

// Entries 1 to 16 (entry 0 unused).
using AllowanceEffects = std::array<AllowanceEffect, kAllowanceCount + 1>;

}  // namespace brontaxe
