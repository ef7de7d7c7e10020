// Telescope boxes made of two trays: the bottom and the lid that slides over it.

#include "drawing/biblio.h"
#include "styles/fco300.h"
#include "styles/fco300_common.h"

namespace brontaxe {
namespace {

// One quarter of a tray whose corners are webbed: the corner square stays joined to both
// walls and folds in along its diagonal.
void webbedQuarter(Model& m, Drawing& d, const Tray& t) {
    const float a = t.a;
    const float b = t.b;
    const float h = t.h;
    d.LineVariant = 1;
    d.LineKind = kind::Cut;
    chainStart(m, a + h, 0);
    lineTo(m, d, a + h, b + h);
    lineTo(m, d, 0, b + h);
    d.LineKind = kind::Crease;
    line(m, d, 0, b, a + h, b);
    line(m, d, a, 0, a, b + h);
    line(m, d, a, b, a + h, b + h);
}

void drawWebbedTray(Model& m, Drawing& d, const Tray& t, float x, std::int16_t piece) {
    d.Piece = piece;
    const int first = beginFeature(m);
    // The four quarters: as drawn, mirrored below the x axis, turned into the opposite corner,
    // mirrored left of the y axis.
    const struct {
        float angle;
        bool mirrored;
    } quarters[] = {{0, false}, {0, true}, {180, false}, {180, true}};
    for (const auto& q : quarters) {
        const int quarter = beginFeature(m);
        webbedQuarter(m, d, t);
        placeFeature(m, d, quarter, 0, 0, q.angle, q.mirrored);
    }
    placeFeature(m, d, first, x, 0, 0, false);
    trayDimensions(m, d, t, x, false);
}

}  // namespace

void Fco0300(Model& m, Drawing& d) {
    const Tray bottom = bottomTray(m);
    const Tray lid = lidOver(m, bottom);
    GenerationPass pass(m, d);
    drawBottomAndLid(m, d, bottom, lid);
}

void Fco0304(Model& m, Drawing& d) {
    Fco0300(m, d);
}

void Fco0306(Model& m, Drawing& d) {
    const Tray bottom = bottomTray(m);
    Tray lid = lidOver(m, bottom);
    lid.f = m.hrecouvr;
    GenerationPass pass(m, d);
    drawBottomAndLid(m, d, bottom, lid);
}

void Fco0308(Model& m, Drawing& d) {
    Tray bottom = bottomTray(m);
    bottom.f = bottom.h;
    Tray lid = lidOver(m, bottom);
    lid.f = lid.h;
    GenerationPass pass(m, d);
    drawBottomAndLid(m, d, bottom, lid);
}

void Fco0309(Model& m, Drawing& d) {
    const Tray bottom = bottomTray(m);
    const Tray lid = lidOver(m, bottom);
    GenerationPass pass(m, d);
    if (pieceShown(m, kBottomPiece))
        drawWebbedTray(m, d, bottom, 0, m.Mode3D ? 2 : 1);
    if (pieceShown(m, kLidPiece))
        drawWebbedTray(m, d, lid, besideCentre(m, 0, bottom.a + bottom.h, lid.a + lid.h), 1);
}

}  // namespace brontaxe
