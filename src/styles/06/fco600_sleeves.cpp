// 0607, 0610, 0615, 0616, 0608 and 0620: the body is a sleeve round the width and height,
// as long as the box; the two ends are separate pieces drawn to its right, `EspPoseX` apart.

#include <algorithm>
#include <array>
#include <vector>

#include "builders/alternate_folds.h"
#include "builders/emit.h"
#include "builders/sleeve_blank.h"
#include "builders/turn_elements.h"
#include "drawing/pen_scope.h"
#include "styles/04/fco400_common.h"
#include "styles/05/fco500_sizes.h"
#include "styles/06/fco600.h"
#include "styles/blank_settings.h"
#include "styles/polyline.h"
#include "styles/shown_pieces.h"

namespace brontaxe {
namespace {

constexpr std::size_t kSleeveLidPiece = 1;
constexpr std::size_t kSleeveSidesPiece = 2;
constexpr std::size_t kSleeveBottomPiece = 3;

// Sleeve panels wall, bottom, wall, top (allowances 3 to 6), as long as the box (allowance 2);
// the ends W7 by H8.
struct RigidSleeve {
    float fold;  // the fold where the sleeve's panels start: a 90-degree glue flap is no flap
    std::array<float, 4> p;
    float length;
    float W7, H8, f;
    float right() const { return p[0] + p[1] + p[2] + p[3]; }
};

// The rigid sleeves' allowances (0607, 0608, 0615, 0616, 0620).
struct RigidSleeveAllowances {
    float glueFlap;    // 1: 0607, 0615, 0616: the glue flap, on `hrabat`
    float length;      // 2: the sleeve's length, along the box
    float firstWall;   // 3: the wall panel after the glue flap
    float bottom;      // 4: the bottom panel (0620: the end leaves on the bottom's side too)
    float secondWall;  // 5: the other wall panel
    float top;         // 6: the top panel
    float endWidth;    // 7: the ends' width (0620: the end leaves on the top's side)
    float endHeight;   // 8: the ends' height
};

RigidSleeveAllowances rigidSleeveAllowances(const Model& m) {
    const auto& k = m.Majo;
    return {.glueFlap = k[1],
            .length = k[2],
            .firstWall = k[3],
            .bottom = k[4],
            .secondWall = k[5],
            .top = k[6],
            .endWidth = k[7],
            .endHeight = k[8]};
}

RigidSleeve rigidSleeve(const Model& m, float fold) {
    const float H = m.Hauteur, W = m.Largeur;
    const RigidSleeveAllowances a = rigidSleeveAllowances(m);
    return {fold,
            {H + a.firstWall, W + a.bottom, H + a.secondWall, W + a.top},
            m.Longueur + a.length,
            W + a.endWidth,
            H + a.endHeight,
            m.hrabat};
}

// The sleeve with its panels from x = 0, and its dimensions: panels, whole length, height.
void drawBody(Model& m, Drawing& d, const RigidSleeve& s) {
    if (!pieceShown(m, kSleeveSidesPiece))
        return;
    recordBlankPasses(m, SleeveBlank(d,
                                     {.glue = s.fold,
                                      .taper = 90,
                                      .p1 = s.p[0],
                                      .p2 = s.p[1],
                                      .p3 = s.p[2],
                                      .p4 = s.p[3],
                                      .height = s.length},
                                     pieceCutOf(m), {.x = -s.fold}));
    const float g = chainSpacing(Box{0, 0, s.right(), s.length, false});
    chainAlongX(d, 0, -g, {s.p[0], s.p[1], s.p[2], s.p[3]});
    dimension(d, {.from = {0, -2 * g}, .to = {s.right(), -2 * g}, .at = {0, -2 * g}});
    dimension(d, {.from = {-g, 0}, .to = {-g, s.length}, .at = {-g, 0}});
}

bool endsShown(const Model& m) {
    return pieceShown(m, kSleeveLidPiece) || pieceShown(m, kSleeveBottomPiece);
}

// The end W7 by H8 with flaps f: on its four sides (0607), on its H8 sides (0615), on its W7
// sides (0616).
enum class EndFlaps { All, OnHeights, OnWidths };

FoldGrid endGrid(const RigidSleeve& s, EndFlaps flaps) {
    FoldGrid g;
    switch (flaps) {
        case EndFlaps::All:
            g.columns = {s.f, s.W7, s.f};
            g.rows = {{s.f, 1, 1}, {s.H8, 0, 2}, {s.f, 1, 1}};
            g.creasedAcross = {false, true, false};
            break;
        case EndFlaps::OnHeights:
            g.columns = {s.f, s.W7, s.f};
            g.rows = {{s.H8, 0, 2}};
            break;
        case EndFlaps::OnWidths:
            g.columns = {s.W7};
            g.rows = {{s.f, 0, 0}, {s.H8, 0, 0}, {s.f, 0, 0}};
            g.creasedAcross = {true};
            break;
    }
    return g;
}

// Two ends beside the body: the grid drawn, turned a quarter about its centre so that its
// height runs across, and its mirror image beyond it.
void drawTurnedEnds(Model& m, Drawing& d, const RigidSleeve& s, EndFlaps flaps) {
    const FoldGrid grid = endGrid(s, flaps);
    float width = 0, height = 0;
    for (float c : grid.columns)
        width += c;
    for (const FoldRow& r : grid.rows)
        height += r.height;
    // Turned, the end is `height` wide and `width` high, centred on the body's length.
    const float x0 = s.right() + m.EspPoseX;
    const float cx = x0 + height / 2, cy = s.length / 2;
    const int first = beginFeature(d);
    recordPasses(m, AlternateFolds(d, grid, {cx - width / 2, cy - height / 2, 0, false}));
    TurnElements(d, {.first = first, .last = d.tracer().count(), .cx = cx, .cy = cy, .angle = 90});
    mirrorRegistered(d, first, x0 + height + m.EspPoseX / 2, 0, 90);
    // The rows, now across, over the first end; the columns, now upright, right of the second.
    const float g = chainSpacing(Box{0, 0, x0 + 2 * height, s.length, false}) / 2;
    std::vector<float> rows, columns(grid.columns.rbegin(), grid.columns.rend());
    for (const FoldRow& r : grid.rows)
        rows.push_back(r.height);
    chainAlongX(d, x0, cy + width / 2 + g, rows);
    chainAlongY(d, x0 + 2 * height + m.EspPoseX + g, cy - width / 2, columns);
}

void drawWithTurnedEnds(Model& m, Drawing& d, EndFlaps flaps) {
    const RigidSleeve s = rigidSleeve(m, m.hrabat + rigidSleeveAllowances(m).glueFlap);
    GenerationPass pass(d);
    drawBody(m, d, s);
    if (endsShown(m))
        drawTurnedEnds(m, d, s, flaps);
}

// An end panel `w` wide and `h` high from (x, y), with a side flap f on its left and/or
// right, glued inside the body's wall: its corners are cut back at 45 degrees by only a
// twentieth of the height, so that the flap still covers its side of the end.
void endPanel(Drawing& d, float x, float y, float w, float h, float f, bool left, bool right) {
    const float c = std::min(f, 0.05f * h);
    std::vector<Point> outline = {{x, y}, {x + w, y}};
    if (right)
        outline.insert(outline.end(), {{x + w + f, y + c}, {x + w + f, y + h - c}, {x + w, y + h}});
    else
        outline.push_back({x + w, y + h});
    outline.push_back({x, y + h});
    if (left)
        outline.insert(outline.end(), {{x - f, y + h - c}, {x - f, y + c}, {x, y}});
    else
        outline.push_back({x, y});
    PenScope pen(d, kind::Cut);
    polyline(d, outline);
    pen.setKind(kind::Crease);
    if (right)
        line(d, x + w, y, x + w, y + h);
    if (left)
        line(d, x, y, x, y + h);
}

// Each end is made of the given leaves side by side, `EspPoseX` apart: a single panel with a
// flap on both sides, or leaves meeting in the middle, each with a flap on its outer side. The
// first end's leaves are dimensioned: widths and flaps under them; the height stands right
// of the second end.
void drawEndLeaves(Model& m, Drawing& d, const RigidSleeve& s, const std::vector<float>& leaves) {
    const float f = s.f;
    const float y = (s.length - s.H8) / 2;
    const float g = chainSpacing(Box{0, 0, s.right(), s.length, false}) / 2;
    float x = s.right() + m.EspPoseX;
    for (int end = 0; end < 2; ++end) {
        for (std::size_t i = 0; i < leaves.size(); ++i) {
            const bool left = i == 0, right = i + 1 == leaves.size();
            const float panel = x + (left ? f : 0);
            endPanel(d, panel, y, leaves[i], s.H8, f, left, right);
            if (end == 0) {
                std::vector<float> chain;
                if (left)
                    chain.push_back(f);
                chain.push_back(leaves[i]);
                if (right)
                    chain.push_back(f);
                chainAlongX(d, x, y - g, chain);
            }
            x = panel + leaves[i] + (right ? f : 0) + m.EspPoseX;
        }
    }
    // The height right of the second end.
    const float xh = x - m.EspPoseX + g;
    dimension(d, {.from = {xh, y}, .to = {xh, y + s.H8}, .at = {xh, 0}});
}

}  // namespace

void Fco0607(Model& m, Drawing& d) {
    drawWithTurnedEnds(m, d, EndFlaps::All);
}

void Fco0615(Model& m, Drawing& d) {
    drawWithTurnedEnds(m, d, EndFlaps::OnHeights);
}

void Fco0616(Model& m, Drawing& d) {
    drawWithTurnedEnds(m, d, EndFlaps::OnWidths);
}

void Fco0608(Model& m, Drawing& d) {
    const RigidSleeve s = rigidSleeve(m, m.lgPatte);
    GenerationPass pass(d);
    drawBody(m, d, s);
    if (endsShown(m))
        drawEndLeaves(m, d, s, {s.W7});
}

void Fco0620(Model& m, Drawing& d) {
    const RigidSleeveAllowances a = rigidSleeveAllowances(m);
    const RigidSleeve s = rigidSleeve(m, m.lgPatte);
    GenerationPass pass(d);
    drawBody(m, d, s);
    if (endsShown(m))
        drawEndLeaves(m, d, s, {m.Largeur / 2 + a.bottom, m.Largeur / 2 + a.endWidth});
}

}  // namespace brontaxe
