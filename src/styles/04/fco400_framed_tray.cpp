// 0431: the framed display tray. A base with four walls; on the top edge of each wall a border
// `hrabat` wide that folds in over the top, the four borders meeting on mitres round an open
// centre. The walls beyond y = +-b carry corner flaps that tuck inside the end walls, where the
// borders hold them; no glue. Allowances as the trays': 1 base length, 3 base width, 5 walls.

#include <algorithm>

#include "builders/emit.h"
#include "builders/flat_blank_dimensions.h"
#include "drawing/pen_scope.h"
#include "platform/errors.h"
#include "platform/number_text.h"
#include "styles/04/fco400.h"
#include "styles/04/fco400_common.h"
#include "styles/04/fco400_tray.h"

namespace brontaxe {
namespace {

struct FramedTray {
    float a, b, h;  // half the base along x and y, wall height
    float border;   // the frame's width
    float flap;     // a corner flap's reach along the end wall
};

FramedTray framedTray(const Model& m) {
    const TraySizes s = traySizes(m);
    const float e = m.EpaisseurCarton;
    return {s.a, s.b, s.h, m.hrabat, std::min(s.h, s.b) - e};
}

void checkTray(const FramedTray& t) {
    if (!(t.a > 0) || !(t.b > 0) || !(t.h > 0) || !(t.flap > 0))
        throw GenerationError("Dimensions impossibles : plateau de taille nulle");
    if (!(t.border > 0) || !(t.border < std::min(t.a, t.b)))
        throw GenerationError("Cadre impossible : une bordure de " +
                              platform::readableNumber(t.border) +
                              "\u00a0mm doit laisser le centre ouvert sur un fond de " +
                              platform::readableNumber(2 * t.a) + " x " +
                              platform::readableNumber(2 * t.b) + "\u00a0mm");
}

// The quarter x >= 0, y >= 0.
void quarter(Drawing& d, const FramedTray& t) {
    const float a = t.a, b = t.b, h = t.h, f = t.border;
    PenScope pen(d, kind::Cut);
    // The long wall's border, mitred at its end.
    chainStart(d, 0, b + h + f);
    lineTo(d, a - f, b + h + f);
    lineTo(d, a, b + h);
    // The corner flap beside it, its free corner lower by the board.
    const float slant = std::min(t.flap, h / 4);
    lineTo(d, a + t.flap, b + h - slant);
    lineTo(d, a + t.flap, b);
    // The end wall's side edge, met by the flap's edge, and its border, mitred.
    line(d, a, b, a + t.flap, b);
    line(d, a + t.flap, b, a + h, b);
    chainStart(d, a + h, b);
    lineTo(d, a + h + f, b - f);
    lineTo(d, a + h + f, 0);
    pen.setKind(kind::Crease);
    line(d, 0, b, a, b);
    line(d, a, 0, a, b);
    line(d, 0, b + h, a, b + h);
    line(d, a + h, 0, a + h, b);
    line(d, a, b, a, b + h);
}

}  // namespace

void Fco0431(Model& m, Drawing& d) {
    const FramedTray t = framedTray(m);
    checkTray(t);
    GenerationPass pass(d);
    const int first = beginFeature(d);
    quarter(d, t);
    mirrorRegistered(d, first, 0, 0, 0);
    mirrorRegistered(d, first, 0, 0, 90);
    FlatBlankChains c;
    c.across = {t.border, t.h, 2 * t.a, t.h, t.border};
    c.up = {t.border, t.h, 2 * t.b, t.h, t.border};
    // The chains carry the crease kind of the folds drawn last.
    const PenScope creaseKind(d, kind::Crease);
    FlatBlankDimensions(d, c, m.Personnalisation.profile());
}

}  // namespace brontaxe
