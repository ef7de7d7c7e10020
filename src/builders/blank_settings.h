#pragma once
// What the body and tray builders need from the design besides the sizes of what they draw:
// the board, the slots, the hand-holes, how the body is cut into pieces and which way the blank
// is drawn. The style reads it from its design once and hands it to every builder it calls.

#include <utility>

#include "builders/body_panels.h"
#include "builders/hand_hole.h"
#include "model/customer_profile.h"

namespace brontaxe {

struct BlankSettings {
    float thickness = 0;       // board thickness: slot half-width of the lids, bevels and set-backs
    float doubleWallBand = 0;  // the band between the two layers of a wall folded double
    std::pair<float, float> slots{};  // slot half-widths on the two sides of a crease
    WallHandHole handHole;            // the hand-hole of the body's walls
    PieceCut pieces;                  // how the body is cut into pieces
    bool mirrored = false;            // the blank drawn as seen from its other side
    CustomerProfile profile = CustomerProfile::Default;  // whose house rules the chains follow

    bool operator==(const BlankSettings&) const = default;
};

}  // namespace brontaxe
