// 0501 to 0510: rings on the sleeve builder, each wrapping the faces of the box its code
// names; the two-piece members slide one ring in another.

#include <cmath>
#include <string_view>
#include <vector>

#include "builders/emit.h"
#include "builders/sleeve_blank.h"
#include "drawing/pen_scope.h"
#include "model/model_choices.h"
#include "styles/05/fco500.h"
#include "styles/05/fco500_sizes.h"
#include "styles/blank_settings.h"
#include "styles/shown_pieces.h"

namespace brontaxe {
namespace {

constexpr std::size_t kOuterPiece = 1;  // "Couvercle / Extérieur"
constexpr std::size_t kInnerPiece = 3;  // "Fond / Intérieur"

// What a sleeve drawn at (x, y) kept, for its dimensions.
struct DrawnSleeve {
    std::vector<float> panels;
    float h = 0;
    Box box;
};

DrawnSleeve drawDrawerSleeve(Model& m, Drawing& d, const SleeveSizes& s, float x, float y) {
    const int first = beginFeature(d);
    recordBlankPasses(m, SleeveBlank(d,
                                     {.glue = m.lgPatte,
                                      .taper = m.anglPc,
                                      .p1 = s.p[0],
                                      .p2 = s.p[1],
                                      .p3 = s.p[2],
                                      .p4 = s.p[3],
                                      .height = s.h},
                                     pieceCutOf(m), {.x = x, .y = y}));
    return {ContourPanels(pieceCutOf(m), s.p[0], s.p[1], s.p[2], s.p[3]), s.h,
            registeredBox(d, first)};
}

// Panels along the lower edge, the whole length under them, the height at the right: one
// dimension a panel plus two.
void panelDimensions(Model& m, Drawing& d, const DrawnSleeve& s, float x, float y, float g) {
    chainAlongX(d, x + m.lgPatte, y - g, s.panels);
    const auto xmin = static_cast<float>(s.box.xmin), xmax = static_cast<float>(s.box.xmax);
    dimension(d, {.from = {xmin, y - 2 * g}, .to = {xmax, y - 2 * g}, .at = {0, y - 2 * g}});
    dimension(d, {.from = {xmax + g, y}, .to = {xmax + g, y + s.h}, .at = {xmax + g, 0}});
}

bool glueFlapDrawn(const Model& m) {
    return m.lgPatte > 0 && m.anglPc < 90 && fourPieces(m) != FourPieces::LoosePanel;
}

// 0501 to 0503: one ring; `withFlapShape` adds the glue flap's width, its straight edge and
// the drop of its slanted ends (0501).
void drawOneSleeve(Model& m, Drawing& d, Ring ring, bool withFlapShape) {
    const SleeveSizes s = ringSizes(m, ring, m.pattesurtete);
    GenerationPass pass(d);
    const DrawnSleeve drawn = drawDrawerSleeve(m, d, s, 0, 0);
    const float g = chainSpacing(drawn.box);
    panelDimensions(m, d, drawn, 0, 0, g);
    if (glueFlapDrawn(m)) {
        const float drop = m.lgPatte * static_cast<float>(std::tan(toRadians(m.anglPc)));
        dimension(d, {.from = {0, -g}, .to = {m.lgPatte, -g}, .at = {0, -g}});
        if (withFlapShape && 2 * drop < s.h) {
            dimension(d, {.from = {-g, drop}, .to = {-g, s.h - drop}, .at = {-g, 0}});
            dimension(d, {.from = {-g, s.h - drop}, .to = {-g, s.h}, .at = {-g, 0}});
        }
    }
    if (withFlapShape && m.Personnalisation == CustomerProfile::Qor && drawn.panels.size() >= 2)
        dimension(d, {.from = {m.lgPatte, s.h / 2},
                      .to = {m.lgPatte + drawn.panels[0] + drawn.panels[1], s.h / 2},
                      .at = {0, s.h / 2}});
}

// Outer sleeve at the origin, inner wrap `EspPoseY` under it; each keeps its place when the
// other is hidden.
void drawSlidePair(Model& m, Drawing& d, std::string_view code, bool innerOnPiece2In3D) {
    const SlidePair s = slidePair(m, *slidePairing(code));
    GenerationPass pass(d);
    PenScope pen(d);
    const float innerY = -(s.inner.h + m.EspPoseY);
    DrawnSleeve outer, inner;
    if (pieceShown(m, kOuterPiece)) {
        pen.setPiece(1);
        outer = drawDrawerSleeve(m, d, s.outer, 0, 0);
    }
    if (pieceShown(m, kInnerPiece)) {
        pen.setPiece(innerOnPiece2In3D && m.Mode3D ? 2 : 1);
        inner = drawDrawerSleeve(m, d, s.inner, 0, innerY);
    }
    pen.setPiece(1);
    Box all = outer.box;
    all.add(inner.box);
    const float g = chainSpacing(all);
    if (pieceShown(m, kOuterPiece)) {
        // Above the outer sleeve, clear of the inner wrap below it.
        chainAlongX(d, m.lgPatte, s.outer.h + g, outer.panels);
        const auto xmin = static_cast<float>(outer.box.xmin);
        const auto xmax = static_cast<float>(outer.box.xmax);
        dimension(d, {.from = {xmin, s.outer.h + 2 * g},
                      .to = {xmax, s.outer.h + 2 * g},
                      .at = {0, s.outer.h + 2 * g}});
        dimension(d, {.from = {xmax + g, 0}, .to = {xmax + g, s.outer.h}, .at = {xmax + g, 0}});
    }
    if (pieceShown(m, kInnerPiece)) {
        panelDimensions(m, d, inner, 0, innerY, g);
    }
}

}  // namespace

void drawDimensionedSleeve(Model& m, Drawing& d, const SleeveSizes& s, float x, float y) {
    const DrawnSleeve drawn = drawDrawerSleeve(m, d, s, x, y);
    panelDimensions(m, d, drawn, x, y, chainSpacing(drawn.box));
}

void Fco0501(Model& m, Drawing& d) {
    drawOneSleeve(m, d, Ring::Walls, true);
}

void Fco0502(Model& m, Drawing& d) {
    drawOneSleeve(m, d, Ring::TopBottomSides, false);
}

void Fco0503(Model& m, Drawing& d) {
    drawOneSleeve(m, d, Ring::TopBottomEnds, false);
}

void Fco0504(Model& m, Drawing& d) {
    drawSlidePair(m, d, "0504", true);
}

void Fco0505(Model& m, Drawing& d) {
    drawSlidePair(m, d, "0505", true);
}

void Fco0507(Model& m, Drawing& d) {
    drawSlidePair(m, d, "0507", true);
}

void Fco0508(Model& m, Drawing& d) {
    drawSlidePair(m, d, "0508", false);
}

void Fco0510(Model& m, Drawing& d) {
    drawSlidePair(m, d, "0510", true);
}

}  // namespace brontaxe
