#pragma once
// Slide boxes (the 05 family): sleeves drawn on the sleeve builder, an inner piece sliding in
// an outer one, and drawers drawn as one quarter.

#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// One ring: round the walls (0501), round the top, bottom and sides (0502), round the top,
// bottom and ends (0503).
void Fco0501(Model& m, Drawing& d);
void Fco0502(Model& m, Drawing& d);
void Fco0503(Model& m, Drawing& d);

// An outer ring (lid piece) and the inner ring sliding in it (bottom piece), each pairing
// rings of its own.
void Fco0504(Model& m, Drawing& d);
void Fco0505(Model& m, Drawing& d);
void Fco0507(Model& m, Drawing& d);
void Fco0508(Model& m, Drawing& d);  // both pieces stay piece 1 in 3D mode
void Fco0510(Model& m, Drawing& d);  // the glue flap always on a length panel

// A creased strip (bottom piece) and a sleeve sliding over it (lid piece); 0599 too.
void Fco0509(Model& m, Drawing& d);

// Drawers (bottom piece): a tray with glued corners and lined ends (0511), with slotted corner
// flaps (0512); and the sleeve each slides in (lid piece).
void Fco0511(Model& m, Drawing& d);
void Fco0512(Model& m, Drawing& d);

}  // namespace brontaxe
