#pragma once
// Plane geometry of the drawing: points as small values, the tolerances (drawing/tolerances.h),
// angles in degrees at every interface.

#include <cmath>

#include "drawing/tolerances.h"

namespace brontaxe {

inline constexpr double kPi = 3.14159265358979323846;
// A degree in radians at the model's single precision, for angles the styles compute in floats.
inline constexpr float kRadiansPerDegree = static_cast<float>(kPi / 180);

struct Point {
    double x = 0;
    double y = 0;

    friend Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
    friend Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
    friend Point operator*(Point a, double k) { return {a.x * k, a.y * k}; }
    friend Point operator*(double k, Point a) { return {a.x * k, a.y * k}; }
    friend bool operator==(Point, Point) = default;
};

struct Segment {
    Point a;
    Point b;

    friend bool operator==(const Segment&, const Segment&) = default;
};

inline double dot(Point a, Point b) {
    return a.x * b.x + a.y * b.y;
}
inline double cross(Point a, Point b) {
    return a.x * b.y - a.y * b.x;
}
inline double length(Point a) {
    return std::hypot(a.x, a.y);
}
inline double distance(Point a, Point b) {
    return length(b - a);
}
// How far `p` lies from the line through `s`, a segment of some length.
inline double distanceToLine(Point p, const Segment& s) {
    const Point d = s.b - s.a;
    return std::fabs(cross(d, p - s.a)) / length(d);
}
// The direction of v as a vector of length 1; along x for a vector of no length.
inline Point unit(Point v) {
    const double len = length(v);
    return len <= kEps ? Point{1, 0} : v * (1.0 / len);
}

inline bool areNear(double a, double b, double eps = kEps) {
    return std::fabs(a - b) <= eps;
}
inline bool areNear(Point a, Point b, double eps = kEps) {
    return distance(a, b) <= eps;
}

inline double toRadians(double degrees) {
    return degrees * kPi / 180.0;
}
inline double toDegrees(double radians) {
    return radians * 180.0 / kPi;
}

// Angle in degrees brought into [0, 360).
double normalizeDegrees(double degrees);

Point rotate(Point p, double degrees);
Point pointOnCircle(Point centre, double radius, double degrees);

struct Box {
    double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
    bool empty = true;

    void add(Point p);
    void add(const Box& other);
    double width() const { return empty ? 0 : xmax - xmin; }
    double height() const { return empty ? 0 : ymax - ymin; }
};

}  // namespace brontaxe
