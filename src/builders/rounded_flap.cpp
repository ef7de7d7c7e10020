#include "builders/rounded_flap.h"

#include <algorithm>
#include <cmath>

#include "builders/emit.h"
#include "drawing/pen_scope.h"
#include "platform/errors.h"

namespace brontaxe {
namespace {

// The largest fillet whose tangent points stay on two edges of these lengths meeting at an
// angle whose cosine is `cosAngle`, with a margin for rounding.
float largestFillet(float lengthA, float lengthB, float cosAngle) {
    const float halfAngle = std::acos(std::clamp(cosAngle, -1.0f, 1.0f)) / 2;
    return 0.99f * std::min(lengthA, lengthB) * std::tan(halfAngle);
}

}  // namespace

void RoundedFlap(Drawing& d, const RoundedFlapShape& f, const FeaturePlacement& at) {
    if (!(f.width > 0) || !(f.depth > 0))
        throw GenerationError("Dimensions impossibles : rabat de taille nulle");
    if (!(f.inset < f.width))
        throw GenerationError("Dimensions impossibles : rabat plus étroit que son biais");
    const float r = std::clamp(f.radius, 0.0f, std::min(f.width - f.inset, f.depth));
    const float topEnd = f.width - r;  // where the top edge meets the arc

    PenScope pen(d, kind::Cut);
    const int first = beginFeature(d);
    const ElementId inner = line(d, 0, 0, f.inset, f.depth);
    ElementId top{};
    if (topEnd > f.inset + kEps)
        top = line(d, f.inset, f.depth, topEnd, f.depth);
    if (r > kEps)
        arc(d, {topEnd, f.depth - r}, r, 90, -90);
    if (f.depth - r > kEps)
        line(d, f.width, f.depth - r, f.width, 0);

    if (top.valid() && f.fillet > 0) {
        const float innerLength = std::hypot(f.inset, f.depth);
        // The inner edge runs down and left from the corner, the top edge to the right.
        const float cosAngle = -f.inset / innerLength;
        const float rounding =
            std::min(f.fillet, largestFillet(innerLength, topEnd - f.inset, cosAngle));
        if (rounding > kEps)
            fillet(d, inner, top, rounding);
    }
    if (f.creasedFold) {
        pen.setKind(kind::Crease);
        line(d, f.width, 0, 0, 0);
        pen.setKind(kind::Cut);
    }
    placeFeature(d, first, {.x = at.x, .y = at.y, .angle = at.angle, .mirrored = at.mirrored});
}

}  // namespace brontaxe
