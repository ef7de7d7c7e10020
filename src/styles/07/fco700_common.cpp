#include "styles/07/fco700_common.h"

#include <algorithm>

#include "builders/emit.h"
#include "builders/slotted_dimensions.h"
#include "drawing/pen_scope.h"
#include "model/model_choices.h"
#include "platform/errors.h"
#include "styles/02/fco200_common.h"
#include "styles/blank_settings.h"

namespace brontaxe {

GlueTrayAllowances glueTrayAllowances(const Model& m) {
    const auto& k = m.Majo;
    return {.length = k[1], .width = k[2], .height = k[5]};
}

GluedBody gluedBody(const Model& m) {
    const float first = m.pattesurtete ? m.Largeur : m.Longueur;
    const float second = m.pattesurtete ? m.Longueur : m.Largeur;
    const SlottedAllowances a = slottedAllowances(m);
    GluedBody b;
    b.panels = {first + a.panel1, second + a.panel2, first + a.panel3, second + a.panel4};
    b.h = m.Hauteur / 2 + a.bodyHeight / 2;
    b.bottom = crashLockSizes(b.panels);
    return b;
}

void refusePieceVariants(const Model& m) {
    if (m.CaisseEn2 || fourPieces(m) != FourPieces::None)
        throw GenerationError("Caisse collée : elle se fabrique d'une seule pièce");
}

void drawCrashLockBottom(Model& m, Drawing& d, const GluedBody& b) {
    recordPasses(m, CrashLockBodyHalf(
                        d, {.panels = b.panels, .h = b.h, .lock = b.bottom, .glue = glueFlapOf(m)},
                        blankSettingsOf(m), {.mirrored = true}));
}

float crashLockDepth(const GluedBody& b) {
    return std::max(b.bottom.lockDepth + b.bottom.tongue, b.bottom.glueDepth);
}

void finishGluedCase(Model& m, Drawing& d, int /*code*/, const GluedBody& b, float top,
                     bool glueOnLeft) {
    if (m.Sym_Verticale)
        reverseMachinePasses(m.PassesMachine);
    PenScope pen(d);
    pen.setPiece(1);
    const auto& p = b.panels;
    SlottedBodyDimensions(d,
                          {.glueWidth = glueOnLeft ? m.lgPatte : 0,
                           .p1 = p[0],
                           .p2 = p[1],
                           .p3 = p[2],
                           .p4 = p[3],
                           .flapBelow = crashLockDepth(b),
                           .body = 2 * b.h,
                           .flapAbove = top},
                          blankSettingsOf(m));
}

}  // namespace brontaxe
