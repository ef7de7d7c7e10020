#pragma once
#include <optional>

#include "builders/blank_settings.h"
#include "builders/feature_placement.h"
#include "builders/machine_passes.h"
#include "drawing/drawing.h"

namespace brontaxe {

// What the corner flaps and the end walls of a tray are.
enum class CornerFlaps {
    // Single walls h high, corner flaps `flap` high; a negative height draws none.
    GivenHeight,
    // Single walls h high and no corner flaps.
    None,
    // End walls folded double: the outer wall, the settings' double-wall band, then the inner
    // wall. The
    // corner flaps are cut back to half the base's length.
    DoubleEndWalls,
    // The end wall runs on into a lid that reaches over the side walls' hinges, its side flaps
    // beyond them; the corner flaps stop at the lid's hinge. The machine passes are recorded as
    // the upper flaps' only.
    UpperLid,
    // The same lid, recorded as the lower flaps' only.
    LowerLid,
};

// The heights of a tray whose end walls fold double or run on into a lid, which the style works
// out from its own allowances.
struct DoubleWallSizes {
    float sideWall = 0;  // side-wall height
    float endWall = 0;   // end-wall height, up to the double-wall band or the lid's hinge
    // Corner-flap height beside the end wall; the flap runs on beside the step.
    float cornerFlap = 0;
    // Beyond the end wall: the band and the inner wall, or the lid's depth.
    float endWallStep = 0;
};

// A tray around the origin: a base 2a by 2b, side walls beyond x = +-a, end walls beyond
// y = +-b, corner flaps hinged on the side walls.
struct DoubleWallTrayShape {
    float a = 0;
    float b = 0;
    float h = 0;
    float flap = 0;  // corner-flap height, read by CornerFlaps::GivenHeight only
    // Half the box's inside length: a corner flap higher than it has no double-wall creases
    // across it, and its diagonal crease ends there.
    float halfInsideLength = 0;
    // Diagonal creases across the corner of each end wall, each side wall and each flap.
    bool endWallDiagonals = false;
    bool sideWallDiagonals = false;
    bool flapDiagonals = false;
    CornerFlaps flaps = CornerFlaps::GivenHeight;
    // Required by CornerFlaps::DoubleEndWalls, UpperLid and LowerLid, which draw these instead
    // of h and `flap`; h still places the side wall's hand-hole.
    std::optional<DoubleWallSizes> doubleWall = std::nullopt;
};

// Draws the tray around the origin, then places it; returns its machine passes.
MachinePasses DoubleWallTray(Drawing& d, const DoubleWallTrayShape& tray, const BlankSettings& s,
                             const FeaturePlacement& at = {});

// One quarter of that tray, x >= 0 and y >= 0, with half of the side wall's hand-hole.
MachinePasses DoubleWallTrayQuarter(Drawing& d, const DoubleWallTrayShape& tray,
                                    const BlankSettings& s, const FeaturePlacement& at = {});

}  // namespace brontaxe
