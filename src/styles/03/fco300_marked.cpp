// Tray and lid whose corners are closed by wings behind double side walls (0330).

#include <algorithm>

#include "builders/emit.h"
#include "builders/winged_cap.h"
#include "drawing/pen_scope.h"
#include "styles/03/fco300.h"
#include "styles/03/fco300_common.h"
#include "styles/03/fco300_voranis.h"

namespace brontaxe {
namespace {

void capDimensions(Drawing& d, const WingedCapShape& c, float x) {
    Tray t;
    t.a = c.a;
    t.b = c.b;
    t.h = c.h;
    trayDimensions(d, t, x, false, kind::Crease);
    const PenScope chains(d, kind::Crease);
    const float xi = x + c.a / 2;
    dimension(d, {.from = {xi, c.b + c.h}, .to = {xi, c.b + c.h + c.inner}, .at = {xi, 0}});
}

}  // namespace

void Fco0330(Model& m, Drawing& d) {
    const MarkedPair p = markedPair(m);
    GenerationPass pass(d);
    PenScope pen(d);
    if (m.Personnalisation == CustomerProfile::Voranis) {
        fco0330Voranis(m, d, p);
        return;
    }
    if (pieceShown(m, kBottomPiece)) {
        pen.setPiece(m.Mode3D ? 2 : 1);
        WingedCap(d, p.bottom, m.EpaisseurCarton);
        capDimensions(d, p.bottom, 0);
    }
    if (!pieceShown(m, kLidPiece))
        return;
    pen.setPiece(1);
    const float x =
        besideCentre(m.EspPoseX, 0, markedCapHalfLength(p.bottom), markedCapHalfLength(p.lid));
    WingedCap(d, p.lid, m.EpaisseurCarton, {.x = x});
    capDimensions(d, p.lid, x);
}

}  // namespace brontaxe
