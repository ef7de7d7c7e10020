#pragma once
// The telescope styles' routines for the VORANIS profile.

#include "drawing/drawing.h"
#include "model/model.h"
#include "styles/03/fco300_sizes.h"

namespace brontaxe {

// Tray and lid whose inner side walls are locked by tenons in mortises of the base.
void fco0330Voranis(Model& m, Drawing& d, const MarkedPair& p);

}  // namespace brontaxe
