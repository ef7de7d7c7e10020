#include "styles/07/fco700_common.h"

#include <algorithm>

#include "builders/cotes_caisse.h"
#include "builders/emit.h"
#include "platform/errors.h"

namespace brontaxe {

GluedBody gluedBody(const Model& m) {
    const float first = m.pattesurtete ? m.Largeur : m.Longueur;
    const float second = m.pattesurtete ? m.Longueur : m.Largeur;
    GluedBody b;
    b.panels = {first + m.Majo[1], second + m.Majo[2], first + m.Majo[3], second + m.Majo[4]};
    b.h = m.Hauteur / 2 + m.Majo[5] / 2;
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
