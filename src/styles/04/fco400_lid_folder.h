#pragma once
// A folder with a lid hinged on the back wall: front wall, bottom, back wall, lid and tuck flap
// one above the other, side walls hinged on the bottom, optional ears on the front and back
// walls or on the side walls, dust flaps on the lid and a thumb notch in the front edge. Drawn as
// the right half, mirrored about x = 0.

#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// The lid folders' allowances (0443 and its variants): the base, its walls, then the lid.
struct LidFolderAllowances {
    float baseLength;  // 1: the bottom's length
    float baseWidth;   // 2: the bottom's width
    float front;       // 3: the front wall
    float back;        // 4: the back wall
    float sides;       // 5: the side walls
    float lidWidth;    // 6: the lid's width
    float lidLength;   // 7: the lid's length
    float earShort;    // 8: how far the ears stop short of the side walls and half the width
};
LidFolderAllowances lidFolderAllowances(const Model& m);

// 0481's allowances, ordered otherwise: the front and the sides share theirs.
struct HingedLidAllowances {
    float baseLength;     // 1: the bottom's length
    float baseWidth;      // 3: the bottom's width
    float frontAndSides;  // 4: the front and side walls
    float back;           // 5: the back wall
    float lidWidth;       // 6: the lid's width
    float lidLength;      // 7: the lid's length
    float tuckInset;      // 8: how far the tuck flap's hinge sits in from the lid's edge
};
HingedLidAllowances hingedLidAllowances(const Model& m);

struct LidFolder {
    float L1;     // bottom, front and back walls along x
    float W2;     // bottom depth
    float front;  // front wall
    float back;   // back wall
    float side;   // side walls, hinged on the bottom
    float W5;     // lid depth
    float L6;     // lid length
    float tuck;   // tuck flap, 0 for none
    float tuckInset;
    float dust;  // lid dust flaps, 0 for none
    float ear;   // reach of the ears on the front and back walls, 0 for none
    // Reach of the ears on the side walls' ends, folded inside the front and back walls, 0
    // for none; drawn only where the front and back walls have none.
    float sideEar = 0;
    // Dust flaps on the side walls' free edges, folded in under the lid, 0 for none.
    float sideDust = 0;
    // Seal slots, this long and this wide, in each side wall and in the lid's flap that hangs
    // over it, both half the flap's height below the top edge: a tie or a lead seal through
    // them shows whether the lid was opened. 0 for none.
    float slotLength = 0;
    float slotWidth = 0;
    float radius;  // tuck corners
    float notch;   // thumb notch in the front edge, 0 for none
};

// Throws GenerationError (French) for a folder of no size or a notch larger than its wall.
void drawLidFolder(Model& m, Drawing& d, const LidFolder& f);

}  // namespace brontaxe
