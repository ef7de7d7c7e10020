#include "styles/03/fco300_common.h"

#include "builders/double_wall_tray.h"
#include "builders/emit.h"
#include "drawing/pen_scope.h"
#include "model/model_choices.h"
#include "styles/blank_settings.h"

namespace brontaxe {
namespace {

// One quarter of a tray whose corners are webbed: the corner square stays joined to both
// walls and folds in along its diagonal.
void webbedQuarter(Drawing& d, const Tray& t) {
    const float a = t.a;
    const float b = t.b;
    const float h = t.h;
    PenScope pen(d, kind::Cut);
    chainStart(d, a + h, 0);
    lineTo(d, a + h, b + h);
    lineTo(d, 0, b + h);
    pen.setKind(kind::Crease);
    // The base's edges, the corner's folds onto either wall, and its diagonal.
    line(d, 0, b, a, b);
    line(d, a, 0, a, b);
    line(d, a, b, a + h, b);
    line(d, a, b, a, b + h);
    line(d, a, b, a + h, b + h);
}

}  // namespace

void drawWebbedTray(Drawing& d, const Tray& t, float x, std::int16_t piece) {
    PenScope pen(d);
    pen.setPiece(piece);
    const int first = beginFeature(d);
    fourQuarters(d, [&] { webbedQuarter(d, t); });
    placeFeature(d, first, {.x = x});
    trayDimensions(d, t, x, false, kind::Crease);
}

float besideCentre(float gap, float firstCentre, float firstHalfExtent, float secondHalfExtent) {
    return firstCentre + firstHalfExtent + gap + secondHalfExtent;
}

void trayDimensions(Drawing& d, const Tray& t, float x, bool withFlap, LineKind chainKind) {
    const PenScope chains(d, chainKind);
    dimension(d, {.from = {x - t.a, t.b / 2}, .to = {x + t.a, t.b / 2}, .at = {0, t.b / 2}});
    dimension(d, {.from = {x - t.a / 2, -t.b}, .to = {x - t.a / 2, t.b}, .at = {x - t.a / 2, 0}});
    dimension(d,
              {.from = {x + t.a, -t.b / 2}, .to = {x + t.a + t.h, -t.b / 2}, .at = {0, -t.b / 2}});
    if (withFlap)
        dimension(d, {.from = {x + t.a + t.h / 2, t.b},
                      .to = {x + t.a + t.h / 2, t.b + t.f},
                      .at = {x + t.a + t.h / 2, 0}});
}

void drawCornerFlapTray(Model& m, Drawing& d, const Tray& t, float x, std::int16_t piece) {
    PenScope pen(d);
    pen.setPiece(piece);
    recordBlankPasses(
        m, DoubleWallTray(
               d, {.a = t.a, .b = t.b, .h = t.h, .flap = t.f, .halfInsideLength = m.Longueur / 2},
               blankSettingsOf(m), {.x = x}));
    trayDimensions(d, t, x, t.f >= t.a, doubleWallChainKind(m));
}

LineKind doubleWallChainKind(const Model& m) {
    return handHoleKind(m) != HandHoleKind::None ? kind::Cut : kind::Crease;
}

void drawBottomAndLid(Model& m, Drawing& d, const Tray& bottom, const Tray& lid) {
    if (pieceShown(m, kBottomPiece))
        drawCornerFlapTray(m, d, bottom, 0, m.Mode3D ? 2 : 1);
    if (!pieceShown(m, kLidPiece))
        return;
    const float x = besideCentre(m.EspPoseX, 0, bottom.a + bottom.h, lid.a + lid.h);
    drawCornerFlapTray(m, d, lid, x, 1);
}

std::int16_t bodyPieceNumber(const Model& m) {
    return m.Mode3D ? 2 : 1;
}

void drawThreeParts(Model& m, Drawing& d, const ThreeParts& parts) {
    PenScope pen(d);
    const float body = parts.capWidth + m.EspPoseX;
    const float topCap = body + parts.bodyWidth + m.EspPoseX;
    const bool bottomShown = pieceShown(m, kBottomPiece);
    if (bottomShown) {
        pen.setPiece(m.Mode3D ? 3 : 1);
        parts.drawCap(0, true);
    }
    if (pieceShown(m, kBodyPiece)) {
        pen.setPiece(bodyPieceNumber(m));
        parts.drawBody(body);
    }
    if (pieceShown(m, kLidPiece)) {
        pen.setPiece(1);
        parts.drawCap(topCap, !bottomShown);
    }
}

}  // namespace brontaxe
