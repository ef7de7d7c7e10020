#pragma once
#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// A tray with corner flaps around the origin: a base 2a by 2b, side walls beyond x = +-a, end
// walls beyond y = +-b, corner flaps hinged on the side walls. f is the corner-flap height,
// or selects the double-wall variants -455, -4801 and -4802 (sizes from the allowances,
// `Dblmur` and h); -4800 keeps the plain sizes. k1, k2 and k3 add the diagonal creases of the
// end wall, the side wall and the corner flap. Placed by (x, y, angle), mirrored across y = 0
// when `factor` is negative.
void PanneauDoubleMur(Model& m, Drawing& d, float a, float b, float h, float f, bool k1, bool k2,
                      bool k3, float x, float y, float angle, float factor);

// One quarter of that tray, x >= 0 and y >= 0, with half of the side wall's hand-hole.
void QuartDoubleMur(Model& m, Drawing& d, float a, float b, float h, float f, bool k1, bool k2,
                    bool k3, float x, float y, float angle, float factor);

}  // namespace brontaxe
