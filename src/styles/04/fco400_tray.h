#pragma once
// What the trays on the tray builders share: their sizes from the allowances and their
// dimension chains.

#include "builders/panneau_rabat.h"
#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

struct TraySizes {
    float a, b, h;  // half the base along x and y, wall height
};

// (L + Majo(1))/2, (W + Majo(3))/2, H + Majo(5).
TraySizes traySizes(const Model& m);

// The glued-corner tray of those sizes, its flaps the wall height or `hrabat`.
FlappedTray gluedTray(const Model& m);

// Walls and base across and up (swapped when the tray is drawn turned), and, when asked, the
// width the corner flaps are drawn with.
void gluedTrayDimensions(Model& m, Drawing& d, const FlappedTray& t, bool turned, bool flapWidth);

}  // namespace brontaxe

namespace brontaxe {

// The self-locking tray around the origin: ears with a rounded free corner on the ends of the
// walls beyond y = +-b, folded inside the walls beyond x = +-a. Draws into an open pass.
void selfLockingTray(Model& m, Drawing& d, const TraySizes& s);

}  // namespace brontaxe
