// Slotted cases with a builder of their own: the locking end (0207, and at both ends 0229),
// covers with tuck-in flaps (0208) and the open top with a rim folded in (0214), whose joint
// panel is stepped.

#include "builders/body_panels.h"
#include "builders/emit.h"
#include "builders/interlocked_body_half.h"
#include "builders/slotted_body_half.h"
#include "builders/slotted_dimensions.h"
#include "builders/tucked_cover_body_half.h"
#include "drawing/pen_scope.h"
#include "model/model_choices.h"
#include "styles/02/fco200.h"
#include "styles/02/fco200_common.h"
#include "styles/blank_settings.h"

namespace brontaxe {
namespace {

float lengthOfAll(const BodyPanels& p) {
    return p.p1 + p.p2 + p.p3 + p.p4;
}

// The locking end over the regular case's panels, height and flaps.
InterlockedBody interlocked(const SlottedBody& b) {
    return {.p1 = b.p1,
            .p2 = b.p2,
            .p3 = b.p3,
            .p4 = b.p4,
            .h = b.h,
            .f1 = b.f1,
            .f2 = b.f2,
            .glue = b.glue};
}

}  // namespace

void Fco0207(Model& m, Drawing& d) {
    const BlankSettings settings = blankSettingsOf(m);
    const SlottedBody b = regularFlaps(m);
    GenerationPass pass(d);
    recordPasses(m, SlottedBodyHalf(d, b, settings));
    recordPasses(m, InterlockedBodyHalf(d, interlocked(b), settings, {.mirrored = true}));
    finishSlottedBody(m, d, 207, b, largerFlap(b.f1, b.f2), largerFlap(b.f1, b.f2));
}

void Fco0229(Model& m, Drawing& d) {
    const BlankSettings settings = blankSettingsOf(m);
    const SlottedBody b = regularFlaps(m);
    GenerationPass pass(d);
    recordPasses(m, InterlockedBodyHalf(d, interlocked(b), settings));
    recordPasses(m, InterlockedBodyHalf(d, interlocked(b), settings, {.mirrored = true}));
    finishSlottedBody(m, d, 229, b, largerFlap(b.f1, b.f2), largerFlap(b.f1, b.f2));
}

void Fco0208(Model& m, Drawing& d) {
    const BlankSettings settings = blankSettingsOf(m);
    const SlottedAllowances a = slottedAllowances(m);
    const SlottedBody b = slottedPanels(m);
    // The covers span the width panel they close over; the dust flaps meet in the middle.
    const float cover = m.pattesurtete ? b.p1 : b.p2;
    const float dust = roundedFlap(m.Largeur / 2) + a.evenFlaps;
    const bool tuckOnEven = m.pattesurtete;
    const TuckedCoverBody body{.p1 = b.p1,
                               .p2 = b.p2,
                               .p3 = b.p3,
                               .p4 = b.p4,
                               .h = b.h,
                               .cover = cover,
                               .tuck = m.hpatrent,
                               .dust = dust,
                               .covers = tuckOnEven ? TuckedPanels::Even : TuckedPanels::Odd,
                               .tuckInAllowance = a.tuckInWidth,
                               .glue = b.glue};
    GenerationPass pass(d);
    recordPasses(m, TuckedCoverBodyHalf(d, body, settings));
    recordPasses(m, TuckedCoverBodyHalf(d, body, settings, {.mirrored = true}));
    const float flap = cover + m.hpatrent;
    finishSlottedBody(m, d, 208, b, flap, flap);
    // The closing dimension: the tuck-in flap over the middle of the first panel that has one.
    const float x = m.lgPatte + (tuckOnEven ? b.p1 + b.p2 / 2 : b.p1 / 2);
    dimension(d, {.from = {x, b.h + cover}, .to = {x, b.h + flap}, .at = {x, 0}});
}

void Fco0214(Model& m, Drawing& d) {
    const BlankSettings settings = blankSettingsOf(m);
    const SlottedAllowances a = slottedAllowances(m);
    const SlottedBody b = regularFlaps(m);
    // The top stays open: its flaps, `hrabat` deep, fold down inside against the walls and
    // make a double rim.
    SlottedBody rim = b;
    rim.f1 = m.hrabat;
    rim.f2 = m.hrabat;
    // The lower half of the joint panel stops short by two board thicknesses and allowance 8,
    // so that the bottom flaps fold clear of the doubled joint.
    const float step = 2 * m.EpaisseurCarton + a.jointStep;
    const bool stepped = fourPieces(m) == FourPieces::None && step > 0 && step < b.p4;
    const float lowerP4 = stepped ? b.p4 - step : b.p4;
    GenerationPass pass(d);
    PenScope pen(d);
    recordPasses(m, SlottedBodyHalf(d, rim, settings));
    recordPasses(m, SlottedBodyHalf(d,
                                    {.p1 = b.p1,
                                     .p2 = b.p2,
                                     .p3 = b.p3,
                                     .p4 = lowerP4,
                                     .h = b.h,
                                     .f1 = b.f1,
                                     .f2 = b.f2,
                                     .glue = b.glue},
                                    settings, {.mirrored = true}));
    if (stepped) {
        const BodyPanels upper =
            applyPieceVariants(pieceCutOf(m), {b.p1, b.p2, b.p3, b.p4, b.f1, b.f2});
        const BodyPanels lower =
            applyPieceVariants(pieceCutOf(m), {b.p1, b.p2, b.p3, lowerP4, b.f1, b.f2});
        pen.setKind(kind::Cut);
        line(d, m.lgPatte + lengthOfAll(lower), 0, m.lgPatte + lengthOfAll(upper), 0);
    }
    finishSlottedBody(m, d, 214, b, largerFlap(b.f1, b.f2), m.hrabat);
}

}  // namespace brontaxe
