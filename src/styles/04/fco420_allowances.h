#pragma once
// Default allowances of the locking folders, written into `Majo` when the allowance table
// holds no row of their own for the style and grade. They are multiples of the board
// thickness, so a grade the table does not know still gives a blank that folds.

#include <cstdint>

#include "model/model.h"

namespace brontaxe {

// The locking folders' allowances (0420 to 0427, 0429, 0470, 0471), each on the inside size it
// is named after: L for lengths, W for widths, H for heights.
struct LockingFolderAllowances {
    float bottomLength;  // 1: the bottom's length (L)
    float bottomWidth;   // 2: the bottom's width (W)
    float outerWall;     // 3: the side walls' outer height (H)
    float sideLength;    // 4: the side walls' length, front to back (W)
    float sideFlap;      // 5: 0420: the side wall's flap, front to back (W)
    float innerWall;     // 6: the side walls' inner height (H)
    float frontLength;   // 7: the front wall (L)
    float backLength;    // 8: the back wall (L)
    float lidLength;     // 9: the lid (L)
    float tuckLength;    // 10: the tuck flap (L)
    float lidWidth;      // 11: the lid, back to front (W)
    float frontHeight;   // 12: the front wall (H)
    float backHeight;    // 13: the back wall (H)
    float tuckHeight;    // 14: the tuck flap (H)
    float earShort;      // 15: how far the ears stop short of half the bottom's width
    float tuckWingDrop;  // 16: how far below the lid's edge the tuck flap's wings start
};
LockingFolderAllowances lockingFolderAllowances(const Model& m);

enum class DefaultAllowanceRule {
    A,         // 0420, 0422, 0427
    B,         // 0421
    Rule0424,  // 0424
    Rule0470,  // 0470, 0471
};

// Overwrites the entries the rule sets (the others stay as they were) from `EpaisseurCarton`.
void applyDefaultAllowances(Model& m, DefaultAllowanceRule rule);

// Applies the rule unless the model's allowances are the table's own row for one of the
// style numbers given (0 ends the list early). Returns whether the rule was applied.
bool applyDefaultsWithoutRow(Model& m, DefaultAllowanceRule rule, std::int16_t style,
                             std::int16_t alsoStyle = 0);

}  // namespace brontaxe
