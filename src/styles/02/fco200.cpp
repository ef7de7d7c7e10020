// The 0201 and the styles that differ from it only in their flap heights.

#include "styles/02/fco200.h"

#include "builders/emit.h"
#include "builders/slotted_body_half.h"
#include "builders/slotted_dimensions.h"
#include "styles/02/fco200_common.h"
#include "styles/blank_settings.h"

namespace brontaxe {
namespace {

void drawWithFlaps(Model& m, Drawing& d, int code, float f1, float f2) {
    SlottedBody b = slottedPanels(m);
    b.f1 = f1;
    b.f2 = f2;
    drawTwoHalves(m, d, b, code);
}

}  // namespace

void Fco0201(Model& m, Drawing& d) {
    // The flap base is the width even when the glue flap swaps the panels.
    drawTwoHalves(m, d, regularFlaps(m), 201);
}

void Fco0202(Model& m, Drawing& d) {
    const SlottedAllowances a = slottedAllowances(m);
    const float base = roundedFlap((m.Largeur + m.hrecouvr) / 2);
    drawWithFlaps(m, d, 202, base + a.oddFlaps, base + a.evenFlaps);
}

void Fco0203(Model& m, Drawing& d) {
    const SlottedAllowances a = slottedAllowances(m);
    drawWithFlaps(m, d, 203, m.Largeur + a.oddFlaps, m.Largeur + a.evenFlaps);
}

void Fco0204(Model& m, Drawing& d) {
    const SlottedAllowances a = slottedAllowances(m);
    SlottedBody b = slottedPanels(m);
    setFlapsByPanelKind(m, b, roundedFlap(m.Largeur / 2) + a.oddFlaps,
                        roundedFlap(m.Longueur / 2) + a.evenFlaps);
    drawTwoHalves(m, d, b, 204);
}

void Fco0205(Model& m, Drawing& d) {
    const SlottedAllowances a = slottedAllowances(m);
    const float base = roundedFlap(m.Longueur / 2);
    drawWithFlaps(m, d, 205, base + a.oddFlaps, base + a.evenFlaps);
}

void Fco0206(Model& m, Drawing& d) {
    const SlottedAllowances a = slottedAllowances(m);
    SlottedBody b = slottedPanels(m);
    setFlapsByPanelKind(m, b, m.Largeur + a.oddFlaps, roundedFlap(m.Longueur / 2) + a.evenFlaps);
    drawTwoHalves(m, d, b, 206);
}

void Fco0209(Model& m, Drawing& d) {
    const BlankSettings settings = blankSettingsOf(m);
    const SlottedBody b = regularFlaps(m);

    GenerationPass pass(d);
    recordPasses(m, SlottedBodyHalf(d,
                                    {.p1 = b.p1,
                                     .p2 = b.p2,
                                     .p3 = b.p3,
                                     .p4 = b.p4,
                                     .h = b.h,
                                     .f1 = m.hrabat,
                                     .f2 = m.hrabat,
                                     .glue = b.glue},
                                    settings));
    recordPasses(m, SlottedBodyHalf(d, b, settings, {.mirrored = true}));
    finishSlottedBody(m, d, 209, b, largerFlap(b.f1, b.f2), m.hrabat);
    lowerFlapDimension(d, b, -1);
}

void Fco0232(Model& m, Drawing& d) {
    drawWithFlaps(m, d, 232, m.hrabat, m.hrabat);
}

void Fco0233(Model& m, Drawing& d) {
    drawWithFlaps(m, d, 233, m.hpatrent, m.hpatrent);
}

}  // namespace brontaxe
