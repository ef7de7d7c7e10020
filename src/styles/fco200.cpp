#include "styles/fco200.h"

#include "drawing/biblio.h"
#include "drawing/builders/corps_caisse.h"
#include "drawing/builders/cotes_caisse.h"
#include "platform/rounding.h"

namespace brontaxe {

void Fco0201(Model& m, Drawing& d) {
    // The glue flap on the width panel starts the sequence with a width panel.
    const float first = m.pattesurtete ? m.Largeur : m.Longueur;
    const float second = m.pattesurtete ? m.Longueur : m.Largeur;
    const float p1 = first + m.Majo[1];
    const float p2 = second + m.Majo[2];
    const float p3 = first + m.Majo[3];
    const float p4 = second + m.Majo[4];
    const float h = m.Hauteur / 2 + m.Majo[5] / 2;
    // Flaps meet in the middle of the width; 0.1 off first so that .5 rounds down.
    const float flapBase = EntierProche(m.Largeur / 2 - 0.1f);
    const float f1 = flapBase + m.Majo[6];
    const float f2 = flapBase + m.Majo[7];
    const float fmax = f1 > f2 ? f1 : f2;

    GenerationPass pass(m, d);
    CorpsCaisse(m, d, p1, p2, p3, p4, h, f1, f2, 0, 0, 0, false);
    CorpsCaisse(m, d, p1, p2, p3, p4, h, f1, f2, 0, 0, 0, true);
    if (m.Sym_Verticale)
        InversePasses(m);
    d.LineVariant = 1;
    d.Piece = 1;
    CotesCaisse(m, d, 201, m.lgPatte, p1, p2, p3, p4, fmax, 2 * h, fmax);
    if (f1 == f2)
        return;
    // Unequal flaps: the lower one gets its own dimension.
    if (f2 < f1) {
        const float x = m.lgPatte + p1 + p2 / 2;
        dimension(m, d, x, h, x, h + f2, x, 0);
    } else {
        const float x = m.lgPatte + p1 / 2;
        dimension(m, d, x, h, x, h + f1, x, 0);
    }
}

}  // namespace brontaxe
