#include "builders/glue_flap.h"

#include <algorithm>
#include <cmath>

#include "builders/emit.h"
#include "drawing/pen_scope.h"

namespace brontaxe {

GlueFlapShape glueFlapShape(const BodyGlueFlap& glue, float height, float slot) {
    return {.width = glue.width,
            .height = height,
            .slot = slot,
            .taper = glue.taper,
            .extension = glue.extension};
}

void GlueFlap(Drawing& d, const GlueFlapShape& flap, const FeaturePlacement& at) {
    const float w = flap.width, h = flap.height, a = flap.slot, angle = flap.taper;
    const float extension = flap.extension;
    PenScope pen(d, kind::Cut);
    const int first = beginFeature(d);
    if (a > 0)
        line(d, w, h, w - a, h);
    float top = h;
    if (extension > 0) {
        pen.setKind(kind::Crease);
        line(d, w - a, h, 0, h);
        pen.setKind(kind::Cut);
        line(d, w - a, h, w - a, h + extension);
        top = h + extension;
    }
    // On a low body the taper would run past the fold line and cross the other half's edge:
    // it is shortened so that the flap's end keeps half the height.
    const float drop = std::min((w - a) * std::tan(angle * kRadiansPerDegree), top / 2);
    line(d, w - a, top, 0, top - drop);
    lineTo(d, 0, 0);
    placeFeature(d, first, at);
}

}  // namespace brontaxe
