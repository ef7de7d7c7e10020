// 0330 for the VORANIS profile: the inner side walls stand on the base locked by tenons in
// mortises, the double wall folded over a band `Dblmur` wide.

#include <algorithm>
#include <cmath>
#include <vector>

#include "builders/emit.h"
#include "drawing/pen_scope.h"
#include "platform/errors.h"
#include "styles/03/fco300_common.h"
#include "styles/03/fco300_voranis.h"

namespace brontaxe {
namespace {

// Centres of the tenons along the side wall, the same spread over its whole length; as many
// as `nbmortaise` asks, else as many as fit with `pmortaise` between them.
std::vector<float> tenonCentres(const Model& m, float a) {
    const float span = 2 * a - 2 * m.EpaisseurCarton;
    const float pitch = m.lgmortaise + m.pmortaise;
    int n = m.nbmortaise;
    if (n <= 0 && pitch > 0)
        n = static_cast<int>(std::floor((span - m.pmortaise) / pitch));
    // Never more than fit side by side.
    if (m.lgmortaise > 0)
        n = std::min(n, static_cast<int>(std::floor(span / (2 * m.lgmortaise))));
    std::vector<float> centres;
    for (int k = 1; k <= n; ++k)
        centres.push_back(-a + static_cast<float>(k) * 2 * a / static_cast<float>(n + 1));
    return centres;
}

void tenon(Model& m, Drawing& d, float centre, float top) {
    const float half = m.lgtenon / 2;
    const float slope = m.htenon * std::tan(static_cast<float>(toRadians(m.AngTenon)));
    const float inset = std::min(slope, half * 0.8f);
    lineTo(d, centre + half, top);
    lineTo(d, centre + half - inset, top + m.htenon);
    lineTo(d, centre - half + inset, top + m.htenon);
    lineTo(d, centre - half, top);
}

void mortise(Drawing& d, float centre, float yTop, float length, float height) {
    const float half = length / 2;
    const float y0 = yTop - height;
    chainStart(d, centre - half, y0);
    lineTo(d, centre + half, y0);
    lineTo(d, centre + half, yTop);
    lineTo(d, centre - half, yTop);
    lineTo(d, centre - half, y0);
}

// The half y >= 0 of the piece: both end walls' upper halves with their wings, the side
// wall, its double band and its inner wall with the tenons, and the mortises under it.
void half(Model& m, Drawing& d, const WingedCapShape& c, const std::vector<float>& centres) {
    const float e = m.EpaisseurCarton;
    const float a = c.a, b = c.b, h = c.h;
    const float band = std::max(m.Dblmur, 0.0f);
    const float inner = std::max(h - band, e);
    const float top = b + h + band + inner;
    PenScope pen(d, kind::Cut);
    chainStart(d, a + h, 0);
    lineTo(d, a + h, b + c.wing);
    lineTo(d, a + e, b + c.wing);
    pen.setVariant(2);
    lineTo(d, a, b);
    pen.setVariant(1);
    lineTo(d, a, b + h);
    pen.setVariant(2);
    lineTo(d, a - e, b + h);
    pen.setVariant(1);
    lineTo(d, a - e, top);
    for (auto k = centres.rbegin(); k != centres.rend(); ++k)
        tenon(m, d, *k, top);
    lineTo(d, -(a - e), top);
    lineTo(d, -(a - e), b + h);
    pen.setVariant(2);
    lineTo(d, -a, b + h);
    pen.setVariant(1);
    lineTo(d, -a, b);
    pen.setVariant(2);
    lineTo(d, -a - e, b + c.wing);
    pen.setVariant(1);
    lineTo(d, -a - h, b + c.wing);
    lineTo(d, -a - h, 0);
    // Mortises in the base where the inner wall's edge comes down, behind the outer wall.
    for (float k : centres)
        mortise(d, k, b - e, m.lgmortaise, m.hmortaise);

    pen.setKind(kind::Crease);
    line(d, -a, b, a, b);
    line(d, a, 0, a, b);
    line(d, -a, 0, -a, b);
    line(d, a, b, a + h, b);
    line(d, -a - h, b, -a, b);
    line(d, -(a - e), b + h, a - e, b + h);
    if (band > 0)
        line(d, -(a - e), b + h + band, a - e, b + h + band);
}

void drawTenonedPiece(Model& m, Drawing& d, const WingedCapShape& c, float x) {
    if (!(c.a > 2 * m.EpaisseurCarton && c.b > m.hmortaise + m.EpaisseurCarton && c.h > 0))
        throw GenerationError("Caisse impossible : dimensions trop petites pour les tenons");
    const std::vector<float> centres = tenonCentres(m, c.a);
    const int first = beginFeature(d);
    for (bool mirrored : {false, true}) {
        const int start = beginFeature(d);
        half(m, d, c, centres);
        placeFeature(d, start, {.mirrored = mirrored});
    }
    placeFeature(d, first, {.x = x});
}

float tenonedHalfLength(const WingedCapShape& c) {
    return c.a + c.h;
}

}  // namespace

void fco0330Voranis(Model& m, Drawing& d, const MarkedPair& p) {
    PenScope pen(d);
    if (pieceShown(m, kBottomPiece)) {
        pen.setPiece(m.Mode3D ? 2 : 1);
        drawTenonedPiece(m, d, p.bottom, 0);
    }
    if (!pieceShown(m, kLidPiece))
        return;
    pen.setPiece(1);
    drawTenonedPiece(
        m, d, p.lid,
        besideCentre(m.EspPoseX, 0, tenonedHalfLength(p.bottom), tenonedHalfLength(p.lid)));
}

}  // namespace brontaxe
