#pragma once
// Points, directions and rigid motions of the folded blank in space, in millimetres. The flat
// blank lies in the plane z = 0 with its drawing's x and y; folds lift faces towards +z.

#include <array>
#include <cmath>

namespace brontaxe::fold {

struct Vec3 {
    double x = 0;
    double y = 0;
    double z = 0;

    friend Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
    friend Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
    friend Vec3 operator-(Vec3 a) { return {-a.x, -a.y, -a.z}; }
    friend Vec3 operator*(Vec3 a, double k) { return {a.x * k, a.y * k, a.z * k}; }
    friend Vec3 operator*(double k, Vec3 a) { return a * k; }
    friend bool operator==(Vec3, Vec3) = default;
};

inline double dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double norm(Vec3 a) {
    return std::sqrt(dot(a, a));
}
inline Vec3 normalized(Vec3 a) {
    const double n = norm(a);
    return n > 0 ? a * (1.0 / n) : a;
}

// x -> rotation x + translation: the place of one face of the folded blank.
struct RigidMotion {
    // Rows of the rotation matrix.
    std::array<Vec3, 3> rows{Vec3{1, 0, 0}, Vec3{0, 1, 0}, Vec3{0, 0, 1}};
    Vec3 translation;

    Vec3 rotate(Vec3 v) const { return {dot(rows[0], v), dot(rows[1], v), dot(rows[2], v)}; }
    Vec3 apply(Vec3 p) const { return rotate(p) + translation; }

    // This motion after `inner`: (this * inner)(p) = this(inner(p)).
    RigidMotion operator*(const RigidMotion& inner) const;

    // Turning by `radians` about the line through `on` along the unit direction `axis`,
    // counter-clockwise seen from the tip of `axis`.
    static RigidMotion aboutAxis(Vec3 on, Vec3 axis, double radians);
    static RigidMotion shift(Vec3 by);
};

// An axis-aligned box in space.
struct Bounds3 {
    Vec3 min{1e300, 1e300, 1e300};
    Vec3 max{-1e300, -1e300, -1e300};

    bool empty() const { return min.x > max.x; }
    void add(Vec3 p);
    Vec3 size() const { return empty() ? Vec3{} : max - min; }
};

}  // namespace brontaxe::fold
