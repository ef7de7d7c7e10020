#pragma once
// What the slotted styles share: the panels of the body, the two mirrored body halves with
// their dimension chains, and the flap rounding.

#include <array>

#include "builders/slotted_body_half.h"
#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// The slotted cases' allowances, named after what each one adds to; panels count from the
// glue flap, so panel 1 is the width panel when the glue flap sits on the width.
struct SlottedAllowances {
    float panel1;       // 1: the first panel
    float panel2;       // 2: the second panel
    float panel3;       // 3: the third panel
    float panel4;       // 4: the fourth panel
    float bodyHeight;   // 5: the whole body height (each half takes half of it)
    float oddFlaps;     // 6: flaps of panels 1 and 3 (of the length panels on 0204, 0206)
    float evenFlaps;    // 7: flaps of panels 2 and 4 (of the width panels on 0204, 0206)
    float jointStep;    // 8 on 0214: how much more the lower joint panel stops short
    float tuckInWidth;  // 8 on 0208: what the tuck-in flaps gain in width
};
SlottedAllowances slottedAllowances(const Model& m);
// The same read from a table of its own, as a top and bottom box's bottom closure has.
SlottedAllowances slottedAllowances(const std::array<float, 17>& k);

// Flap rounding: nearest whole millimetre of x - 0.1, so that a half that ends in .5 rounds
// down. Throws GenerationError when out of range.
float roundedFlap(float x);

// Panels of a slotted case: length, width, length, width with their allowances (width first
// when the glue flap sits on the width panel), and half the body height.
SlottedBody slottedPanels(const Model& m);

// Flaps of a style whose length panels and width panels carry different flaps: when the glue
// flap sits on the width panel, panel 1 is a width panel and the two flaps change places.
void setFlapsByPanelKind(const Model& m, SlottedBody& b, float onLengthPanels, float onWidthPanels);

// Which unequal flaps get a dimension of their own.
enum class FlapDimension { WhenUnequal, WhenFirstIsLower };

// The body as the 0201 draws it: upper and lower halves, passes reversed when mirrored, the
// dimension chains, and the lower flap's own dimension when the flaps differ. Opens and
// closes its own generation pass.
void drawTwoHalves(Model& m, Drawing& d, const SlottedBody& b, int styleCode,
                   FlapDimension flapDimension = FlapDimension::WhenUnequal);

// Flaps of a regular slotted case: half the width, with the allowances of panels 1/3 and 2/4.
SlottedBody regularFlaps(const Model& m);

// The regular bottom under a lid (0212): panels in order L, W, L, W with allowances 1 to 4,
// flaps of half the width with half the width panel's allowance, as the regular case's. The
// lid styles' allowances 6 and 7 size the lid, not these flaps.
SlottedBody regularBottomFlaps(const Model& m);

// After the halves are drawn: passes reversed when mirrored, then the dimension chains with
// the flap below, the body (2h) and the flap above.
void finishSlottedBody(Model& m, Drawing& d, int styleCode, const SlottedBody& b, float lower,
                       float upper);

// The larger flap (the second when equal), as the dimension chains show it.
float largerFlap(float f1, float f2);

// Dimension of the lower of two unequal flaps at the middle of the panel that carries it,
// on the half at +h (sign 1) or -h (sign -1).
void lowerFlapDimension(Drawing& d, const SlottedBody& b, float sign);

}  // namespace brontaxe
