#pragma once
// What the lidded and shaped-bottom slotted styles share: the lidded body, the default
// allowances of the lid styles, the sizes of a snap-lock bottom, and the lower half that puts
// the glue flap on the right when the lidded half carries it there.

#include <array>
#include <functional>

#include "builders/lidded_body_half.h"
#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// The lid styles' allowances (0210, 0215): the body's as on the slotted cases, then the lid's.
struct LidAllowances {
    float panel1, panel2, panel3, panel4;  // 1 to 4: the panels from the glue flap
    float bodyHeight;                      // 5: the whole body height
    float lidDepth;                        // 6: the lid's depth, with the hinge
    float lidHinge;                        // 7: the hinge above the body, part of the lid's depth
    float tuckInWidth;                     // 8: the tuck-in, on the length
};
LidAllowances lidAllowances(const Model& m);
// The same read from a table of its own, as a top and bottom box's bottom closure has.
LidAllowances lidAllowances(const std::array<float, 17>& k);

// Without a record of their own in the allowance table, the lid styles take multiples of the
// board thickness: 1 to 3, 5 to 7 = t, 4 = 0, 8 = -t, 9 to 16 = 0.
void applyLidDefaultAllowances(Model& m, std::int16_t styleCode);

// The lidded body of a box of inside size L x W x H.
LidBody lidBody(const Model& m);

// Sizes of the snap-lock bottom of panels p1..p4: the principal flap on the wider panel reaches
// past the middle of the bottom by `hrecouvr`, the opposite flap's tab reaches the middle.
struct SnapLockBottom {
    float a6, a7, a8, a9, a10;
};
SnapLockBottom snapLockBottom(const Model& m, float p1, float p2);

// How deep the flaps of that bottom reach below the body.
float snapLockDepth(const Model& m, float p1, float p2);

// The body a snap-lock bottom closes: half its height and its panels from the glue flap on.
struct SnapLockPanels {
    float h;
    float p1, p2, p3, p4;
};

// Draws the snap-lock bottom below y = 0.
void drawSnapLockBottom(Model& m, Drawing& d, const SnapLockPanels& b);

// Runs `drawReversed`, which draws a lower half over the panels p4, p3, p2, p1 with the glue
// flap on the left, and turns it over end for end, so that panel 1 comes back next to x =
// `lgPatte` and the glue flap hangs after panel 4. The panel passes are put back in order.
void lowerHalfGlueOnRight(Model& m, Drawing& d, const std::array<float, 4>& panels,
                          const std::function<void()>& drawReversed);

}  // namespace brontaxe
