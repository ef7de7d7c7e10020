#include "drawing/mirror_vertical.h"

namespace brontaxe {

double mirroredAngle(ShapeType type, double angle, double sweep) {
    switch (type) {
        case ShapeType::Arc:
        case ShapeType::Dimension:
            return normalizeDegrees(180 - angle - sweep + 360);
        case ShapeType::Symbol:
            return normalizeDegrees(360 - angle);
        case ShapeType::Text:
            return normalizeDegrees(angle);
        case ShapeType::Line:
        case ShapeType::Sheet:
        case ShapeType::Contour:
            break;
    }
    return normalizeDegrees(180 - angle);
}

void mirrorAcrossVertical(float axis, Drawing& d) {
    for (std::int32_t i = kFirstElementId; i <= d.ElementCount() + 2; ++i) {
        const ElementId id{i};
        const ShapeType type = d.ElementType(id);
        if (type == ShapeType::Dimension) {
            // Turning a dimension about its middle would carry its reference point to the
            // wrong side: reflect all three points instead (the angle comes out as the rule).
            d.TransformElement(id, Transform::mirrorAcross({axis / 2.0, 0}, 90));
            continue;
        }
        const double angle = d.ElementAngle(id);
        const double sweep = d.ElementSweep(id);
        d.SetElementX(id, axis - d.ElementX(id));
        if (type != ShapeType::Text)
            d.SetElementAngle(id, mirroredAngle(type, angle, sweep));
    }
}

}  // namespace brontaxe
