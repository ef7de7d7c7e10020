#include "styles/03/fco300_slotted.h"

#include <algorithm>

#include "builders/body_panels.h"
#include "builders/emit.h"
#include "builders/slotted_body_half.h"
#include "drawing/pen_scope.h"
#include "model/model_choices.h"
#include "styles/blank_settings.h"

namespace brontaxe {

SlottedPiece drawnPanels(const Model& m, SlottedPiece p) {
    const BodyPanels b =
        applyPieceVariants(pieceCutOf(m), BodyPanels{p.p1, p.p2, p.p3, p.p4, p.f1, p.f2});
    p.p1 = b.p1;
    p.p2 = b.p2;
    p.p3 = b.p3;
    p.p4 = b.p4;
    return p;
}

float drawnLength(const Model& m, const SlottedPiece& p) {
    const float glue = fourPieces(m) == FourPieces::GluedBothEnds ? 2 * m.lgPatte : m.lgPatte;
    return glue + drawnPanels(m, p).length();
}

void drawHalfSlotted(Model& m, Drawing& d, const SlottedPiece& p, float x) {
    const int first = beginFeature(d);
    recordPasses(m, SlottedBodyHalf(d,
                                    {.p1 = p.p1,
                                     .p2 = p.p2,
                                     .p3 = p.p3,
                                     .p4 = p.p4,
                                     .h = p.body,
                                     .f1 = p.f1,
                                     .f2 = p.f2,
                                     .glue = glueFlapOf(m)},
                                    blankSettingsOf(m), {.mirrored = true}));
    const PenScope pen(d, kind::Cut);
    line(d, fourPieces(m) == FourPieces::LoosePanel ? m.lgPatte : 0, 0, drawnLength(m, p), 0);
    placeFeature(d, first, {.x = x});
}

void pieceDimensions(Model& m, Drawing& d, const SlottedPiece& whole, float x) {
    const SlottedPiece p = drawnPanels(m, whole);
    const float depth = p.body + std::max(p.f1, p.f2);
    const float y = -depth - (p.length() + depth) / 25;
    float at = x + m.lgPatte;
    for (float w : {p.p1, p.p2, p.p3, p.p4}) {
        if (w > 0)
            dimension(d, {.from = {at, y}, .to = {at + w, y}, .at = {0, y}});
        at += w;
    }
    // Heights across the first panel, so that they stay clear of the piece beside.
    const float column = x + m.lgPatte + p.p1 / 4;
    dimension(d, {.from = {column, 0}, .to = {column, -p.body}, .at = {column, 0}});
    dimension(d, {.from = {column, -p.body}, .to = {column, -depth}, .at = {column, 0}});
}

void drawClosedBody(Model& m, Drawing& d, const SlottedPiece& p, float x) {
    const BlankSettings settings = blankSettingsOf(m);
    const float h = p.body / 2;
    const int first = beginFeature(d);
    const SlottedBody half{.p1 = p.p1,
                           .p2 = p.p2,
                           .p3 = p.p3,
                           .p4 = p.p4,
                           .h = h,
                           .f1 = p.f1,
                           .f2 = p.f2,
                           .glue = glueFlapOf(m)};
    recordPasses(m, SlottedBodyHalf(d, half, settings));
    recordPasses(m, SlottedBodyHalf(d, half, settings, {.mirrored = true}));
    placeFeature(d, first, {.x = x, .y = -h});
}

}  // namespace brontaxe
