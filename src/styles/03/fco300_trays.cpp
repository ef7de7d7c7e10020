// Telescope boxes made of two trays: the bottom and the lid that slides over it.

#include "builders/emit.h"
#include "styles/03/fco300.h"
#include "styles/03/fco300_common.h"

namespace brontaxe {

void Fco0300(Model& m, Drawing& d) {
    const Tray bottom = bottomTray(m);
    const Tray lid = lidOver(m, bottom);
    GenerationPass pass(d);
    drawBottomAndLid(m, d, bottom, lid);
}

void Fco0304(Model& m, Drawing& d) {
    const Tray bottom = bottomTray(m);
    const Tray lid = lidGrownByItsAllowances(m, bottom);
    GenerationPass pass(d);
    drawBottomAndLid(m, d, bottom, lid);
}

void Fco0306(Model& m, Drawing& d) {
    const Tray bottom = bottomTray(m);
    Tray lid = lidOver(m, bottom);
    lid.f = m.hrecouvr;
    GenerationPass pass(d);
    drawBottomAndLid(m, d, bottom, lid);
}

void Fco0308(Model& m, Drawing& d) {
    Tray bottom = bottomTray(m);
    bottom.f = bottom.h;
    Tray lid = lidOver(m, bottom);
    lid.f = lid.h;
    // The bottom's corner flaps, glued outside its long walls, widen it by a board each side:
    // the lid widens as much to go over them.
    lid.b += m.EpaisseurCarton;
    GenerationPass pass(d);
    drawBottomAndLid(m, d, bottom, lid);
}

void Fco0309(Model& m, Drawing& d) {
    const Tray bottom = bottomTray(m);
    const Tray lid = lidOver(m, bottom);
    GenerationPass pass(d);
    if (pieceShown(m, kBottomPiece))
        drawWebbedTray(d, bottom, 0, m.Mode3D ? 2 : 1);
    if (pieceShown(m, kLidPiece))
        drawWebbedTray(d, lid, besideCentre(m.EspPoseX, 0, bottom.a + bottom.h, lid.a + lid.h), 1);
}

}  // namespace brontaxe
