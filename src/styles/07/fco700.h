#pragma once
// Ready-glued cases and trays (the 07 family): cases with a crash-lock bottom under various
// tops, and trays whose corners are glued so that they erect in one move.

#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// Crash-lock bottom, open top; hand-holes when chosen.
void Fco0700(Model& m, Drawing& d);
// Crash-lock bottom with the lock drawn point by point, regular slotted top.
void Fco0701(Model& m, Drawing& d);
// Crash-lock bottom drawn point by point as 0701's, its four flaps shaped, under a slotted
// case's top; glue flap on the width panel when `pattesurtete` is set.
void Fco0711(Model& m, Drawing& d);
// Crash-lock bottom, regular slotted top.
void Fco0712(Model& m, Drawing& d);
// Crash-lock bottom, lid with tuck-in flap.
void Fco0713(Model& m, Drawing& d);
// Crash-lock bottom, top rim folded inside the walls, hand-holes under it.
void Fco0714(Model& m, Drawing& d);
// Tray with glued corners, drawn a quarter at a time around its base.
void Fco0718(Model& m, Drawing& d);

// Crash-lock cases under other tops.
void Fco0703(Model& m, Drawing& d);  // fully overlapping top flaps
void Fco0747(Model& m, Drawing& d);  // centre special top: width flaps of half the length
void Fco0748(Model& m, Drawing& d);  // overlapping top flaps
void Fco0751(Model& m, Drawing& d);  // lid with tuck-in flap hinged on the back wall
void Fco0752(Model& m, Drawing& d);  // short top flaps for a separate cover
void Fco0770(Model& m, Drawing& d);  // open top, front wall cut down for display
void Fco0771(Model& m, Drawing& d);  // slotted top torn off along a perforation for display

// Trays with glued corners.
void Fco0715(Model& m, Drawing& d);  // long walls doubled, folded inside
void Fco0716(Model& m, Drawing& d);  // lid hinged on a long wall, with a tuck-in flap
void Fco0717(Model& m, Drawing& d);  // all four walls doubled
void Fco0759(Model& m, Drawing& d);  // hand-holes in the short walls
void Fco0760(Model& m, Drawing& d);  // lid with tuck-in and dust flaps
void Fco0761(Model& m, Drawing& d);  // long walls doubled and a lid

}  // namespace brontaxe
