// 0406, 0409, 0410, 0411: wrap-round folders on the slotted body. The body wraps round the
// length of the box (panels top, side, bottom, side) and the flaps close its two ends.

#include <algorithm>
#include <optional>
#include <string>

#include "builders/emit.h"
#include "styles/02/fco200_common.h"
#include "styles/04/fco400.h"
#include "styles/04/fco400_common.h"
#include "styles/04/fco400_rules.h"
#include "styles/blank_settings.h"

namespace brontaxe {
namespace {

// The wrap-around folders' allowances (0406, 0409 to 0411): the panels round the length, the
// body along it, the flaps closing the ends.
struct WrapFolderAllowances {
    float top;               // 1: the top panel (0411: the half top panel after the seam)
    float firstSide;         // 2: the side panel after the top
    float bottom;            // 3: the bottom panel
    float secondSide;        // 4: the other side panel
    float length;            // 5: the body's length
    float widthPanelFlaps;   // 6: the flaps of the top and bottom, on half the height
    float heightPanelFlaps;  // 7: the flaps of the sides, on half the width
    float closingTop;        // 8: 0410's second top panel, 0411's half top panel at the seam
};

WrapFolderAllowances wrapFolderAllowances(const Model& m) {
    const auto& k = m.Majo;
    return {.top = k[1],
            .firstSide = k[2],
            .bottom = k[3],
            .secondSide = k[4],
            .length = k[5],
            .widthPanelFlaps = k[6],
            .heightPanelFlaps = k[7],
            .closingTop = k[8]};
}

// Top, side, bottom, side round the length; the end face is W by H, so the flaps of the W
// panels reach half the height and those of the H panels half the width.
SlottedBody wrapBody(const Model& m) {
    const WrapFolderAllowances a = wrapFolderAllowances(m);
    SlottedBody b;
    b.p1 = m.Largeur + a.top;
    b.p2 = m.Hauteur + a.firstSide;
    b.p3 = m.Largeur + a.bottom;
    b.p4 = m.Hauteur + a.secondSide;
    b.h = m.Longueur / 2 + a.length / 2;
    b.f1 = roundedHalf(m.Hauteur) + a.widthPanelFlaps;
    b.f2 = roundedHalf(m.Largeur) + a.heightPanelFlaps;
    b.glue = glueFlapOf(m);
    return b;
}

float closingPanel(const Model& m) {
    return m.Largeur + wrapFolderAllowances(m).closingTop;
}

float halfTopPanel(const Model& m) {
    return roundedHalf(m.Largeur) + wrapFolderAllowances(m).closingTop;
}

// A panel in the glue flap's place: square ended, no higher than the body.
BodyGlueFlap closingFlap(float width) {
    return {.width = width, .taper = 0, .extension = 0};
}

// The fifth panel closes over the top: side, bottom, side, top round the length, and the
// closing panel on the first side's free edge lies over the top as a glue flap lies over its
// panel.
SlottedBody body0410(const Model& m) {
    const WrapFolderAllowances a = wrapFolderAllowances(m);
    SlottedBody b;
    b.p1 = m.Hauteur + a.firstSide;
    b.p2 = m.Largeur + a.bottom;
    b.p3 = m.Hauteur + a.secondSide;
    b.p4 = m.Largeur + a.top;
    b.h = m.Longueur / 2 + a.length / 2;
    b.f1 = roundedHalf(m.Largeur) + a.heightPanelFlaps;
    b.f2 = roundedHalf(m.Hauteur) + a.widthPanelFlaps;
    b.glue = closingFlap(closingPanel(m));
    return b;
}

// The seam runs along the middle of the top: half a top panel at each end of the body.
SlottedBody body0411(const Model& m) {
    SlottedBody b = body0410(m);
    b.p4 = roundedHalf(m.Largeur) + wrapFolderAllowances(m).top;
    b.glue = closingFlap(halfTopPanel(m));
    return b;
}

std::vector<FoldPair> endFolds(const SlottedBody& b) {
    // Flaps of panels 1 and 3 fold across panel 2, those of panels 2 and 4 across panel 1.
    return {{"rabats des panneaux 1 et 3", b.f1, b.f1, b.p2, FoldFit::Meet},
            {"rabats des panneaux 2 et 4", b.f2, b.f2, b.p1, FoldFit::Meet}};
}

std::optional<std::string> slotsFit(const Model& m, const SlottedBody& b) {
    const auto [s1, s2] = slotHalfWidths(m);
    if (s1 < 0 || s2 < 0)
        return std::string("Encoche impossible : largeur de fente négative");
    const float narrowest = std::min({b.p1, b.p2, b.p3, b.p4, b.glue.width + s1});
    if (narrowest <= s1 + s2)
        return std::string(
            "Encoche trop large : la fente doit rester plus étroite que le "
            "panneau le plus court");
    return std::nullopt;
}

// A quarter turn, so that the length of the folder runs across the sheet.
void turnQuarter(Drawing& d) {
    if (d.tracer().count() < 1)
        return;
    d.BeginDrawing();
    d.TransformRange(d.tracer().id(1), d.tracer().id(d.tracer().count()), Transform::turn(90));
    d.EndDrawing();
}

}  // namespace

void Fco0406(Model& m, Drawing& d) {
    SlottedBody b = wrapBody(m);
    // Major flaps overlapping by `hrecouvr` over the end, dust flaps `hrabat` under them.
    const WrapFolderAllowances a = wrapFolderAllowances(m);
    b.f1 = roundedHalf(m.Hauteur + m.hrecouvr) + a.widthPanelFlaps;
    b.f2 = m.hrabat + a.heightPanelFlaps;
    drawTwoHalves(m, d, b, 406);
}

void Fco0409(Model& m, Drawing& d) {
    drawTwoHalves(m, d, wrapBody(m), 409);
    // The "QOR" profile keeps the folder as the body is drawn, panels across.
    if (m.Personnalisation != CustomerProfile::Qor)
        turnQuarter(d);
}

void Fco0410(Model& m, Drawing& d) {
    // Five panels: a second top panel closes the wrap instead of a glue flap.
    drawTwoHalves(m, d, body0410(m), 410);
    turnQuarter(d);
}

void Fco0411(Model& m, Drawing& d) {
    drawTwoHalves(m, d, body0411(m), 411);
    turnQuarter(d);
}

std::vector<FoldPair> foldsWrap(const Model& m) {
    return endFolds(wrapBody(m));
}

std::vector<FoldPair> folds0410(const Model& m) {
    return endFolds(body0410(m));
}

std::vector<FoldPair> folds0411(const Model& m) {
    return endFolds(body0411(m));
}

std::optional<std::string> wrapFolderDomainRule(const Model& m) {
    return slotsFit(m, wrapBody(m));
}

std::optional<std::string> domain0410(const Model& m) {
    return slotsFit(m, body0410(m));
}

std::optional<std::string> domain0411(const Model& m) {
    return slotsFit(m, body0411(m));
}

}  // namespace brontaxe
