#include "builders/rabat_formes.h"

#include "builders/emit.h"

namespace brontaxe {
namespace {

void startFlap(Drawing& d) {
    d.LineVariant = 1;
    d.LineKind = kind::Cut;
}

void foldCrease(Model& m, Drawing& d, float W) {
    d.LineKind = kind::Crease;
    line(m, d, W, 0, 0, 0);
}

}  // namespace

void RabatPrincipal(Model& m, Drawing& d, float W, float a7, float a6, float D, float x, float y,
                    float angle, bool mirrored) {
    const float t = m.EpaisseurCarton;
    startFlap(d);
    const int first = beginFeature(m);
    chainStart(m, 0, 0);
    lineTo(m, d, t, -t);
    lineTo(m, d, t, -a7);
    lineTo(m, d, (W - a6) / 2, -a7);
    lineTo(m, d, (W - a6) / 2, D - a7);
    lineTo(m, d, (W + a6) / 2, D - a7);
    lineTo(m, d, (W + a6) / 2, -a7);
    lineTo(m, d, W - t, -a7);
    lineTo(m, d, W - t, -t);
    lineTo(m, d, W, 0);
    foldCrease(m, d, W);
    placeFeature(m, d, first, x, y, angle, mirrored);
}

void RabatOppose(Model& m, Drawing& d, float W, float D, float a7, float a8, float a10, float x,
                 float y, float angle, bool mirrored) {
    startFlap(d);
    const int first = beginFeature(m);
    chainStart(m, 0, 0);
    const ElementId shoulder = lineTo(m, d, (W - a7) / 2, -a8);
    const ElementId tabSide = lineTo(m, d, (W - a7) / 2, -D);
    const ElementId tabEnd = lineTo(m, d, (W + a7) / 2, -D);
    const ElementId otherSide = lineTo(m, d, (W + a7) / 2, -a8);
    const ElementId otherShoulder = lineTo(m, d, W, 0);
    foldCrease(m, d, W);
    // The tab is rounded alike on both sides.
    if (a10 > 0 && D - a8 > a10) {
        d.LineKind = kind::Cut;
        fillet(m, d, shoulder, tabSide, a10);
        fillet(m, d, tabEnd, tabSide, a10);
        fillet(m, d, tabEnd, otherSide, a10);
        fillet(m, d, otherShoulder, otherSide, a10);
    }
    placeFeature(m, d, first, x, y, angle, mirrored);
}

void RabatLateral(Model& m, Drawing& d, float W, float E, float a9, float a10, float x, float y,
                  float angle, bool mirrored) {
    const float t = m.EpaisseurCarton;
    const float step = E - a9;
    const bool slanted = !(W / 2 < step - 2 * a10);
    startFlap(d);
    const int first = beginFeature(m);
    chainStart(m, 0, 0);
    lineTo(m, d, t, -t);
    lineTo(m, d, t, -E);
    const ElementId bottom = lineTo(m, d, slanted ? W / 2 + step : W / 2, -E);
    const ElementId rise = lineTo(m, d, W / 2, -a9);
    lineTo(m, d, W, 0);
    foldCrease(m, d, W);
    // The step is at least 2 * a10 high (RabatsCouvercle sees to it), so the rounding of its
    // outer corner always fits.
    if (slanted && a10 > 0) {
        d.LineKind = kind::Cut;
        fillet(m, d, bottom, rise, a10);
    }
    placeFeature(m, d, first, x, y, angle, mirrored);
}

}  // namespace brontaxe
