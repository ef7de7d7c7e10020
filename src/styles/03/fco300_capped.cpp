// Telescope boxes whose body is a slotted case and whose lid is a tray: a cap with glued
// corners over a half slotted body (0312) or over each end of a closed body (0313), a folded
// tray over each end of a half slotted body (0325).

#include <algorithm>

#include "builders/alternate_folds.h"
#include "builders/emit.h"
#include "builders/flap_tray.h"
#include "drawing/pen_scope.h"
#include "styles/03/fco300.h"
#include "styles/03/fco300_common.h"
#include "styles/03/fco300_slotted.h"
#include "styles/03/fco300_voranis.h"
#include "styles/blank_settings.h"

namespace brontaxe {
namespace {

// The cap centred at (x, y), with its dimensions when asked.
void drawCapAt(Model& m, Drawing& d, const FlapTrayShape& cap, float x, float y, bool dimensioned) {
    recordBlankPasses(m, FlapTray(d, cap, blankSettingsOf(m), {x, y, 0, false}));
    if (!dimensioned)
        return;
    Tray sizes;
    sizes.a = cap.a;
    sizes.b = cap.b;
    sizes.h = cap.h;
    const int first = beginFeature(d);
    trayDimensions(d, sizes, 0, false, kind::Cut);
    placeFeature(d, first, {.x = x, .y = y});
}

// The cap's centre: `EspPoseX` right of the body, on the body's middle height.
void drawCap(Model& m, Drawing& d, const FlapTrayShape& cap, float bodyEnd, float middle) {
    if (!pieceShown(m, kLidPiece))
        return;
    PenScope pen(d);
    pen.setPiece(1);
    const float half = cap.a + std::max(cap.h, trayFlapWidth(cap));
    drawCapAt(m, d, cap, bodyEnd + m.EspPoseX + half, middle, true);
}

FlapTrayShape capOf(const Model& m) {
    const Tray t = capOverBody(m);
    FlapTrayShape cap;
    cap.a = t.a;
    cap.b = t.b;
    cap.h = t.h;
    cap.flap = t.f;
    // VORANIS doubles the cap's long walls.
    if (m.Personnalisation == CustomerProfile::Voranis) {
        cap.doubleWallStep = m.Dblmur;
        cap.innerWall = std::max(t.h - m.Dblmur, m.EpaisseurCarton);
    }
    return cap;
}

// One cap folded from `grid`, from its corner (x, y), with its base and wall dimensions when
// asked.
void foldedCap(Model& m, Drawing& d, const FoldGrid& grid, float x, float y, bool dimensioned) {
    recordPasses(m, AlternateFolds(d, grid, {x, y, 0, false}));
    if (!dimensioned)
        return;
    const float wall = grid.columns.front();
    const float length = grid.columns[1];
    const float width = grid.rows[1].height;
    dimension(d, {.from = {x + wall, y + wall + width / 2},
                  .to = {x + wall + length, y + wall + width / 2},
                  .at = {0, y + wall + width / 2}});
    dimension(d, {.from = {x + wall + length / 2, y + wall},
                  .to = {x + wall + length / 2, y + wall + width},
                  .at = {x + wall + length / 2, 0}});
    dimension(d, {.from = {x + wall + length, y + wall + width / 4},
                  .to = {x + 2 * wall + length, y + wall + width / 4},
                  .at = {0, y + wall + width / 4}});
}

}  // namespace

void Fco0312(Model& m, Drawing& d) {
    const SlottedPiece body = cappedBody(m);
    const FlapTrayShape cap = capOf(m);
    GenerationPass pass(d);
    PenScope pen(d);
    if (pieceShown(m, kBottomPiece)) {
        pen.setPiece(m.Mode3D ? 2 : 1);
        drawHalfSlotted(m, d, body, 0);
        pieceDimensions(m, d, body, 0);
    }
    drawCap(m, d, cap, drawnLength(m, body), -body.body / 2);
}

void Fco0313(Model& m, Drawing& d) {
    const SlottedPiece body = cappedBody(m);
    FlapTrayShape cap = capOf(m);
    cap.doubleWallStep = 0;
    cap.innerWall = 0;
    GenerationPass pass(d);
    // A cap over each end of the closed body.
    const float half = cap.a + std::max(cap.h, trayFlapWidth(cap));
    drawThreeParts(m, d,
                   {.capWidth = 2 * half,
                    .bodyWidth = drawnLength(m, body),
                    .drawCap =
                        [&](float left, bool dimensioned) {
                            drawCapAt(m, d, cap, left + half, -body.body / 2, dimensioned);
                        },
                    .drawBody =
                        [&](float x) {
                            drawClosedBody(m, d, body, x);
                            pieceDimensions(m, d, body, x);
                        }});
}

void Fco0325(Model& m, Drawing& d) {
    const SlottedPiece body = slottedBody(m);
    const SlottedPiece over = slottedLid(m, body, 0);
    // Each cap folds from a grid: walls `hrabat` high round a base over the body's panels,
    // the corner squares turning with the long walls and slit from the short ones.
    const float wall = m.hrabat;
    const float length = std::max(over.p1, over.p3);
    const float width = std::max(over.p2, over.p4);
    FoldGrid grid;
    grid.columns = {wall, length, wall};
    grid.rows = {{wall, 0, 2}, {width, 0, 2}, {wall, 0, 2}};
    grid.creasedAcross = {false, true, false};
    GenerationPass pass(d);
    // A cap over the open end and one over the end its flaps close.
    const float y = -body.body / 2 - (width / 2 + wall);
    drawThreeParts(
        m, d,
        {.capWidth = length + 2 * wall,
         .bodyWidth = drawnLength(m, body),
         .drawCap = [&](float x, bool dimensioned) { foldedCap(m, d, grid, x, y, dimensioned); },
         .drawBody =
             [&](float x) {
                 drawHalfSlotted(m, d, body, x);
                 pieceDimensions(m, d, body, x);
             }});
}

}  // namespace brontaxe
