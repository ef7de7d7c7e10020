#pragma once
// Telescope boxes (the 03 family): a bottom and a lid that slides over it, drawn side by side,
// each under its piece flag (1 the lid, 3 the bottom).

#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// Two trays with corner flaps; the lid is the bottom grown by its allowances, or by the board
// thickness where they are 0.
void Fco0300(Model& m, Drawing& d);
// A tray with corner flaps under a lid whose corner flaps are glued inside its walls.
void Fco0301(Model& m, Drawing& d);
// Trays whose walls are stapled at the corners, a hand-hole in each end wall.
void Fco0302(Model& m, Drawing& d);
// Two trays with glued corner flaps `hrabat` long.
void Fco0303(Model& m, Drawing& d);
// As 0300, the lid grown from the bottom by its own allowances 6 to 9.
void Fco0304(Model& m, Drawing& d);
// As 0300, the lid's corner flaps `hrecouvr` high.
void Fco0306(Model& m, Drawing& d);
// Two trays whose corner flaps have a rounded free corner.
void Fco0307(Model& m, Drawing& d);
// Two trays whose corner flaps are as high as their walls, glued outside.
void Fco0308(Model& m, Drawing& d);
// Two trays with webbed corners folded in along a diagonal crease.
void Fco0309(Model& m, Drawing& d);

// A sleeve closed by two trays (caps), one pushed over each end.
void Fco0310(Model& m, Drawing& d);
void Fco0311(Model& m, Drawing& d);
// A half slotted body under a cap with glued corner flaps.
void Fco0312(Model& m, Drawing& d);
// A closed slotted body between two caps with glued corner flaps, one over each end.
void Fco0313(Model& m, Drawing& d);
// A sleeve closed by two caps with marked corner wings.
void Fco0314(Model& m, Drawing& d);

// Two half slotted cases, the lid over the body.
void Fco0320(Model& m, Drawing& d);
// A body with a snap-lock bottom and hand-holes under a half slotted lid.
void Fco0321(Model& m, Drawing& d);
// Two half slotted cases, the lid shallow with flaps of its own depth.
void Fco0322(Model& m, Drawing& d);
// A regular slotted body under a shallow half slotted lid.
void Fco0323(Model& m, Drawing& d);

// A half slotted body between two caps folded from a grid of creases and slits.
void Fco0325(Model& m, Drawing& d);

// Tray and lid with corner wings and double side walls.
void Fco0330(Model& m, Drawing& d);
// A tray with double end walls under a lid with double walls and glued corner flaps.
void Fco0331(Model& m, Drawing& d);

// Octagonal tray (cut corners) and its creased band.
void Fco0350(Model& m, Drawing& d);
// Octagonal bottom and lid, each a tray with eight walls.
void Fco0351(Model& m, Drawing& d);

}  // namespace brontaxe
