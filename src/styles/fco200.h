#pragma once
// Slotted boxes (the 02 family).

#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// Half slotted case: one set of flaps, the other end open.
void Fco0200(Model& m, Drawing& d);
// 0200 without hand-holes.
void Fco0200C(Model& m, Drawing& d);

// Regular slotted case: flaps of half the width meeting in the middle.
void Fco0201(Model& m, Drawing& d);
// Overlapping slotted case: flaps overlap by `hrecouvr`.
void Fco0202(Model& m, Drawing& d);
// Fully overlapping slotted case: flaps as long as the width.
void Fco0203(Model& m, Drawing& d);
// Centre special slotted case: width flaps of half the length.
void Fco0204(Model& m, Drawing& d);
// Every flap half the length.
void Fco0205(Model& m, Drawing& d);
// Length flaps fully overlapping, width flaps of half the length.
void Fco0206(Model& m, Drawing& d);
// Upper flaps `hrabat` high, lower flaps of a regular slotted case.
void Fco0209(Model& m, Drawing& d);
// Every flap `hrabat` high.
void Fco0232(Model& m, Drawing& d);
// Every flap `hpatrent` high.
void Fco0233(Model& m, Drawing& d);

// Wrap-round styles whose glue flap becomes a panel of its own.
void Fco0230(Model& m, Drawing& d);
void Fco0231(Model& m, Drawing& d);
void Fco0234(Model& m, Drawing& d);
void Fco0235(Model& m, Drawing& d);

}  // namespace brontaxe
