#include "drawing/transform.h"

#include <algorithm>
#include <limits>

namespace brontaxe {

Transform Transform::move(Point by) {
    Transform t;
    t.e_ = by.x;
    t.f_ = by.y;
    return t;
}

Transform Transform::turn(double degrees) {
    return placement({}, degrees, false);
}

Transform Transform::turnAbout(Point centre, double degrees) {
    return placement(centre - rotate(centre, degrees), degrees, false);
}

Transform Transform::mirrorAcrossX() {
    return placement({}, 0, true);
}

Transform Transform::mirrorAcross(Point on, double degrees) {
    // Across the x axis, then turned by twice the line's direction: the x axis lands on a line
    // of that direction through the origin, which then moves onto `on`.
    const Transform about = placement({}, 2 * degrees, true);
    return about.then(move(on - about(on)));
}

Transform Transform::scale(double sx, double sy) {
    Transform t;
    t.a_ = sx;
    t.d_ = sy;
    t.mirrored_ = (sx < 0) != (sy < 0);
    t.turn_ = sx < 0 ? 180 : 0;
    return t;
}

Transform Transform::placement(Point by, double degrees, bool mirrored) {
    const double r = toRadians(degrees);
    const double cs = std::cos(r);
    const double sn = std::sin(r);
    Transform t;
    t.a_ = cs;
    t.b_ = mirrored ? sn : -sn;
    t.c_ = sn;
    t.d_ = mirrored ? -cs : cs;
    t.e_ = by.x;
    t.f_ = by.y;
    t.turn_ = degrees;
    t.mirrored_ = mirrored;
    return t;
}

Transform Transform::then(const Transform& o) const {
    Transform t;
    t.a_ = o.a_ * a_ + o.b_ * c_;
    t.b_ = o.a_ * b_ + o.b_ * d_;
    t.c_ = o.c_ * a_ + o.d_ * c_;
    t.d_ = o.c_ * b_ + o.d_ * d_;
    t.e_ = o.a_ * e_ + o.b_ * f_ + o.e_;
    t.f_ = o.c_ * e_ + o.d_ * f_ + o.f_;
    t.turn_ = o.direction(turn_);
    t.mirrored_ = mirrored_ != o.mirrored_;
    return t;
}

double Transform::stretch() const {
    const double t = a_ * a_ + b_ * b_ + c_ * c_ + d_ * d_;
    const double dt = det();
    return std::sqrt((t + std::sqrt(std::max(0.0, t * t - 4 * dt * dt))) / 2);
}

bool Transform::keepsCircles() const {
    const double s2 = std::fabs(det());
    const double tol = kRoundingNoise * std::max(s2, std::numeric_limits<double>::min());
    return std::fabs(a_ * b_ + c_ * d_) <= tol &&
           std::fabs(a_ * a_ + c_ * c_ - b_ * b_ - d_ * d_) <= tol;
}

}  // namespace brontaxe
