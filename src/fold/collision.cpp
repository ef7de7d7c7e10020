#include "fold/collision.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "drawing/tolerances.h"

namespace brontaxe::fold {
namespace {

bool boxesOverlap(const Bounds3& a, const Bounds3& b, double margin) {
    return a.min.x < b.max.x - margin && b.min.x < a.max.x - margin && a.min.y < b.max.y - margin &&
           b.min.y < a.max.y - margin && a.min.z < b.max.z - margin && b.min.z < a.max.z - margin;
}

// The three edge directions and the normal of a prism (its triangle's edges, its thickness).
std::array<Vec3, 4> directions(const std::array<Vec3, 6>& p) {
    return {p[1] - p[0], p[2] - p[1], p[0] - p[2], p[3] - p[0]};
}

// How far one point set must move along the axis to clear the other; negative when apart.
double overlapOn(Vec3 axis, const std::array<Vec3, 6>& a, const std::array<Vec3, 6>& b) {
    double aMin = std::numeric_limits<double>::max(), aMax = -aMin;
    double bMin = aMin, bMax = -aMin;
    for (const Vec3& v : a) {
        const double t = dot(axis, v);
        aMin = std::min(aMin, t);
        aMax = std::max(aMax, t);
    }
    for (const Vec3& v : b) {
        const double t = dot(axis, v);
        bMin = std::min(bMin, t);
        bMax = std::max(bMax, t);
    }
    return std::min(aMax - bMin, bMax - aMin);
}

// Separating axes of two convex prisms: the least overlap over every candidate axis is how
// deep they reach into each other.
double prismPenetration(const std::array<Vec3, 6>& a, const std::array<Vec3, 6>& b) {
    const auto da = directions(a);
    const auto db = directions(b);
    double least = std::numeric_limits<double>::max();
    auto tryAxis = [&](Vec3 axis) {
        const double n = norm(axis);
        if (n < kRoundingNoise)
            return;
        least = std::min(least, overlapOn(axis * (1.0 / n), a, b));
    };
    // Face normals: the caps, then the sides (an edge across the thickness).
    tryAxis(cross(da[0], da[1]));
    tryAxis(cross(db[0], db[1]));
    for (int i = 0; i < 3 && least > 0; ++i) {
        tryAxis(cross(da[static_cast<std::size_t>(i)], da[3]));
        tryAxis(cross(db[static_cast<std::size_t>(i)], db[3]));
    }
    for (const Vec3& u : da)
        for (const Vec3& v : db) {
            if (least <= 0)
                return 0;
            tryAxis(cross(u, v));
        }
    return std::max(least, 0.0);
}

// The part of a polygon at least `margin` from the line on the side of `inside`.
std::vector<Point> clipAway(const std::vector<Point>& polygon, const Segment& line, Point inside,
                            double margin) {
    Point n{line.a.y - line.b.y, line.b.x - line.a.x};
    n = n * (1.0 / length(n));
    if (dot(n, inside - line.a) < 0)
        n = n * -1.0;
    auto side = [&](Point p) { return dot(n, p - line.a) - margin; };
    std::vector<Point> out;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Point p = polygon[i];
        const Point q = polygon[(i + 1) % polygon.size()];
        const double sp = side(p);
        const double sq = side(q);
        if (sp >= 0)
            out.push_back(p);
        if ((sp >= 0) != (sq >= 0))
            out.push_back(p + (q - p) * (sp / (sp - sq)));
    }
    return out;
}

}  // namespace

PlacedFace placeFace(const FoldedBlank& m, int face, const RigidMotion& at) {
    PlacedFace out;
    const Face& f = m.flat.faces[static_cast<std::size_t>(face)];
    const std::vector<Point> points = f.allPoints();
    // The board bends over a thickness along its hinges: the band there is not board that
    // another face could run into.
    const std::vector<const Hinge*> hinges = hingesOf(m, face);
    const double half = m.thickness / 2;
    for (const auto& t : f.triangles) {
        std::vector<Point> part;
        for (int k : t)
            part.push_back(points[static_cast<std::size_t>(k)]);
        for (const Hinge* h : hinges)
            if (part.size() >= 3)
                part = clipAway(part, h->line, f.inside, m.thickness);
        // A fan of prisms over what is left.
        for (std::size_t k = 1; k + 1 < part.size(); ++k) {
            std::array<Vec3, 6> prism;
            const std::array<Point, 3> corners{part[0], part[k], part[k + 1]};
            for (std::size_t c = 0; c < 3; ++c) {
                prism[c] = at.apply({corners[c].x, corners[c].y, half});
                prism[c + 3] = at.apply({corners[c].x, corners[c].y, -half});
            }
            for (const Vec3& v : prism)
                out.box.add(v);
            out.prisms.push_back(prism);
        }
    }
    return out;
}

double penetration(const PlacedFace& a, const PlacedFace& b) {
    if (a.box.empty() || b.box.empty() || !boxesOverlap(a.box, b.box, 0))
        return 0;
    double deepest = 0;
    for (const auto& p : a.prisms)
        for (const auto& q : b.prisms)
            deepest = std::max(deepest, prismPenetration(p, q));
    return deepest;
}

bool passesThrough(const FoldedBlank& m, const RigidMotion& a, const RigidMotion& b, double depth) {
    const Vec3 na = faceNormal(a);
    if (norm(cross(na, faceNormal(b))) < kParallelNormals) {
        // Parallel faces closer than the board is thick share board.
        const double apart = std::fabs(dot(na, a.translation - b.translation));
        return apart < m.thickness - kBoardSlack && depth > 0.5 * m.thickness + kBoardSlack;
    }
    return depth > m.thickness + kBoardSlack;
}

bool hinged(const FoldedBlank& m, int a, int b) {
    return std::any_of(m.flat.hinges.begin(), m.flat.hinges.end(), [&](const Hinge& h) {
        return (h.faceA == a && h.faceB == b) || (h.faceA == b && h.faceB == a);
    });
}

std::vector<Collision> collisions(const FoldedBlank& m, const std::vector<RigidMotion>& placed) {
    std::vector<PlacedFace> faces;
    for (int f = 0; f < m.faceCount(); ++f)
        faces.push_back(placeFace(m, f, placed[static_cast<std::size_t>(f)]));
    std::vector<Collision> out;
    for (int a = 0; a < m.faceCount(); ++a)
        for (int b = a + 1; b < m.faceCount(); ++b) {
            if (hinged(m, a, b))
                continue;
            const double depth =
                penetration(faces[static_cast<std::size_t>(a)], faces[static_cast<std::size_t>(b)]);
            if (passesThrough(m, placed[static_cast<std::size_t>(a)],
                              placed[static_cast<std::size_t>(b)], depth))
                out.push_back({a, b, depth});
        }
    return out;
}

}  // namespace brontaxe::fold
