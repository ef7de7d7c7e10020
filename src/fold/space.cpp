#include "fold/space.h"

#include <algorithm>

namespace brontaxe::fold {

RigidMotion RigidMotion::operator*(const RigidMotion& inner) const {
    RigidMotion out;
    // Columns of the inner rotation, turned by this one, give the product's columns.
    const Vec3 c0 = rotate({inner.rows[0].x, inner.rows[1].x, inner.rows[2].x});
    const Vec3 c1 = rotate({inner.rows[0].y, inner.rows[1].y, inner.rows[2].y});
    const Vec3 c2 = rotate({inner.rows[0].z, inner.rows[1].z, inner.rows[2].z});
    out.rows = {Vec3{c0.x, c1.x, c2.x}, Vec3{c0.y, c1.y, c2.y}, Vec3{c0.z, c1.z, c2.z}};
    out.translation = apply(inner.translation);
    return out;
}

RigidMotion RigidMotion::aboutAxis(Vec3 on, Vec3 axis, double radians) {
    // Rodrigues' formula, then the axis point kept in place.
    const Vec3 k = normalized(axis);
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    const double t = 1 - c;
    RigidMotion m;
    m.rows = {Vec3{c + k.x * k.x * t, k.x * k.y * t - k.z * s, k.x * k.z * t + k.y * s},
              Vec3{k.y * k.x * t + k.z * s, c + k.y * k.y * t, k.y * k.z * t - k.x * s},
              Vec3{k.z * k.x * t - k.y * s, k.z * k.y * t + k.x * s, c + k.z * k.z * t}};
    m.translation = on - m.rotate(on);
    return m;
}

RigidMotion RigidMotion::shift(Vec3 by) {
    RigidMotion m;
    m.translation = by;
    return m;
}

void Bounds3::add(Vec3 p) {
    min = {std::min(min.x, p.x), std::min(min.y, p.y), std::min(min.z, p.z)};
    max = {std::max(max.x, p.x), std::max(max.y, p.y), std::max(max.z, p.z)};
}

}  // namespace brontaxe::fold
