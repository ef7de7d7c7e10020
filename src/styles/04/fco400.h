#pragma once
// Folders and trays (the 04 family) drawn on the panel builders.

#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// One-piece folders laid out on a grid of panels (rows of alternating slits and creases).
void Fco0400(Model& m, Drawing& d);  // open folder: walls with inner rims
void Fco0401(Model& m, Drawing& d);  // lid halves meeting in the middle; GORVANTE: hinged lid
void Fco0402(Model& m, Drawing& d);  // as 0401 with end flaps of half the length
void Fco0403(Model& m, Drawing& d);  // end buffers; VORANIS: buffers on all four walls

// Pieces drawn side by side, each under its piece flag.
void Fco0404(Model& m, Drawing& d);  // two crossed bands
void Fco0405(Model& m, Drawing& d);  // a wrap and two end pieces

// Wrap-round folders on the slotted body.
void Fco0406(Model& m, Drawing& d);
void Fco0409(Model& m, Drawing& d);
void Fco0410(Model& m, Drawing& d);
void Fco0411(Model& m, Drawing& d);

// Trays and folders drawn as one quarter mirrored twice.
void Fco0412(Model& m, Drawing& d);  // glued corners with slanted glue flaps
void Fco0415(Model& m, Drawing& d);  // lid halves, end walls with tuck flaps, corner ears
void Fco0416(Model& m, Drawing& d);  // lid and tuck flap, dust flaps; VORANIS: lid halves
void Fco0435(Model& m, Drawing& d);  // double end walls locked by tabs in mortises

// Folders with a hinged lid, tuck flap and thumb notch.
void Fco0443(Model& m, Drawing& d);
void Fco0481(Model& m, Drawing& d);

// Folders with a lid hinged on the back wall and a tuck flap.
void Fco0428(Model& m, Drawing& d);  // ears and dust flaps
void Fco0430(Model& m, Drawing& d);  // ears on the side walls; thumb notch
void Fco0432(Model& m, Drawing& d);  // ears on the side walls, dust flaps; thumb notch
// The framed display tray: a border on each wall folded in over the top, an open centre.
void Fco0431(Model& m, Drawing& d);

// Folders and trays on the grid of panels.
void Fco0433(Model& m, Drawing& d);  // hinged lid with end flaps and tuck flap
void Fco0436(Model& m, Drawing& d);  // open tray, corner flaps held by end-wall rims
void Fco0437(Model& m, Drawing& d);  // as 0436 with rolled-over double end walls
void Fco0440(Model& m, Drawing& d);  // tamper-evident: glued corners, lid sealed through slots
void Fco0459(Model& m, Drawing& d);  // double walls all round
void Fco0460(Model& m, Drawing& d);  // display tray: low front, header on the back wall
void Fco0472(Model& m, Drawing& d);  // double floor from the side walls, rolled-over ends

// Variants of the trays on the tray builders.
void Fco0442(Model& m, Drawing& d);  // glued flaps on the end walls, hand-holes
void Fco0444(Model& m, Drawing& d);  // 0434's blank, its flaps glued outside the walls
void Fco0445(Model& m, Drawing& d);  // double end walls over glued flaps
void Fco0446(Model& m, Drawing& d);  // glued corners, vent holes
void Fco0447(Model& m, Drawing& d);  // self-locking, hand-holes in the long walls

// Trays on the tray builders.
void Fco0434(Model& m, Drawing& d);
void Fco0450(Model& m, Drawing& d);
void Fco0451(Model& m, Drawing& d);
void Fco0452(Model& m, Drawing& d);
void Fco0453(Model& m, Drawing& d);  // 0450's blank, its flaps glued outside the walls
void Fco0454(Model& m, Drawing& d);
void Fco0455(Model& m, Drawing& d);
void Fco0456(Model& m, Drawing& d);
void Fco0457(Model& m, Drawing& d);
void Fco0458(Model& m, Drawing& d);
void Fco0480(Model& m, Drawing& d);

}  // namespace brontaxe
