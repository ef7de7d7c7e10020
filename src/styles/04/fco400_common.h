#pragma once
// What the folder and tray styles share: mirrored copies of what is drawn, slits that stop
// where another edge meets them, and the allowances a style takes when the table has none.

#include <cstdint>
#include <initializer_list>

#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// Adds the mirror image, about the line through (x, y) at `angle` degrees, of every element
// registered from `first` on, and registers the copies.
void mirrorRegistered(Drawing& d, int first, float x, float y, float angle);

// A cut along y over the span of the three abscissas, split at each of them, so that an edge
// meeting the cut at one of them meets an end of it.
void cutAlongY(Drawing& d, float y, float x0, float x1, float x2);

// Multiples of the board thickness for allowances 1, 2, ...: written into `Majo` (entries
// past the list are left alone) unless the allowance table holds a row of `styleCode` for
// the current grade.
void applyThicknessRule(Model& m, std::int16_t styleCode, std::initializer_list<float> multiples);

// The flap height `hrabat`, or the wall height when `hrabat_auto` is set.
float flapOrWall(const Model& m, float wall);

// Half of x, rounded as the flaps are (nearest millimetre of x/2 - 0.1).
float roundedHalf(float x);

}  // namespace brontaxe
