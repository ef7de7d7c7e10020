// 0511 and 0512: the drawers of slide boxes, a tray drawn as its upper right quarter and
// completed by the three mirror images, and the sleeve they slide in, right of them. The
// bottom is 2A by 2B, the side walls run along the length beyond y = +-B, the end walls
// beyond x = +-A.

#include <algorithm>
#include <cmath>
#include <functional>

#include "builders/emit.h"
#include "drawing/pen_scope.h"
#include "styles/05/fco500.h"
#include "styles/05/fco500_rules.h"
#include "styles/05/fco500_sizes.h"
#include "styles/blank_settings.h"
#include "styles/polyline.h"
#include "styles/shown_pieces.h"

namespace brontaxe {
namespace {

struct Drawer {
    float A = 0;  // half bottom length
    float B = 0;  // half bottom width
    float h = 0;  // walls
};

Drawer drawerOf(const Model& m) {
    const DrawerAllowances a = drawerAllowances(m);
    return {(m.Longueur + a.length) / 2, (m.Largeur + a.width) / 2, m.Hauteur + a.ends};
}

void drawerCrease(Drawing& d, float x1, float y1, float x2, float y2) {
    const PenScope pen(d, kind::Crease);
    line(d, x1, y1, x2, y2);
}

// Both chains round the drawer: across the length under it, across the width at its right.
void drawerChains(Drawing& d, const std::vector<float>& across, const std::vector<float>& up) {
    const Box box = d.extents();
    const float g = chainSpacing(box);
    const auto xmin = static_cast<float>(box.xmin), xmax = static_cast<float>(box.xmax);
    const auto ymin = static_cast<float>(box.ymin), ymax = static_cast<float>(box.ymax);
    chainAlongX(d, xmin, ymin - g, across);
    dimension(d,
              {.from = {xmin, ymin - 2 * g}, .to = {xmax, ymin - 2 * g}, .at = {0, ymin - 2 * g}});
    chainAlongY(d, xmax + g, ymin, up);
    dimension(d,
              {.from = {xmax + 2 * g, ymin}, .to = {xmax + 2 * g, ymax}, .at = {xmax + 2 * g, 0}});
}

constexpr std::size_t kSleevePiece = 1;  // "Couvercle / Extérieur"
constexpr std::size_t kDrawerPiece = 3;  // "Fond / Intérieur"

// The drawer under its flag; then the sleeve it slides in, its lower edge level with the
// drawer's and clear of the drawer's dimensions, whether the drawer is shown or not.
void drawDrawerAndSleeve(Model& m, Drawing& d, const Drawer& s, float reach,
                         const std::function<void()>& drawer) {
    GenerationPass pass(d);
    if (pieceShown(m, kDrawerPiece))
        drawer();
    if (!pieceShown(m, kSleevePiece))
        return;
    const float g = (2 * reach + 2 * (s.B + s.h)) / 25;
    drawDimensionedSleeve(m, d, drawerSleeve(m), reach + 3 * g + m.EspPoseX, -(s.B + s.h));
}

}  // namespace

GluedDrawer gluedDrawer(const Model& m) {
    const Drawer s = drawerOf(m);
    GluedDrawer g{s.A, s.B, s.h, 0, 0, 0};
    // The lining folds down inside the end wall: no deeper than the wall.
    g.lining = std::clamp(m.hpatrent, 0.0f, s.h);
    // Glue flaps of the side walls turn onto the end wall, short of its middle.
    g.glue = std::min(m.lgPatte, s.B - m.EpaisseurCarton);
    const double slope = std::tan(toRadians(std::clamp(m.anglPc, 0.0f, 89.0f)));
    g.drop = static_cast<float>(std::min(g.glue * slope, 0.45 * s.h));
    return g;
}

SlottedDrawer slottedDrawer(const Model& m) {
    const Drawer s = drawerOf(m);
    const auto [a, b] = slotHalfWidths(m);
    // Corner flaps of the end walls lie along the side walls, short of their middle.
    return {s.A, s.B, s.h, a, b, std::min(s.h, s.A - m.EpaisseurCarton)};
}

void Fco0511(Model& m, Drawing& d) {
    PenScope pen(d);
    const GluedDrawer s = gluedDrawer(m);
    const float A = s.A, B = s.B, h = s.h, t = s.lining, G = s.glue, c = s.drop;
    drawDrawerAndSleeve(m, d, drawerOf(m), A + h + t, [&] {
        fourQuarters(d, [&] {
            pen.setKind(kind::Cut);
            std::vector<Point> outline = {{0, B + h},     {A, B + h}, {A + G, B + h - c},
                                          {A + G, B + c}, {A, B},     {A + h, B}};
            if (t > 0)
                outline.insert(outline.end(), {{A + h + t, B}, {A + h + t, 0}});
            else
                outline.push_back({A + h, 0});
            polyline(d, outline);
            drawerCrease(d, 0, B, A, B);
            drawerCrease(d, A, 0, A, B);
            drawerCrease(d, A, B, A, B + h);
            if (t > 0)
                drawerCrease(d, A + h, 0, A + h, B);
            pen.setKind(kind::Cut);
        });
        drawerChains(d, {t, h, 2 * A, h, t}, {h, 2 * B, h});
        const float top = B + h;
        const float g = chainSpacing(d.extents()) / 2;
        dimension(d, {.from = {A, top + g}, .to = {A + G, top + g}, .at = {0, top + g}});
        if (c > 0) {
            dimension(d,
                      {.from = {A + G + g, top - c}, .to = {A + G + g, top}, .at = {A + G + g, 0}});
            dimension(
                d, {.from = {A + G + g, B + c}, .to = {A + G + g, top - c}, .at = {A + G + g, 0}});
        }
    });
}

void Fco0512(Model& m, Drawing& d) {
    PenScope pen(d);
    const SlottedDrawer s = slottedDrawer(m);
    const float A = s.A, B = s.B, h = s.h, a = s.a, b = s.b, f = s.flap;
    drawDrawerAndSleeve(m, d, drawerOf(m), A + h, [&] {
        fourQuarters(d, [&] {
            pen.setKind(kind::Cut);
            polyline(d, {{0, B + h},
                         {A - a, B + h},
                         {A - a, B},
                         {A + b, B},
                         {A + b, B + f},
                         {A + h, B + f},
                         {A + h, 0}});
            drawerCrease(d, 0, B, A - a, B);
            drawerCrease(d, A, 0, A, B);
            drawerCrease(d, A + b, B, A + h, B);
            pen.setKind(kind::Cut);
        });
        drawerChains(d, {h, 2 * A, h}, {h, 2 * B, h});
        const float g = chainSpacing(d.extents()) / 2;
        const float top = B + h;
        dimension(d, {.from = {A - a, top + g}, .to = {A + b, top + g}, .at = {0, top + g}});
        dimension(d, {.from = {A + h + g, B}, .to = {A + h + g, B + f}, .at = {A + h + g, 0}});
        dimension(d, {.from = {A + b, B + f + g}, .to = {A + h, B + f + g}, .at = {0, B + f + g}});
    });
}

}  // namespace brontaxe
