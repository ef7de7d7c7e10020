// Half slotted cases: a single body half below y = 0, flaps at the bottom, the top left open.

#include <algorithm>

#include "builders/body_panels.h"
#include "builders/emit.h"
#include "builders/hand_hole.h"
#include "builders/slotted_body_half.h"
#include "builders/slotted_dimensions.h"
#include "drawing/pen_scope.h"
#include "model/model_choices.h"
#include "styles/02/fco200.h"
#include "styles/02/fco200_common.h"
#include "styles/blank_settings.h"

namespace brontaxe {
namespace {

// The hand-holes sit near the open edge, `DPoign` below it as below a flap crease; the body
// half leaves them out when mirrored.
void halfCaseHandHoles(Model& m, Drawing& d, const BodyPanels& b, float body) {
    if (handHoleKind(m) == HandHoleKind::None || fourPieces(m) != FourPieces::None)
        return;
    checkHandHoleFits(wallHandHoleOf(m), std::min(b.p1, b.p2), body);
    const float xa = m.lgPatte;
    const bool lengthFirst = b.p1 >= b.p2;
    const float first = lengthFirst ? xa + b.p1 + b.p2 / 2 : xa + b.p1 / 2;
    const float second =
        lengthFirst ? xa + b.p1 + b.p2 + b.p3 + b.p4 / 2 : xa + b.p1 + b.p2 + b.p3 / 2;
    const HandHoleShape hole = wallHandHoleOf(m).shape;
    HandHole(d, hole, {.x = first, .y = 0 - m.DPoign});
    if (!m.CaisseEn2)
        HandHole(d, hole, {.x = second, .y = 0 - m.DPoign});
}

// The cut along the open edge, over the glue flap and every panel drawn.
void closeOpenEdge(Model& m, Drawing& d, const BodyPanels& b) {
    const FourPieces pieces = fourPieces(m);
    const float start = pieces == FourPieces::LoosePanel ? m.lgPatte : 0;
    float end = m.lgPatte + b.p1 + b.p2 + b.p3 + b.p4;
    if (pieces == FourPieces::GluedBothEnds)
        end += m.lgPatte;
    const PenScope pen(d, kind::Cut);
    line(d, start, 0, end, 0);
}

void drawHalfCase(Model& m, Drawing& d, int /*code*/, bool withHandHoles) {
    const BlankSettings settings = blankSettingsOf(m);
    const SlottedAllowances a = slottedAllowances(m);
    SlottedBody b = slottedPanels(m);
    // A half slotted case closes like a regular one: the flaps meet in the middle.
    const float base = roundedFlap(m.Largeur / 2);
    b.f1 = base + a.oddFlaps;
    b.f2 = base + a.evenFlaps;
    const float body = m.Hauteur + a.bodyHeight;

    GenerationPass pass(d);
    recordPasses(m, SlottedBodyHalf(d,
                                    {.p1 = b.p1,
                                     .p2 = b.p2,
                                     .p3 = b.p3,
                                     .p4 = b.p4,
                                     .h = body,
                                     .f1 = b.f1,
                                     .f2 = b.f2,
                                     .glue = b.glue},
                                    settings, {.mirrored = true}));
    if (m.Sym_Verticale)
        reverseMachinePasses(m.PassesMachine);
    const BodyPanels drawn =
        applyPieceVariants(pieceCutOf(m), BodyPanels{b.p1, b.p2, b.p3, b.p4, b.f1, b.f2});
    if (withHandHoles)
        halfCaseHandHoles(m, d, drawn, body);
    closeOpenEdge(m, d, drawn);
    SlottedBodyDimensions(d,
                          {.glueWidth = m.lgPatte,
                           .p1 = b.p1,
                           .p2 = b.p2,
                           .p3 = b.p3,
                           .p4 = b.p4,
                           .flapBelow = largerFlap(b.f1, b.f2),
                           .body = body,
                           .flapAbove = 0},
                          settings);
}

}  // namespace

void Fco0200(Model& m, Drawing& d) {
    drawHalfCase(m, d, 200, true);
}

void Fco0200C(Model& m, Drawing& d) {
    drawHalfCase(m, d, 200, false);
}

}  // namespace brontaxe
