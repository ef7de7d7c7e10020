// Slotted cases with a lid and tuck-in flap (0210, 0211, 0212, 0215) and the regular case over a
// snap-lock bottom (0216).

#include "builders/emit.h"
#include "builders/lidded_body_half.h"
#include "builders/second_lid_body_half.h"
#include "builders/slotted_body_half.h"
#include "builders/slotted_dimensions.h"
#include "drawing/pen_scope.h"
#include "platform/rounding.h"
#include "styles/02/fco200.h"
#include "styles/02/fco200_common.h"
#include "styles/02/fco200_lid_common.h"
#include "styles/blank_settings.h"

namespace brontaxe {
namespace {

void lidHalf(Model& m, Drawing& d, const LidBody& b, bool mirrored) {
    recordPasses(m, LiddedBodyHalf(d, b, blankSettingsOf(m), {.mirrored = mirrored}));
}

// The glue flap's dimension belongs at the left end only when the glue flap is there.
float glueOnLeft(const Model& m) {
    return m.pattesurtete ? 0 : m.lgPatte;
}

void finishLidded(Model& m, Drawing& d, int /*code*/, const LidBody& b, float lowerFlap) {
    if (m.Sym_Verticale)
        reverseMachinePasses(m.PassesMachine);
    PenScope pen(d);
    pen.setPiece(1);
    SlottedBodyDimensions(d,
                          {.glueWidth = glueOnLeft(m),
                           .p1 = b.p1,
                           .p2 = b.p2,
                           .p3 = b.p3,
                           .p4 = b.p4,
                           .flapBelow = lowerFlap,
                           .body = 2 * b.h,
                           .flapAbove = b.q + b.T},
                          blankSettingsOf(m));
}

void drawTwoLids(Model& m, Drawing& d, int code, bool secondOnPanel3) {
    const LidBody b = lidBody(m);
    GenerationPass pass(d);
    lidHalf(m, d, b, false);
    if (secondOnPanel3) {
        recordPasses(m, SecondLidBodyHalf(d, b, blankSettingsOf(m), {.mirrored = true}));
    } else {
        lidHalf(m, d, b, true);
    }
    finishLidded(m, d, code, b, b.q + b.T);
}

}  // namespace

void Fco0210(Model& m, Drawing& d) {
    applyLidDefaultAllowances(m, 210);
    drawTwoLids(m, d, 210, false);
}

void Fco0211(Model& m, Drawing& d) {
    drawTwoLids(m, d, 211, true);
}

void Fco0212(Model& m, Drawing& d) {
    const BlankSettings settings = blankSettingsOf(m);
    const LidBody b = lidBody(m);
    const SlottedBody bottom = regularBottomFlaps(m);
    const float f1 = bottom.f1;
    const float f2 = bottom.f2;
    GenerationPass pass(d);
    lidHalf(m, d, b, false);
    if (m.pattesurtete && m.lgPatte > 0) {
        lowerHalfGlueOnRight(m, d, {b.p1, b.p2, b.p3, b.p4}, [&] {
            recordPasses(m, SlottedBodyHalf(d,
                                            {.p1 = b.p4,
                                             .p2 = b.p3,
                                             .p3 = b.p2,
                                             .p4 = b.p1,
                                             .h = b.h,
                                             .f1 = f2,
                                             .f2 = f1,
                                             .glue = b.glue},
                                            settings, {.mirrored = true}));
        });
    } else {
        recordPasses(m, SlottedBodyHalf(d,
                                        {.p1 = b.p1,
                                         .p2 = b.p2,
                                         .p3 = b.p3,
                                         .p4 = b.p4,
                                         .h = b.h,
                                         .f1 = f1,
                                         .f2 = f2,
                                         .glue = b.glue},
                                        settings, {.mirrored = true}));
    }
    finishLidded(m, d, 212, b, largerFlap(f1, f2));
}

void Fco0215(Model& m, Drawing& d) {
    applyLidDefaultAllowances(m, 215);
    const LidBody b = lidBody(m);
    GenerationPass pass(d);
    lidHalf(m, d, b, false);
    if (m.pattesurtete && m.lgPatte > 0) {
        lowerHalfGlueOnRight(m, d, {b.p1, b.p2, b.p3, b.p4}, [&] {
            drawSnapLockBottom(m, d, {.h = b.h, .p1 = b.p4, .p2 = b.p3, .p3 = b.p2, .p4 = b.p1});
        });
    } else {
        drawSnapLockBottom(m, d, {.h = b.h, .p1 = b.p1, .p2 = b.p2, .p3 = b.p3, .p4 = b.p4});
    }
    finishLidded(m, d, 215, b, snapLockDepth(m, b.p1, b.p2));
}

void Fco0216(Model& m, Drawing& d) {
    const BlankSettings settings = blankSettingsOf(m);
    const SlottedAllowances a = slottedAllowances(m);
    SlottedBody b = slottedPanels(m);
    // Unlike the other slotted flaps, the allowance is rounded with the half width and the
    // tenth is added.
    b.f1 = nearestInt16(m.Largeur / 2 + a.oddFlaps + 0.1f);
    b.f2 = nearestInt16(m.Largeur / 2 + a.evenFlaps + 0.1f);
    GenerationPass pass(d);
    recordPasses(m, SlottedBodyHalf(d, b, settings));
    drawSnapLockBottom(m, d, {.h = b.h, .p1 = b.p1, .p2 = b.p2, .p3 = b.p3, .p4 = b.p4});
    if (m.Sym_Verticale)
        reverseMachinePasses(m.PassesMachine);
    // The chains are those of the top closure the box was chosen with.
    SlottedBodyDimensions(d,
                          {.glueWidth = m.lgPatte,
                           .p1 = b.p1,
                           .p2 = b.p2,
                           .p3 = b.p3,
                           .p4 = b.p4,
                           .flapBelow = snapLockDepth(m, b.p1, b.p2),
                           .body = 2 * b.h,
                           .flapAbove = largerFlap(b.f1, b.f2)},
                          settings);
}

}  // namespace brontaxe
