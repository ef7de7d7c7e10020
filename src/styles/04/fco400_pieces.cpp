// 0404 and 0405: boxes of several flat pieces drawn side by side, each under its piece flag.

#include <algorithm>
#include <vector>

#include "builders/emit.h"
#include "styles/04/fco400.h"
#include "styles/04/fco400_rules.h"

namespace brontaxe {
namespace {

bool shown(const Model& m, std::size_t flag) {
    return m.AfficheMorceau[flag] == 1;
}

// A rectangular piece with its lower-left corner at (x, y), creased across at the given
// offsets: along x (vertical creases) or along y (horizontal creases).
void band(Model&, Drawing& d, float x, float y, float w, float h, const std::vector<float>& folds,
          bool foldsAlongX) {
    d.LineVariant = 1;
    d.LineKind = kind::Cut;
    chainStart(d, x, y);
    lineTo(d, x + w, y);
    lineTo(d, x + w, y + h);
    lineTo(d, x, y + h);
    lineTo(d, x, y);
    d.LineKind = kind::Crease;
    float at = 0;
    for (float step : folds) {
        at += step;
        if (foldsAlongX)
            line(d, x + at, y, x + at, y + h);
        else
            line(d, x, y + at, x + w, y + at);
    }
    d.LineKind = kind::Cut;
}

// Chain of widths under (or over) a piece at height y from x, then its height at x + w + g.
void pieceDimensions(Model&, Drawing& d, float x, float y, float w, float h,
                     const std::vector<float>& widths, float chainY, float g) {
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

}  // namespace

void Fco0404(Model& m, Drawing& d) {
    const float L1 = m.Longueur + m.Majo[1];
    const float W1 = m.Largeur + m.Majo[3];
    const float h = m.Hauteur + m.Majo[5];
    const float a = L1 / 2 + m.Majo[7];
    const std::vector<float> around = {a, h, L1, h, a};
    const float X1 = 2 * a + 2 * h + L1;

    const float L2 = m.Longueur + m.Majo[2];
    const float W4 = m.Largeur + m.Majo[4];
    const float k = m.Hauteur + m.Majo[6];
    const float b = W4 / 2 + m.Majo[8];
    const std::vector<float> across = {b, k, W4, k, b};
    const float X2 = 2 * b + 2 * k + W4;
    const float y2 = W1 + m.EspPoseY;

    GenerationPass pass(d);
    const float g = spacing(std::max(X1, X2), y2 + L2);
    if (shown(m, 1)) {
        d.Piece = 1;
        band(m, d, 0, 0, X1, W1, {a, h, L1, h}, true);
    }
    if (shown(m, 3)) {
        d.Piece = 3;
        band(m, d, 0, y2, X2, L2, {b, k, W4, k}, true);
    }
    d.Piece = 1;
    if (shown(m, 1))
        pieceDimensions(m, d, 0, 0, X1, W1, around, -g, g);
    if (shown(m, 3))
        pieceDimensions(m, d, 0, y2, X2, L2, across, y2 + L2 + 2 * m.EspPoseY, g);
}

void Fco0405(Model& m, Drawing& d) {
    const float Wb = m.Largeur + m.Majo[1];
    const float h2 = m.Hauteur + m.Majo[2];
    const float W3 = Wb + m.Majo[3];
    const float hh = h2 + 2 * m.Majo[4];
    const float Lb = m.Longueur + 2 * m.Majo[5];
    const float a = W3 / 2 + m.Majo[6];
    const float f = m.hrabat;
    const float y0 = Lb + m.EspPoseY;
    const float wrap = 2 * a + 2 * hh + W3;
    const float endHeight = 2 * f + h2;
    const std::vector<float> endFolds = {f, h2};

    GenerationPass pass(d);
    const float g = spacing(wrap, y0 + endHeight);
    if (shown(m, 1)) {
        d.Piece = 1;
        band(m, d, Wb + m.EspPoseX, y0, Wb, endHeight, endFolds, false);
    }
    if (shown(m, 3)) {
        d.Piece = 3;
        band(m, d, 0, y0, Wb, endHeight, endFolds, false);
    }
    if (shown(m, 2)) {
        d.Piece = 2;
        band(m, d, 0, 0, wrap, Lb, {a, hh, W3, hh}, true);
    }
    d.Piece = 1;
    const float top = y0 + endHeight + g;
    if (shown(m, 1)) {
        pieceDimensions(m, d, Wb + m.EspPoseX, y0, Wb, endHeight, {Wb}, top, g);
        float y = y0;
        for (float step : {f, h2, f}) {
            const float x = 2 * Wb + m.EspPoseX + g / 2;
            dimension(d, {.from = {x, y}, .to = {x, y + step}, .at = {x, 0}});
            y += step;
        }
    }
    if (shown(m, 3))
        pieceDimensions(m, d, 0, y0, Wb, endHeight, {Wb}, top, -(Wb + g));  // height on the left
    if (shown(m, 2))
        pieceDimensions(m, d, 0, 0, wrap, Lb, {a, hh, W3, hh, a}, -g, g);
}

std::vector<FoldPair> folds0404(const Model& m) {
    const float L1 = m.Longueur + m.Majo[1];
    const float a = L1 / 2 + m.Majo[7];
    const float W4 = m.Largeur + m.Majo[4];
    const float b = W4 / 2 + m.Majo[8];
    return {{"rabats de la bande de longueur", a, a, L1, FoldFit::Meet},
            {"rabats de la bande de largeur", b, b, W4, FoldFit::Meet}};
}

std::vector<FoldPair> folds0405(const Model& m) {
    const float W3 = m.Largeur + m.Majo[1] + m.Majo[3];
    const float a = W3 / 2 + m.Majo[6];
    return {{"rabats de la ceinture", a, a, W3, FoldFit::Meet}};
}

}  // namespace brontaxe
