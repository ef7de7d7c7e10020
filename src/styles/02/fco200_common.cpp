#include "styles/02/fco200_common.h"

#include "builders/emit.h"
#include "builders/slotted_body_half.h"
#include "builders/slotted_dimensions.h"
#include "drawing/pen_scope.h"
#include "platform/rounding.h"
#include "styles/blank_settings.h"

namespace brontaxe {

float roundedFlap(float x) {
    return nearestInt16(x - 0.1f);
}

SlottedAllowances slottedAllowances(const Model& m) {
    return slottedAllowances(m.Majo);
}

SlottedAllowances slottedAllowances(const std::array<float, 17>& k) {
    return {.panel1 = k[1],
            .panel2 = k[2],
            .panel3 = k[3],
            .panel4 = k[4],
            .bodyHeight = k[5],
            .oddFlaps = k[6],
            .evenFlaps = k[7],
            .jointStep = k[8],
            .tuckInWidth = k[8]};
}

SlottedBody slottedPanels(const Model& m) {
    const SlottedAllowances a = slottedAllowances(m);
    const float first = m.pattesurtete ? m.Largeur : m.Longueur;
    const float second = m.pattesurtete ? m.Longueur : m.Largeur;
    SlottedBody b;
    b.p1 = first + a.panel1;
    b.p2 = second + a.panel2;
    b.p3 = first + a.panel3;
    b.p4 = second + a.panel4;
    b.h = m.Hauteur / 2 + a.bodyHeight / 2;
    b.glue = glueFlapOf(m);
    return b;
}

void setFlapsByPanelKind(const Model& m, SlottedBody& b, float onLengthPanels,
                         float onWidthPanels) {
    b.f1 = m.pattesurtete ? onWidthPanels : onLengthPanels;
    b.f2 = m.pattesurtete ? onLengthPanels : onWidthPanels;
}

SlottedBody regularFlaps(const Model& m) {
    const SlottedAllowances a = slottedAllowances(m);
    SlottedBody b = slottedPanels(m);
    const float base = roundedFlap(m.Largeur / 2);
    b.f1 = base + a.oddFlaps;
    b.f2 = base + a.evenFlaps;
    return b;
}

SlottedBody regularBottomFlaps(const Model& m) {
    const SlottedAllowances a = slottedAllowances(m);
    SlottedBody b;
    b.p1 = m.Longueur + a.panel1;
    b.p2 = m.Largeur + a.panel2;
    b.p3 = m.Longueur + a.panel3;
    b.p4 = m.Largeur + a.panel4;
    b.h = m.Hauteur / 2 + a.bodyHeight / 2;
    b.f1 = roundedFlap(m.Largeur / 2) + a.panel2 / 2;
    b.f2 = b.f1;
    b.glue = glueFlapOf(m);
    return b;
}

void finishSlottedBody(Model& m, Drawing& d, int /*styleCode*/, const SlottedBody& b, float lower,
                       float upper) {
    if (m.Sym_Verticale)
        reverseMachinePasses(m.PassesMachine);
    PenScope pen(d);
    pen.setPiece(1);
    SlottedBodyDimensions(d,
                          {.glueWidth = b.glue.width,
                           .p1 = b.p1,
                           .p2 = b.p2,
                           .p3 = b.p3,
                           .p4 = b.p4,
                           .flapBelow = lower,
                           .body = 2 * b.h,
                           .flapAbove = upper},
                          blankSettingsOf(m));
}

float largerFlap(float f1, float f2) {
    return f1 > f2 ? f1 : f2;
}

void lowerFlapDimension(Drawing& d, const SlottedBody& b, float sign) {
    if (b.f1 == b.f2)
        return;
    const bool onPanel2 = b.f2 < b.f1;
    const float g = b.glue.width;
    const float x = onPanel2 ? g + b.p1 + b.p2 / 2 : g + b.p1 / 2;
    const float flap = onPanel2 ? b.f2 : b.f1;
    dimension(d, {.from = {x, sign * b.h}, .to = {x, sign * (b.h + flap)}, .at = {x, 0}});
}

void drawTwoHalves(Model& m, Drawing& d, const SlottedBody& b, int styleCode,
                   FlapDimension flapDimension) {
    GenerationPass pass(d);
    const BlankSettings settings = blankSettingsOf(m);
    recordPasses(m, SlottedBodyHalf(d, b, settings));
    recordPasses(m, SlottedBodyHalf(d, b, settings, {.mirrored = true}));
    const float fmax = largerFlap(b.f1, b.f2);
    finishSlottedBody(m, d, styleCode, b, fmax, fmax);
    if (flapDimension == FlapDimension::WhenUnequal || b.f1 < b.f2)
        lowerFlapDimension(d, b, 1);
}

}  // namespace brontaxe
