#pragma once
// The design as the builders see it: the settings a style reads once and hands to each builder
// it calls, and the machine passes the builders return, written back into the design.

#include <utility>

#include "builders/blank_settings.h"
#include "builders/glue_flap.h"
#include "builders/machine_passes.h"
#include "model/model.h"

namespace brontaxe {

BlankSettings blankSettingsOf(const Model& m);

// The glue flap the box's own settings ask for.
BodyGlueFlap glueFlapOf(const Model& m);

// Slot half-widths (a, b) on the two sides of a crease.
std::pair<float, float> slotHalfWidths(const Model& m);

// The hand-hole of the walls: `OptionPoign`, `LPoign` by `HPoign`, tab `EPoign`, `DPoign`
// below the crease above.
WallHandHole wallHandHoleOf(const Model& m);

// How the body is cut into pieces (`CaisseEn2`, `CaisseEn4`).
PieceCut pieceCutOf(const Model& m);

// Writes what a builder returned into the design's passes.
void recordPasses(Model& m, const MachinePasses& passes);

// The same for a builder that lays out a whole blank of its own (a tray, a sleeve): once
// written, the passes are turned round when the blank is drawn mirrored.
void recordBlankPasses(Model& m, const MachinePasses& passes);

}  // namespace brontaxe
