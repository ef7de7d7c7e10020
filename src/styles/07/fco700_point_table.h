#pragma once
// The glued cases whose crash-lock bottom is drawn point by point (0701, 0711): the sizes, the
// step lists and the levels they give. Everything lives in one value per generation, so
// nothing carries over from one drawing to the next.

#include <array>
#include <cstddef>

#include "model/model.h"

namespace brontaxe {

// The allowances of 0701 and 0711, whose height and flaps do not follow the slotted cases':
// the top flaps come before the body's height.
struct LockCaseAllowances {
    float panel1, panel2, panel3, panel4;  // 1 to 4: the panels from the glue flap
    float topFlaps;                        // 5: the top's flaps, on half the width
    float bodyHeight;                      // 6: the body's height
    float bottomFlaps;                     // 7: the bottom's flaps, on half the width
    float glueFlapShort;                   // 8: how far the glue flap stops below the top
};
LockCaseAllowances lockCaseAllowances(const Model& m);

// The levels that carry the blank's outline and folds; the others are corners of the bottom's
// tabs and of the top's slots, numbered left to right and bottom to top.
struct LockLevel {
    // Across: the glue flap's edge and fold, the folds between the panels, the right edge.
    static constexpr std::size_t kLeftEdge = 1, kGlueFold = 2, kFold12 = 9, kFold23 = 21,
                                 kFold34 = 30, kRightEdge = 38;
    // Up: the bottom flaps' edge, the bottom's fold, the glue flap's top, the top's fold and
    // the top flaps' edge.
    static constexpr std::size_t kBottomEdge = 1, kBottomFold = 6, kGlueTop = 11, kTopFold = 13,
                                 kTopEdge = 14;
};

struct LockTable {
    // Levels x1..x38 and y1..y14 (index 0 unused), millimetres from the lower left corner.
    std::array<float, 39> x{};
    std::array<float, 15> y{};
    // Sizes the lines need beside the levels.
    float W = 0;  // flap base
    float n = 0;  // half the slot
};

// Which variant of the lock: 0711 puts the glue flap on the width panel when asked, keeps its
// glue tabs 5 mm shorter and draws its tabs at other angles.
enum class LockVariant { Fco0701, Fco0711 };

// The levels of the case; throws GenerationError when the slot width leaves no lock.
LockTable lockTable(const Model& m, LockVariant variant);

}  // namespace brontaxe
