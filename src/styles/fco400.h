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
void Fco0416(Model& m, Drawing& d);  // double end walls over corner ears; VORANIS: lid halves
void Fco0435(Model& m, Drawing& d);  // double end walls locked by tabs in mortises

// Folders with a hinged lid, tuck flap and thumb notch.
void Fco0443(Model& m, Drawing& d);
void Fco0481(Model& m, Drawing& d);

// Trays on the tray builders.
void Fco0434(Model& m, Drawing& d);
void Fco0450(Model& m, Drawing& d);
void Fco0451(Model& m, Drawing& d);
void Fco0452(Model& m, Drawing& d);
void Fco0453(Model& m, Drawing& d);
void Fco0454(Model& m, Drawing& d);
void Fco0455(Model& m, Drawing& d);
void Fco0456(Model& m, Drawing& d);
void Fco0457(Model& m, Drawing& d);
void Fco0458(Model& m, Drawing& d);
void Fco0480(Model& m, Drawing& d);

}  // namespace brontaxe
