#include "styles/07/fco700_common.h"

#include <algorithm>

#include "builders/cotes_caisse.h"
#include "builders/emit.h"
#include "platform/errors.h"
#include "styles/02/fco200_common.h"

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
    if (m.CaisseEn2 || m.CaisseEn4 != 0)
        throw GenerationError("Caisse collée : elle se fabrique d'une seule pièce");
}

void drawCrashLockBottom(Model& m, Drawing& d, const GluedBody& b) {
    FondColle(m, d, b.panels, b.h, b.bottom, 0, 0, 0, true);
}

float crashLockDepth(const GluedBody& b) {
    return std::max(b.bottom.lockDepth + b.bottom.tongue, b.bottom.glueDepth);
}

void finishGluedCase(Model& m, Drawing& d, int code, const GluedBody& b, float top,
                     bool glueOnLeft) {
    if (m.Sym_Verticale)
        InversePasses(m);
    d.LineVariant = 1;
    d.Piece = 1;
    const auto& p = b.panels;
    CotesCaisse(m, d, code, glueOnLeft ? m.lgPatte : 0, p[0], p[1], p[2], p[3], crashLockDepth(b),
                2 * b.h, top);
}

}  // namespace brontaxe
