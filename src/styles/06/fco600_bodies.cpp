// 0601, 0602, 0606 and 0621: bodies drawn line by line as their right half (x >= 0) and
// completed by its mirror image about x = 0; the end pieces of 0601, 0602 and 0606 beside them.

#include <algorithm>
#include <cmath>
#include <vector>

#include "builders/emit.h"
#include "drawing/pen_scope.h"
#include "styles/04/fco400_common.h"
#include "styles/05/fco500_sizes.h"
#include "styles/06/fco600.h"
#include "styles/06/fco600_rules.h"
#include "styles/polyline.h"
#include "styles/shown_pieces.h"

namespace brontaxe {
namespace {

constexpr std::size_t kBodyLidPiece = 1;
constexpr std::size_t kBodySidesPiece = 2;
constexpr std::size_t kBodyBottomPiece = 3;

bool secondPieceShown(const Model& m) {
    return pieceShown(m, kBodyLidPiece) || pieceShown(m, kBodyBottomPiece);
}

void bodyCrease(Drawing& d, float x1, float y1, float x2, float y2) {
    const PenScope pen(d, kind::Crease);
    line(d, x1, y1, x2, y2);
}

// Creases across the half body at each height, and the hinges of its side flaps on x = a.
struct HalfFolds {
    std::vector<float> across;
    std::vector<std::pair<float, float>> hinges;
};

void drawBodyHalf(Drawing& d, float a, const std::vector<Point>& outline, const HalfFolds& folds) {
    const int first = beginFeature(d);
    const PenScope pen(d, kind::Cut);
    polyline(d, outline);
    for (float y : folds.across)
        bodyCrease(d, 0, y, a, y);
    for (auto [from, to] : folds.hinges)
        if (to - from > 0)
            bodyCrease(d, a, from, a, to);
    mirrorRegistered(d, first, 0, 0, 90);
}

// The side flaps of 0601 stand beside each panel, set back from its creases.
// The chain up the body stands right of the end pieces when they are drawn.
void drawBody0601(Drawing& d, const Body0601& b, float chainRight) {
    const float a = b.a, f = b.f, c1 = b.c1, c2 = b.c2;
    const float y1 = f, y2 = y1 + b.H1, y3 = y2 + b.W2, y4 = y3 + b.H3, y5 = y4 + b.W4;
    const std::vector<Point> outline = {
        {0, 0},           {a, 0},       {a, y1 + c1}, {a + f, y1 + c1},
        {a + f, y2 - c1}, {a, y2 - c1}, {a, y2 + c2}, {a + f, y2 + c2},
        {a + f, y3 - c2}, {a, y3 - c2}, {a, y3 + c1}, {a + f, y3 + c1},
        {a + f, y4 - c1}, {a, y4 - c1}, {a, y5},      {0, y5}};
    drawBodyHalf(d, a, outline,
                 {{y1, y2, y3, y4}, {{y1 + c1, y2 - c1}, {y2 + c2, y3 - c2}, {y3 + c1, y4 - c1}}});
    const float g = chainSpacing(d.extents());
    chainAlongY(d, chainRight + g, 0, {f, b.H1, b.W2, b.H3, b.W4});
    dimension(d, {.from = {-a, y5 + g}, .to = {a, y5 + g}, .at = {0, y5 + g}});
    dimension(d, {.from = {a, y5 + g}, .to = {a + f, y5 + g}, .at = {0, y5 + g}});
}

// The end pieces: a wall H5 and its flap f, W6 long, at x0 and mirrored; the flap's ends
// chamfered by `chamfer`.
void drawEndPieces0601(Model& m, Drawing& d, const Body0601& b, float chamfer) {
    const float x0 = b.a + b.f + m.EspPoseX;
    const float y0 = b.f + b.H1;
    const float xh = x0 + b.H5, xe = xh + b.f;
    const int first = beginFeature(d);
    const PenScope pen(d, kind::Cut);
    polyline(d, {{x0, y0},
                 {xh, y0},
                 {xe, y0 + chamfer},
                 {xe, y0 + b.W6 - chamfer},
                 {xh, y0 + b.W6},
                 {x0, y0 + b.W6},
                 {x0, y0}});
    bodyCrease(d, xh, y0, xh, y0 + b.W6);
    mirrorRegistered(d, first, 0, 0, 90);
    const float g = chainSpacing(Box{x0, y0, xe, y0 + b.W6, false}) / 2;
    chainAlongX(d, x0, y0 - g, {b.H5, b.f});
    dimension(d, {.from = {xe + g, y0}, .to = {xe + g, y0 + b.W6}, .at = {xe + g, 0}});
}

float endPiecesRight(const Body0601& b, float gap) {
    return b.a + b.f + gap + b.H5 + b.f;
}

void draw0601(Model& m, Drawing& d, bool chamfered) {
    const Body0601 b = body0601(m);
    GenerationPass pass(d);
    if (pieceShown(m, kBodySidesPiece)) {
        const float right = secondPieceShown(m) ? endPiecesRight(b, m.EspPoseX) : b.a + b.f;
        drawBody0601(d, b, right + chainSpacing(Box{0, 0, right, 0, false}) / 2);
    }
    if (!secondPieceShown(m))
        return;
    const float chamfer =
        chamfered ? std::min(b.f * static_cast<float>(std::tan(toRadians(m.anglPc))), 0.45f * b.W6)
                  : 0;
    drawEndPieces0601(m, d, b, std::max(chamfer, 0.0f));
}

// 0606's body wraps the bottom, the two walls and the top, whose two halves meet over the
// bottom; the walls and the bottom carry side flaps, chamfered at their ends, stitched to the
// end panels.
void drawBody0606(Drawing& d, const Body0606& b, float chainRight) {
    const float a = b.a, f = b.f, k = b.chamfer;
    const float y1 = b.lid1, y2 = y1 + b.H3, y3 = y2 + b.W4, y4 = y3 + b.H5, y5 = y4 + b.lid2;
    std::vector<Point> outline = {{0, 0}, {a, 0}};
    for (auto [from, to] : {std::pair{y1, y2}, {y2, y3}, {y3, y4}}) {
        outline.push_back({a, from});
        outline.push_back({a + f, from + k});
        outline.push_back({a + f, to - k});
        outline.push_back({a, to});
    }
    outline.push_back({a, y5});
    outline.push_back({0, y5});
    drawBodyHalf(d, a, outline, {{y1, y2, y3, y4}, {{y1, y2}, {y2, y3}, {y3, y4}}});
    const float g = chainSpacing(d.extents());
    chainAlongY(d, chainRight + g, 0, {b.lid1, b.H3, b.W4, b.H5, b.lid2});
    dimension(d, {.from = {-a, y5 + g}, .to = {a, y5 + g}, .at = {0, y5 + g}});
    dimension(
        d, {.from = {-a - f, y1 + b.H3 / 2}, .to = {-a, y1 + b.H3 / 2}, .at = {0, y1 + b.H3 / 2}});
}

// The two end panels, plain, beside the bottom they close: one right of the body, its mirror
// image left of it.
void drawEndPanels0606(Model& m, Drawing& d, const Body0606& b) {
    const float x0 = b.a + b.f + m.EspPoseX;
    const float y0 = b.lid1 + b.H3;
    const float x1 = x0 + b.end, y1 = y0 + b.W4;
    const int first = beginFeature(d);
    const PenScope pen(d, kind::Cut);
    polyline(d, {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}});
    mirrorRegistered(d, first, 0, 0, 90);
    const float g = chainSpacing(Box{x0, y0, x1, y1, false}) / 2;
    dimension(d, {.from = {x0, y0 - g}, .to = {x1, y0 - g}, .at = {x0, y0 - g}});
}

float endPanelsRight(const Body0606& b, float gap) {
    return b.a + b.f + gap + b.end;
}

}  // namespace

void Fco0601(Model& m, Drawing& d) {
    draw0601(m, d, false);
}

void Fco0602(Model& m, Drawing& d) {
    draw0601(m, d, true);
}

void Fco0606(Model& m, Drawing& d) {
    const Body0606 b = body0606(m);
    GenerationPass pass(d);
    if (pieceShown(m, kBodySidesPiece))
        drawBody0606(d, b, secondPieceShown(m) ? endPanelsRight(b, m.EspPoseX) : b.a + b.f);
    if (secondPieceShown(m))
        drawEndPanels0606(m, d, b);
}

void Fco0621(Model& m, Drawing& d) {
    const Body0621 b = body0621(m);
    const float a = b.a, g = b.glue, k = b.drop, e = b.end, f = b.dust, c1 = b.c1, c2 = b.c2;
    const float y1 = b.H1, y2 = y1 + b.W2, y3 = y2 + b.H3, y4 = y3 + b.W4, y5 = y4 + b.tuck;
    GenerationPass pass(d);
    drawBodyHalf(d, a,
                 {{0, 0},
                  {a, 0},
                  {a, c1},
                  {a + g, c1 + k},
                  {a + g, y1 - c1 - k},
                  {a, y1 - c1},
                  {a, y1 + c2},
                  {a + e, y1 + c2},
                  {a + e, y2 - c2},
                  {a, y2 - c2},
                  {a, y2 + c1},
                  {a + g, y2 + c1 + k},
                  {a + g, y3 - c1 - k},
                  {a, y3 - c1},
                  {a, y3 + c1},
                  {a + f, y3 + c1},
                  {a + f, y4 - c1},
                  {a, y4 - c1},
                  {a, y5},
                  {0, y5}},
                 {b.tuck > 0 ? std::vector<float>{y1, y2, y3, y4} : std::vector<float>{y1, y2, y3},
                  {{c1, y1 - c1}, {y1 + c2, y2 - c2}, {y2 + c1, y3 - c1}, {y3 + c1, y4 - c1}}});
    const float s = chainSpacing(d.extents());
    const float right = a + std::max({g, e, f});
    chainAlongY(d, right + s, 0, {b.H1, b.W2, b.H3, b.W4, b.tuck});
    dimension(d, {.from = {-a, y5 + s}, .to = {a, y5 + s}, .at = {0, y5 + s}});
    dimension(d, {.from = {a, y1 / 2}, .to = {a + g, y1 / 2}, .at = {0, y1 / 2}});
    dimension(d,
              {.from = {a, y1 + b.W2 / 2}, .to = {a + e, y1 + b.W2 / 2}, .at = {0, y1 + b.W2 / 2}});
}

}  // namespace brontaxe
