#pragma once
#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// One hand-hole of type `OptionPoign` (1 plain cut, 2 upper edge creased, 3 with a folding
// tab), `LPoign` long and `HPoign` high with round ends, centred at x, its upper edge
// `DPoign` below the flap crease at height h. Type 0 draws nothing.
void HandHole(Model& m, Drawing& d, float x, float h, float angle, bool mirrored);

// A hole with round ends needs a height and at least as much length as height; otherwise its
// outline would cross itself. Throws GenerationError with the reason.
void checkHandHoleSize(const Model& m);

// A hand-hole stands inside its wall, `wallLength` long and `wallHeight` high from the crease
// at its foot to its free edge (or the crease of the flap above), its folding tab included:
// otherwise it cuts across the wall's folds. Throws GenerationError, in French. Closer to them
// than its land, it is drawn and the check says so.
void checkHandHoleFits(const Model& m, float wallLength, float wallHeight);

}  // namespace brontaxe
