#pragma once
// What the trays on the tray builders share: their sizes from the allowances and their
// dimension chains.

#include "builders/flap_tray.h"
#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// The allowances of the trays on the tray builders (0445 to 0458, 0480).
struct TrayAllowances {
    float length;      // 1: the base's length (0451 "GORVANTE": every side and the walls)
    float width;       // 3: the base's width
    float walls;       // 5: the walls
    float innerWalls;  // 6: the double walls' inner walls
    float innerDrop;   // 8: how much lower the inner walls stand
};
TrayAllowances trayAllowances(const Model& m);

struct TraySizes {
    float a, b, h;  // half the base along x and y, wall height
};

// Half the length and half the width, with their allowances, and the walls.
TraySizes traySizes(const Model& m);

// The glued-corner tray of those sizes, its flaps the wall height or `hrabat`.
FlapTrayShape gluedTray(const Model& m);

// Walls and base across and up (swapped when the tray is drawn turned), and, when asked, the
// width the corner flaps are drawn with.
void gluedTrayDimensions(Drawing& d, const FlapTrayShape& t, bool turned, bool flapWidth,
                         CustomerProfile profile);

}  // namespace brontaxe

namespace brontaxe {

// The self-locking tray around the origin: ears with a rounded free corner on the ends of the
// walls beyond y = +-b, folded inside the walls beyond x = +-a, and with `lockSlits` a slit in
// each of those walls' creases that the ear's corner locks into. Draws into an open pass.
void selfLockingTray(Model& m, Drawing& d, const TraySizes& s, bool lockSlits = false);

}  // namespace brontaxe
