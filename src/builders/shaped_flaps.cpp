#include "builders/shaped_flaps.h"

#include "builders/emit.h"
#include "drawing/pen_scope.h"

namespace brontaxe {
namespace {

void foldCrease(Drawing& d, float W) {
    const PenScope pen(d, kind::Crease);
    line(d, W, 0, 0, 0);
}

}  // namespace

void PrincipalFlap(Drawing& d, const PrincipalFlapShape& flap, float thickness,
                   const FeaturePlacement& at) {
    const float W = flap.width, a7 = flap.depth, a6 = flap.notch, D = flap.reach;
    const float t = thickness;
    const PenScope pen(d, kind::Cut);
    const int first = beginFeature(d);
    chainStart(d, 0, 0);
    lineTo(d, t, -t);
    lineTo(d, t, -a7);
    lineTo(d, (W - a6) / 2, -a7);
    lineTo(d, (W - a6) / 2, D - a7);
    lineTo(d, (W + a6) / 2, D - a7);
    lineTo(d, (W + a6) / 2, -a7);
    lineTo(d, W - t, -a7);
    lineTo(d, W - t, -t);
    lineTo(d, W, 0);
    foldCrease(d, W);
    placeFeature(d, first, at);
}

void OppositeFlap(Drawing& d, const OppositeFlapShape& flap, const FeaturePlacement& at) {
    const float W = flap.width, D = flap.depth, a7 = flap.tab, a8 = flap.shoulder;
    const float a10 = flap.radius;
    const PenScope pen(d, kind::Cut);
    const int first = beginFeature(d);
    chainStart(d, 0, 0);
    const ElementId shoulder = lineTo(d, (W - a7) / 2, -a8);
    const ElementId tabSide = lineTo(d, (W - a7) / 2, -D);
    const ElementId tabEnd = lineTo(d, (W + a7) / 2, -D);
    const ElementId otherSide = lineTo(d, (W + a7) / 2, -a8);
    const ElementId otherShoulder = lineTo(d, W, 0);
    foldCrease(d, W);
    // The tab is rounded alike on both sides.
    if (a10 > 0 && D - a8 > a10) {
        fillet(d, shoulder, tabSide, a10);
        fillet(d, tabEnd, tabSide, a10);
        fillet(d, tabEnd, otherSide, a10);
        fillet(d, otherShoulder, otherSide, a10);
    }
    placeFeature(d, first, at);
}

void SideFlap(Drawing& d, const SideFlapShape& flap, float thickness, const FeaturePlacement& at) {
    const float W = flap.width, E = flap.depth, a9 = flap.step, a10 = flap.radius;
    const float t = thickness;
    const float step = E - a9;
    const bool slanted = !(W / 2 < step - 2 * a10);
    const PenScope pen(d, kind::Cut);
    const int first = beginFeature(d);
    chainStart(d, 0, 0);
    lineTo(d, t, -t);
    lineTo(d, t, -E);
    const ElementId bottom = lineTo(d, slanted ? W / 2 + step : W / 2, -E);
    const ElementId rise = lineTo(d, W / 2, -a9);
    lineTo(d, W, 0);
    foldCrease(d, W);
    // The step is at least 2 * a10 high (the lid flaps see to it), so the rounding of its
    // outer corner always fits.
    if (slanted && a10 > 0)
        fillet(d, bottom, rise, a10);
    placeFeature(d, first, at);
}

}  // namespace brontaxe
