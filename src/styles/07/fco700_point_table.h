#pragma once
// The glued cases whose crash-lock bottom is drawn point by point (0701, 0711): the sizes, the
// step lists and the levels they give. Everything lives in one value per generation, so
// nothing carries over from one drawing to the next.

#include <array>

#include "model/model.h"

namespace brontaxe {

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
