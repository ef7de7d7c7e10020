#include "builders/variable_hand_hole.h"

#include <algorithm>

#include "builders/emit.h"
#include "drawing/pen_scope.h"
#include "platform/errors.h"

namespace brontaxe {

float handHoleLand(float thickness) {
    return std::max(10.0f, 3 * thickness);
}

float handHoleDrop(float drop, float height, float wall, float land) {
    return std::max(land, std::min(drop, wall - land - height));
}

void VariableHandHoleCut(Drawing& d, const VariableHandHoleCutShape& hole,
                         const FeaturePlacement& at) {
    if (!(hole.height > 0))
        throw GenerationError("Poignée impossible : hauteur nulle");
    if (hole.length < hole.height)
        throw GenerationError("Poignée impossible : longueur inférieure à la hauteur");
    const float H = hole.height;
    const float c = (hole.length - H) / 2;
    const int first = beginFeature(d);

    PenScope pen(d);
    pen.setVariant(hole.lineVariant);
    pen.setKind(hole.lineKind);
    if (hole.hingedUpperEdge) {
        pen.setKind(kind::Crease);
        pen.setVariant(1);
    }
    line(d, c, 0, -c, 0);
    pen.setKind(hole.lineKind);
    pen.setVariant(hole.lineVariant);
    arc(d, {-c, -H / 2}, H / 2, 90, 180);
    line(d, -c, -H, c, -H);
    arc(d, {c, -H / 2}, H / 2, -90, 180);
    placeFeature(d, first, {.x = at.x, .y = at.y, .angle = at.angle, .mirrored = at.mirrored});
}

}  // namespace brontaxe
