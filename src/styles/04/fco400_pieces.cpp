// 0404 and 0405: boxes of several flat pieces drawn side by side, each under its piece flag.

#include <algorithm>
#include <vector>

#include "builders/emit.h"
#include "drawing/pen_scope.h"
#include "styles/04/fco400.h"
#include "styles/04/fco400_rules.h"
#include "styles/shown_pieces.h"

namespace brontaxe {
namespace {

// A rectangular piece: its lower-left corner at (x, y), w wide and h high.
struct PieceRect {
    float x, y, w, h;
};

// That piece, creased across at the given offsets: along x (vertical creases) or along y
// (horizontal creases).
void band(Drawing& d, const PieceRect& r, const std::vector<float>& folds, bool foldsAlongX) {
    const auto [x, y, w, h] = r;
    PenScope pen(d, kind::Cut);
    chainStart(d, x, y);
    lineTo(d, x + w, y);
    lineTo(d, x + w, y + h);
    lineTo(d, x, y + h);
    lineTo(d, x, y);
    pen.setKind(kind::Crease);
    float at = 0;
    for (float step : folds) {
        at += step;
        if (foldsAlongX)
            line(d, x + at, y, x + at, y + h);
        else
            line(d, x, y + at, x + w, y + at);
    }
}

// Chain of widths under (or over) a piece at height y from x, then its height at x + w + g.
void pieceDimensions(Drawing& d, const PieceRect& r, const std::vector<float>& widths, float chainY,
                     float g) {
    const auto [x, y, w, h] = r;
    float at = x;
    for (float step : widths) {
        dimension(d, {.from = {at, chainY}, .to = {at + step, chainY}, .at = {0, chainY}});
        at += step;
    }
    dimension(d, {.from = {x + w + g, y}, .to = {x + w + g, y + h}, .at = {x + w + g, 0}});
}

float spacing(float w, float h) {
    return (w + h) / 25;
}

// 0404: two crossed bands, one round the length and one round the width.
struct CrossedBandAllowances {
    float lengthBand;         // 1: the length band's bottom, lengthwise
    float widthBandBreadth;   // 2: the width band's breadth, lengthwise
    float lengthBandBreadth;  // 3: the length band's breadth, widthwise
    float widthBand;          // 4: the width band's bottom, widthwise
    float lengthBandWalls;    // 5: the length band's walls
    float widthBandWalls;     // 6: the width band's walls
    float lengthBandFlaps;    // 7: the length band's flaps, on half its bottom
    float widthBandFlaps;     // 8: the width band's flaps, on half its bottom
};

CrossedBandAllowances crossedBandAllowances(const Model& m) {
    const auto& k = m.Majo;
    return {.lengthBand = k[1],
            .widthBandBreadth = k[2],
            .lengthBandBreadth = k[3],
            .widthBand = k[4],
            .lengthBandWalls = k[5],
            .widthBandWalls = k[6],
            .lengthBandFlaps = k[7],
            .widthBandFlaps = k[8]};
}

// 0405: two end pieces and a wrap round the width that closes over them.
struct EndsAndWrapAllowances {
    float endWidth;    // 1: the ends' width
    float endHeight;   // 2: the ends' height
    float wrapBottom;  // 3: the wrap's bottom, over the ends' width
    float wrapWalls;   // 4: the wrap's walls, on each side of the ends' height
    float wrapLength;  // 5: the wrap's length, at each end
    float wrapFlaps;   // 6: the wrap's flaps, on half its bottom
};

EndsAndWrapAllowances endsAndWrapAllowances(const Model& m) {
    const auto& k = m.Majo;
    return {.endWidth = k[1],
            .endHeight = k[2],
            .wrapBottom = k[3],
            .wrapWalls = k[4],
            .wrapLength = k[5],
            .wrapFlaps = k[6]};
}

}  // namespace

void Fco0404(Model& m, Drawing& d) {
    const CrossedBandAllowances k = crossedBandAllowances(m);
    const float L1 = m.Longueur + k.lengthBand;
    const float W1 = m.Largeur + k.lengthBandBreadth;
    const float h = m.Hauteur + k.lengthBandWalls;
    const float a = L1 / 2 + k.lengthBandFlaps;
    const std::vector<float> around = {a, h, L1, h, a};
    const float X1 = 2 * a + 2 * h + L1;

    const float L2 = m.Longueur + k.widthBandBreadth;
    const float W4 = m.Largeur + k.widthBand;
    const float walls = m.Hauteur + k.widthBandWalls;
    const float b = W4 / 2 + k.widthBandFlaps;
    const std::vector<float> across = {b, walls, W4, walls, b};
    const float X2 = 2 * b + 2 * walls + W4;
    const float y2 = W1 + m.EspPoseY;

    GenerationPass pass(d);
    PenScope pen(d);
    const float g = spacing(std::max(X1, X2), y2 + L2);
    if (pieceShown(m, 1)) {
        pen.setPiece(1);
        band(d, {.x = 0, .y = 0, .w = X1, .h = W1}, {a, h, L1, h}, true);
    }
    if (pieceShown(m, 3)) {
        pen.setPiece(3);
        band(d, {.x = 0, .y = y2, .w = X2, .h = L2}, {b, walls, W4, walls}, true);
    }
    pen.setPiece(1);
    if (pieceShown(m, 1))
        pieceDimensions(d, {.x = 0, .y = 0, .w = X1, .h = W1}, around, -g, g);
    if (pieceShown(m, 3))
        pieceDimensions(d, {.x = 0, .y = y2, .w = X2, .h = L2}, across, y2 + L2 + 2 * m.EspPoseY,
                        g);
}

void Fco0405(Model& m, Drawing& d) {
    const EndsAndWrapAllowances k = endsAndWrapAllowances(m);
    const float Wb = m.Largeur + k.endWidth;
    const float h2 = m.Hauteur + k.endHeight;
    const float W3 = Wb + k.wrapBottom;
    const float hh = h2 + 2 * k.wrapWalls;
    const float Lb = m.Longueur + 2 * k.wrapLength;
    const float a = W3 / 2 + k.wrapFlaps;
    const float f = m.hrabat;
    const float y0 = Lb + m.EspPoseY;
    const float wrap = 2 * a + 2 * hh + W3;
    const float endHeight = 2 * f + h2;
    const std::vector<float> endFolds = {f, h2};

    GenerationPass pass(d);
    PenScope pen(d);
    const float g = spacing(wrap, y0 + endHeight);
    if (pieceShown(m, 1)) {
        pen.setPiece(1);
        band(d, {.x = Wb + m.EspPoseX, .y = y0, .w = Wb, .h = endHeight}, endFolds, false);
    }
    if (pieceShown(m, 3)) {
        pen.setPiece(3);
        band(d, {.x = 0, .y = y0, .w = Wb, .h = endHeight}, endFolds, false);
    }
    if (pieceShown(m, 2)) {
        pen.setPiece(2);
        band(d, {.x = 0, .y = 0, .w = wrap, .h = Lb}, {a, hh, W3, hh}, true);
    }
    pen.setPiece(1);
    const float top = y0 + endHeight + g;
    if (pieceShown(m, 1)) {
        pieceDimensions(d, {.x = Wb + m.EspPoseX, .y = y0, .w = Wb, .h = endHeight}, {Wb}, top, g);
        float y = y0;
        for (float step : {f, h2, f}) {
            const float x = 2 * Wb + m.EspPoseX + g / 2;
            dimension(d, {.from = {x, y}, .to = {x, y + step}, .at = {x, 0}});
            y += step;
        }
    }
    // The second end's height on its left.
    if (pieceShown(m, 3))
        pieceDimensions(d, {.x = 0, .y = y0, .w = Wb, .h = endHeight}, {Wb}, top, -(Wb + g));
    if (pieceShown(m, 2))
        pieceDimensions(d, {.x = 0, .y = 0, .w = wrap, .h = Lb}, {a, hh, W3, hh, a}, -g, g);
}

std::vector<FoldPair> folds0404(const Model& m) {
    const CrossedBandAllowances k = crossedBandAllowances(m);
    const float L1 = m.Longueur + k.lengthBand;
    const float a = L1 / 2 + k.lengthBandFlaps;
    const float W4 = m.Largeur + k.widthBand;
    const float b = W4 / 2 + k.widthBandFlaps;
    return {{"rabats de la bande de longueur", a, a, L1, FoldFit::Meet},
            {"rabats de la bande de largeur", b, b, W4, FoldFit::Meet}};
}

std::vector<FoldPair> folds0405(const Model& m) {
    const EndsAndWrapAllowances k = endsAndWrapAllowances(m);
    const float W3 = m.Largeur + k.endWidth + k.wrapBottom;
    const float a = W3 / 2 + k.wrapFlaps;
    return {{"rabats de la ceinture", a, a, W3, FoldFit::Meet}};
}

}  // namespace brontaxe
