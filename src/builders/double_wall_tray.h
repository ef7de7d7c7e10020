#pragma once
#include "builders/feature_placement.h"
#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// What the corner flaps and the end walls of a tray are.
enum class CornerFlaps {
    // Single walls h high, corner flaps `flap` high; a negative height draws none.
    GivenHeight,
    // Single walls h high and no corner flaps.
    None,
    // End walls folded double: the outer wall h high, a band `Dblmur` wide, an inner wall from
    // allowances 5 and 6; side walls from allowances 5 and 8, corner flaps h high.
    DoubleEndWalls,
    // The end wall runs on into a lid as deep as the base (allowances 2 and 7), the end wall
    // and the corner flaps from allowances 3 and 6, and the corner flaps run on along the lid;
    // the machine passes are recorded as the upper flaps' only.
    UpperLid,
    // The same lid from allowances 2, 3, 4 and 5, recorded as the lower flaps' only.
    LowerLid,
};

// A tray around the origin: a base 2a by 2b, side walls beyond x = +-a, end walls beyond
// y = +-b, corner flaps hinged on the side walls.
struct CornerFlapTray {
    float a = 0;
    float b = 0;
    float h = 0;
    float flap = 0;  // corner-flap height, read by CornerFlaps::GivenHeight only
    // Diagonal creases across the corner of each end wall, each side wall and each flap.
    bool endWallDiagonals = false;
    bool sideWallDiagonals = false;
    bool flapDiagonals = false;
    CornerFlaps flaps = CornerFlaps::GivenHeight;
};

// Draws the tray around the origin, then places it.
void DoubleWallTray(Model& m, Drawing& d, const CornerFlapTray& tray,
                    const FeaturePlacement& at = {});

// One quarter of that tray, x >= 0 and y >= 0, with half of the side wall's hand-hole.
void DoubleWallTrayQuarter(Model& m, Drawing& d, const CornerFlapTray& tray,
                           const FeaturePlacement& at = {});

}  // namespace brontaxe
