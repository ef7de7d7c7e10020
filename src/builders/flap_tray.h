#pragma once
// A tray with glued corners: a base 2a by 2b, walls h high on its four sides, and a corner flap
// at each end of the two walls beyond y = +-b. The flaps fold round the corner and are glued
// inside the walls beyond x = +-a; a flap wider than half that wall is cut back so that the
// two flaps on one wall meet with the given overlap.

#include "builders/blank_settings.h"
#include "builders/feature_placement.h"
#include "builders/machine_passes.h"
#include "drawing/drawing.h"

namespace brontaxe {

struct FlapTrayShape {
    float a = 0;        // half the base along x
    float b = 0;        // half the base along y
    float h = 0;        // wall height
    float flap = 0;     // reach of a corner flap along the wall it is glued to
    float overlap = 0;  // how far two flaps on one wall may overlap
    // The walls beyond y = +-b folded double: a band `doubleWallStep` wide (the thickness
    // of the two layers) and an inner layer `innerWall` high. 0 leaves the walls single.
    float innerWall = 0;
    float doubleWallStep = 0;
    // The double walls stand beyond x = +-a instead, rolled over the flaps folded onto them:
    // their inner layer, shortened by the band at both ends, traps the flaps.
    bool doubleFlaplessWalls = false;
    bool handHoles = false;  // the settings' hand-hole in each wall beyond y = +-b
};

// The flap reach actually drawn: the flap, cut back to b + overlap / 2.
float trayFlapWidth(const FlapTrayShape& t);

// Draws the tray around the origin, then places it, and returns its machine passes. The flaps'
// top edges fall by the board thickness towards their free end, so that a folded flap stays
// below the wall's top edge; their hinges are creases of variant 2. Throws GenerationError for
// a tray of no size.
MachinePasses FlapTray(Drawing& d, const FlapTrayShape& tray, const BlankSettings& s,
                       const FeaturePlacement& at = {});

}  // namespace brontaxe
