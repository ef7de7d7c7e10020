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

// Regular top over a bottom of four lock flaps that turn in one after the other.
void Fco0207(Model& m, Drawing& d);
// Covers spanning the width with tuck-in flaps, dust flaps under them, at both ends.
void Fco0208(Model& m, Drawing& d);
// Lid with tuck-in flap at both ends, hinged on the same wall.
void Fco0210(Model& m, Drawing& d);
// Lid with tuck-in flap at both ends, hinged on opposite walls.
void Fco0211(Model& m, Drawing& d);
// Lid with tuck-in flap over a regular slotted bottom.
void Fco0212(Model& m, Drawing& d);
// Open-top case whose top flaps fold down inside as a double rim, its joint panel stepped at
// the bottom.
void Fco0214(Model& m, Drawing& d);
// Lid with tuck-in flap over a snap-lock bottom.
void Fco0215(Model& m, Drawing& d);
// Regular slotted top over a snap-lock bottom.
void Fco0216(Model& m, Drawing& d);
// Carry box: length walls rising into a handle, over a snap-lock bottom.
void Fco0217(Model& m, Drawing& d);
// Carry box over a regular slotted bottom.
void Fco0218(Model& m, Drawing& d);
// Open case whose top flaps fold down inside the walls as liners.
void Fco0225(Model& m, Drawing& d);
// Overlapping outer top flaps locked by a tongue through a slot.
void Fco0226(Model& m, Drawing& d);
// Tongue-locked outer flaps at both ends.
void Fco0227(Model& m, Drawing& d);
// Lock flaps at both ends.
void Fco0229(Model& m, Drawing& d);

// Wrap-round styles whose glue flap becomes a panel of its own.
void Fco0230(Model& m, Drawing& d);
void Fco0231(Model& m, Drawing& d);
void Fco0234(Model& m, Drawing& d);
void Fco0235(Model& m, Drawing& d);

}  // namespace brontaxe
