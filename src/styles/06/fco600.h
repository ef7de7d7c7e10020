#pragma once
// Rigid boxes (the 06 family): a body carrying the bottom and walls, completed by end pieces
// drawn beside it; 0621 drawn in one piece.

#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// Body drawn as its right half and mirrored, end pieces beside it.
void Fco0601(Model& m, Drawing& d);  // end pieces: a wall and its flap
void Fco0602(Model& m, Drawing& d);  // the end pieces' flaps chamfered

// A body of lid halves, walls and bottom with chamfered side flaps; two end panels beside it.
void Fco0606(Model& m, Drawing& d);
// One piece: walls with glue flaps, end walls on the bottom, lid with dust flaps and tuck.
void Fco0621(Model& m, Drawing& d);

// Body as a sleeve, end pieces beside it.
void Fco0607(Model& m, Drawing& d);  // end pieces with flaps on all four sides
void Fco0615(Model& m, Drawing& d);  // flaps on the sides that meet the walls
void Fco0616(Model& m, Drawing& d);  // flaps on the sides that meet the bottom and top
void Fco0608(Model& m, Drawing& d);  // end panels with chamfered side flaps
void Fco0620(Model& m, Drawing& d);  // each end in two leaves meeting in the middle

}  // namespace brontaxe
