// 0230, 0231, 0234, 0235: the glue flap of the body half becomes a panel of its own, with a
// flap and a square end, so the blank wraps round with an overlap.

#include "builders/emit.h"
#include "styles/02/fco200.h"
#include "styles/02/fco200_common.h"

namespace brontaxe {
namespace {

struct WrapLayout {
    SlottedBody body;
    float extra = 0;  // width of the panel that takes the glue flap's place
};

// The front panel takes the glue flap's place: square ended, as tall as the flaps of panel 1.
void drawWrap(Model& m, Drawing& d, int code, const WrapLayout& w) {
    SlottedBody b = w.body;
    b.glue = {.width = w.extra, .taper = 0, .extension = b.f1};
    drawTwoHalves(m, d, b, code, FlapDimension::WhenFirstIsLower);
}

// The allowance each panel takes: the three full panels, then the front panel.
struct WrapAllowances {
    float first, second, third, front;
};

// Panels across, around, across and a short overlap panel, behind a front panel of two thirds
// of `around` that takes the glue flap's place. The front and overlap panels make up the
// opposite wall (`around` with its allowance) plus the overlap, once: the wall they form is
// as long as the one it faces.
WrapLayout wrapLayout(const Model& m, float around, float across, WrapAllowances k, float flap1,
                      float flap2) {
    WrapLayout w;
    w.body.p1 = across + k.first;
    w.body.p2 = around + k.second;
    w.body.p3 = across + k.third;
    w.extra = roundedFlap(2 * around / 3) + k.front;
    w.body.p4 = w.body.p2 - w.extra + m.hrecouvr;
    w.body.h = m.Hauteur / 2 + slottedAllowances(m).bodyHeight / 2;
    w.body.f1 = flap1;
    w.body.f2 = flap2;
    return w;
}

WrapLayout wrap0230(const Model& m) {
    const SlottedAllowances a = slottedAllowances(m);
    const float base = roundedFlap(m.Largeur / 2);
    return wrapLayout(m, m.Longueur, m.Largeur, {a.panel2, a.panel1, a.panel4, a.panel3},
                      base + a.oddFlaps, base + a.evenFlaps);
}

WrapLayout wrap0231(const Model& m) {
    const SlottedAllowances a = slottedAllowances(m);
    const float base = roundedFlap(m.Largeur / 2);
    return wrapLayout(m, m.Largeur, m.Longueur, {a.panel1, a.panel4, a.panel3, a.panel2},
                      base + a.oddFlaps, base + a.evenFlaps);
}

WrapLayout wrap0234(const Model& m) {
    const SlottedAllowances a = slottedAllowances(m);
    return wrapLayout(m, m.Longueur, m.Largeur, {a.panel2, a.panel1, a.panel4, a.panel3}, m.hrabat,
                      m.hrabat);
}

WrapLayout wrap0235(const Model& m) {
    const SlottedAllowances a = slottedAllowances(m);
    return wrapLayout(m, m.Largeur, m.Longueur, {a.panel2, a.panel1, a.panel4, a.panel3}, m.hrabat,
                      m.hrabat);
}

// The tables hold with the glue flap on the width panel; without it each style of a pair
// draws its partner's layout.
void drawPair(Model& m, Drawing& d, int code, WrapLayout (*own)(const Model&), int partnerCode,
              WrapLayout (*partner)(const Model&)) {
    if (m.pattesurtete)
        drawWrap(m, d, code, own(m));
    else
        drawWrap(m, d, partnerCode, partner(m));
}

}  // namespace

void Fco0230(Model& m, Drawing& d) {
    drawPair(m, d, 230, &wrap0230, 231, &wrap0231);
}
void Fco0231(Model& m, Drawing& d) {
    drawPair(m, d, 231, &wrap0231, 230, &wrap0230);
}
void Fco0234(Model& m, Drawing& d) {
    drawPair(m, d, 234, &wrap0234, 235, &wrap0235);
}
void Fco0235(Model& m, Drawing& d) {
    drawPair(m, d, 235, &wrap0235, 234, &wrap0234);
}

}  // namespace brontaxe
