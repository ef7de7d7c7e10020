// Telescope boxes whose body is a sleeve, open at both ends and closed by a cap pushed over
// each end: the bottom cap, the sleeve and the top cap side by side.

#include "builders/double_wall_tray.h"
#include "builders/emit.h"
#include "builders/sleeve_blank.h"
#include "builders/winged_cap.h"
#include "styles/03/fco300.h"
#include "styles/03/fco300_common.h"
#include "styles/03/fco300_voranis.h"
#include "styles/blank_settings.h"

namespace brontaxe {
namespace {

void sleeveDimensions(Drawing& d, const Sleeve& s, float x0, float y0, float glueFlap) {
    float x = x0 + glueFlap;
    const float y = y0 + s.h / 4;
    for (float w : {s.p1, s.p2, s.p3, s.p4}) {
        dimension(d, {.from = {x, y}, .to = {x + w, y}, .at = {0, y}});
        x += w;
    }
    const float xh = x0 + glueFlap + s.p1 / 2;
    dimension(d, {.from = {xh, y0}, .to = {xh, y0 + s.h}, .at = {xh, 0}});
}

float sleeveWidth(const Model& m) {
    const Sleeve s = sleeveOf(m);
    return m.lgPatte + s.p1 + s.p2 + s.p3 + s.p4;
}

// The sleeve from its glue flap's free edge at x, centred on the caps' axis.
void drawSleeve(Model& m, Drawing& d, float x) {
    const Sleeve s = sleeveOf(m);
    const float y = -s.h / 2;
    recordBlankPasses(m, SleeveBlank(d,
                                     {.glue = m.lgPatte,
                                      .taper = m.anglPc,
                                      .p1 = s.p1,
                                      .p2 = s.p2,
                                      .p3 = s.p3,
                                      .p4 = s.p4,
                                      .height = s.h},
                                     pieceCutOf(m), {.x = x, .y = y}));
    sleeveDimensions(d, s, x, y, m.lgPatte);
}

// 0310 and 0311: caps with corner flaps; 0311's corner flaps and walls fold along diagonal
// creases.
void drawCapsAndSleeve(Model& m, Drawing& d, bool diagonals) {
    const Tray cap = capOverSleeve(m);
    const DoubleWallTrayShape tray{.a = cap.a,
                                   .b = cap.b,
                                   .h = cap.h,
                                   .flap = cap.f,
                                   .halfInsideLength = m.Longueur / 2,
                                   .endWallDiagonals = diagonals,
                                   .sideWallDiagonals = diagonals,
                                   .flapDiagonals = diagonals};
    GenerationPass pass(d);
    drawThreeParts(m, d,
                   {.capWidth = 2 * (cap.a + cap.h),
                    .bodyWidth = sleeveWidth(m),
                    .drawCap =
                        [&](float left, bool dimensioned) {
                            const float x = left + cap.a + cap.h;
                            recordBlankPasses(
                                m, DoubleWallTray(d, tray, blankSettingsOf(m), {.x = x}));
                            if (dimensioned)
                                trayDimensions(d, cap, x, cap.f >= cap.a, doubleWallChainKind(m));
                        },
                    .drawBody = [&](float x) { drawSleeve(m, d, x); }});
}

}  // namespace

void Fco0310(Model& m, Drawing& d) {
    drawCapsAndSleeve(m, d, false);
}

void Fco0311(Model& m, Drawing& d) {
    if (m.Personnalisation != CustomerProfile::Voranis) {
        drawCapsAndSleeve(m, d, true);
        return;
    }
    // VORANIS closes the caps with webbed corners, walls and corners as high as the cap.
    Tray cap = capOverSleeve(m);
    cap.f = cap.h;
    GenerationPass pass(d);
    drawThreeParts(m, d,
                   {.capWidth = 2 * (cap.a + cap.h),
                    .bodyWidth = sleeveWidth(m),
                    .drawCap =
                        [&](float left, bool) {
                            drawWebbedTray(d, cap, left + cap.a + cap.h, d.lineStyle().piece);
                        },
                    .drawBody = [&](float x) { drawSleeve(m, d, x); }});
}

void Fco0314(Model& m, Drawing& d) {
    const Tray base = capOverSleeve(m);
    // The wings close a quarter of the cap's width at each corner; the side walls roll over
    // them, their inner walls down to the cap's floor, and lock them without staples.
    const WingedCapShape cap{base.a, base.b, base.h, base.b / 2, base.h - m.EpaisseurCarton};
    GenerationPass pass(d);
    const float half = markedCapHalfLength(cap);
    drawThreeParts(m, d,
                   {.capWidth = 2 * half,
                    .bodyWidth = sleeveWidth(m),
                    .drawCap =
                        [&](float left, bool dimensioned) {
                            WingedCap(d, cap, m.EpaisseurCarton, {.x = left + half});
                            if (dimensioned)
                                trayDimensions(d, base, left + half, false, kind::Crease);
                        },
                    .drawBody = [&](float x) { drawSleeve(m, d, x); }});
}

}  // namespace brontaxe
