#include "fold/erected_pieces.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <tuple>

namespace brontaxe::fold {
namespace {

double coordinate(Vec3 v, int axis) {
    return axis == 0 ? v.x : axis == 1 ? v.y : v.z;
}

struct Triangle2 {
    double ax, ay, bx, by, cx, cy;

    bool holds(double x, double y) const {
        const double d1 = (x - bx) * (ay - by) - (ax - bx) * (y - by);
        const double d2 = (x - cx) * (by - cy) - (bx - cx) * (y - cy);
        const double d3 = (x - ax) * (cy - ay) - (cx - ax) * (y - ay);
        const bool negative = d1 < 0 || d2 < 0 || d3 < 0;
        const bool positive = d1 > 0 || d2 > 0 || d3 > 0;
        return !(negative && positive);
    }
};

// The share of a side of the box that the piece's board covers: the side at `level` across
// `axis`, sampled on a grid away from its edges, where the board's faces lying on it reach.
double coveredShare(const Mesh& mesh, const std::vector<int>& triangles, const Bounds3& box,
                    int axis, double level, double thickness) {
    const int u = (axis + 1) % 3;
    const int v = (axis + 2) % 3;
    const double reach = 2.5 * thickness + 0.5;
    std::vector<Triangle2> lying;
    for (int t : triangles) {
        const auto& tri = mesh.triangles[static_cast<std::size_t>(t)];
        std::array<Vec3, 3> p;
        for (int k = 0; k < 3; ++k)
            p[static_cast<std::size_t>(k)] =
                mesh.vertices[static_cast<std::size_t>(tri[static_cast<std::size_t>(k)])];
        if (std::all_of(p.begin(), p.end(),
                        [&](Vec3 q) { return std::fabs(coordinate(q, axis) - level) <= reach; }))
            lying.push_back({coordinate(p[0], u), coordinate(p[0], v), coordinate(p[1], u),
                             coordinate(p[1], v), coordinate(p[2], u), coordinate(p[2], v)});
    }
    if (lying.empty())
        return 0;
    constexpr int kSamples = 24;
    const double inset = reach;
    const double u0 = coordinate(box.min, u) + inset;
    const double u1 = coordinate(box.max, u) - inset;
    const double v0 = coordinate(box.min, v) + inset;
    const double v1 = coordinate(box.max, v) - inset;
    if (u1 <= u0 || v1 <= v0)
        return 0;
    int covered = 0;
    for (int i = 0; i < kSamples; ++i)
        for (int j = 0; j < kSamples; ++j) {
            const double x = u0 + (u1 - u0) * (i + 0.5) / kSamples;
            const double y = v0 + (v1 - v0) * (j + 0.5) / kSamples;
            if (std::any_of(lying.begin(), lying.end(),
                            [&](const Triangle2& t) { return t.holds(x, y); }))
                ++covered;
        }
    return static_cast<double>(covered) / (kSamples * kSamples);
}

// A side is closed when board covers nine tenths of it: a hand-hole or a vent leaves it closed,
// flaps that do not meet leave it open.
constexpr double kClosedShare = 0.9;

// Where a piece stands: the axis of its height (0, 1, 2 for x, y, z) and whether its top lies
// towards the larger coordinates.
struct Upright {
    int axis = 2;
    bool topAtMax = true;
};

Upright uprightOf(Vec3 up) {
    const std::array<double, 3> c{up.x, up.y, up.z};
    const auto largest = std::max_element(
        c.begin(), c.end(), [](double a, double b) { return std::fabs(a) < std::fabs(b); });
    return {static_cast<int>(largest - c.begin()), *largest > 0};
}

ErectedPiece measurePiece(const Mesh& mesh, const std::vector<int>& triangles, double thickness,
                          Upright upright) {
    Bounds3 box;
    for (int t : triangles)
        for (int k : mesh.triangles[static_cast<std::size_t>(t)])
            box.add(mesh.vertices[static_cast<std::size_t>(k)]);
    const int up = upright.axis;
    const int across1 = (up + 1) % 3;
    const int across2 = (up + 2) % 3;
    const Vec3 size = box.size();
    ErectedPiece piece;
    const double a = coordinate(size, across1);
    const double b = coordinate(size, across2);
    piece.length = std::max(a, b);
    piece.width = std::min(a, b);
    piece.height = coordinate(size, up);
    auto closed = [&](int axis, bool atMax) {
        const double level = atMax ? coordinate(box.max, axis) : coordinate(box.min, axis);
        return coveredShare(mesh, triangles, box, axis, level, thickness) >= kClosedShare;
    };
    piece.top = closed(up, upright.topAtMax);
    piece.bottom = closed(up, !upright.topAtMax);
    for (int axis : {across1, across2})
        for (bool atMax : {false, true})
            piece.sidesAround += closed(axis, atMax) ? 1 : 0;
    return piece;
}

bool alongY(const Hinge& h) {
    const Point d = h.line.b - h.line.a;
    return std::fabs(d.x) <= 1e-3 * std::fabs(d.y);
}

// Whether the faces, once placed, stand on four sides around: a body's walls do, a tray's
// end walls and base folded in a row (with linings turned down on them) stand on three.
bool standAround(const std::vector<int>& faces, const std::vector<RigidMotion>& placed) {
    std::vector<Vec3> sides;
    for (int f : faces) {
        const Vec3 n = placed[static_cast<std::size_t>(f)].rotate({0, 0, 1});
        const bool seen =
            std::any_of(sides.begin(), sides.end(), [&](Vec3 s) { return dot(s, n) > 0.9; });
        if (!seen)
            sides.push_back(n);
    }
    return sides.size() >= 4;
}

// The walls of a body: the largest run of four faces or more of `faces` joined by folds along
// the blank's y (walls and their glue flap) standing on four sides; empty for a tray or a pad.
std::vector<int> bodyWalls(const FoldedBlank& m, const std::vector<int>& faces,
                           const std::vector<RigidMotion>& placed) {
    std::vector<int> best;
    std::vector<bool> seen(static_cast<std::size_t>(m.faceCount()), false);
    for (int start : faces) {
        if (seen[static_cast<std::size_t>(start)])
            continue;
        std::vector<int> run{start};
        seen[static_cast<std::size_t>(start)] = true;
        for (std::size_t k = 0; k < run.size(); ++k)
            for (const Hinge& h : m.flat.hinges) {
                if (!alongY(h) || (h.faceA != run[k] && h.faceB != run[k]))
                    continue;
                const int other = h.faceA == run[k] ? h.faceB : h.faceA;
                if (!seen[static_cast<std::size_t>(other)]) {
                    seen[static_cast<std::size_t>(other)] = true;
                    run.push_back(other);
                }
            }
        if (run.size() > best.size())
            best = std::move(run);
    }
    return best.size() >= 4 && standAround(best, placed) ? best : std::vector<int>{};
}

// The faces hinged to `face`; across straight folds only, when asked (a gusset's slanted fold
// joins two halves of one corner flap).
std::vector<int> hingedTo(const FoldedBlank& m, int face, bool straightOnly = false) {
    std::vector<int> out;
    for (const Hinge& h : m.flat.hinges) {
        if (straightOnly && isSlanted(h))
            continue;
        if (h.faceA == face)
            out.push_back(h.faceB);
        else if (h.faceB == face)
            out.push_back(h.faceA);
    }
    return out;
}

// Whether the face is drawn the box's inside length by its width, give or take a tenth (the
// allowances of its folds); either way round.
bool baseSized(const FoldedBlank& m, int face, BaseSize size) {
    Bounds3 drawn;
    for (Point q : m.flat.faces[static_cast<std::size_t>(face)].outer.points)
        drawn.add({q.x, q.y, 0});
    const double a = std::max(drawn.size().x, drawn.size().y);
    const double b = std::min(drawn.size().x, drawn.size().y);
    auto near = [](double drawnSide, double side) {
        return std::fabs(drawnSide - side) <= 0.1 * side;
    };
    return near(a, std::max(size.length, size.width)) && near(b, std::min(size.length, size.width));
}

std::string mmText(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.0f", v);
    return buf;
}

}  // namespace

// The base of a folder or tray: the face with the most folds, then the most neighbours that
// carry faces of their own (walls carrying rims, flaps, a lid), then the one drawn the base's
// size, then the larger. A wall as large as the base and as many times folded (its rim, its
// corner flaps) carries only leaves; a tall folder's back wall, between its base and its lid,
// carries as many as the base but is drawn the box's length by its height.
int trayBase(const FoldedBlank& m, const std::vector<int>& faces, BaseSize size) {
    auto carriers = [&](int f) {
        int n = 0;
        for (int g : hingedTo(m, f))
            n += hingedTo(m, g, true).size() > 1 ? 1 : 0;
        // A flap or a band carries at most one: only a base carries walls on two sides or more.
        return n >= 2 ? n : 0;
    };
    auto rank = [&](int f) {
        return std::make_tuple(foldCount(m, f), carriers(f), baseSized(m, f, size),
                               m.flat.faces[static_cast<std::size_t>(f)].area);
    };
    return *std::max_element(faces.begin(), faces.end(),
                             [&](int a, int b) { return rank(a) < rank(b); });
}

std::vector<ErectedPiece> erectedPieces(const FoldedBlank& m, Stance stance, BaseSize baseSize) {
    const std::vector<RigidMotion> placed = placements(m, 1.0);
    const Mesh mesh = foldedMesh(m, placed);
    const std::vector<std::vector<int>> facesOf = facesOfPieces(m);
    std::vector<int> piece(static_cast<std::size_t>(m.faceCount()), 0);
    for (std::size_t p = 0; p < facesOf.size(); ++p)
        for (int f : facesOf[p])
            piece[static_cast<std::size_t>(f)] = static_cast<int>(p);
    std::vector<std::vector<int>> trianglesOf(m.roots.size());
    for (std::size_t t = 0; t < mesh.triangles.size(); ++t)
        trianglesOf[static_cast<std::size_t>(piece[static_cast<std::size_t>(mesh.triangleFace[t])])]
            .push_back(static_cast<int>(t));
    std::vector<ErectedPiece> out;
    for (std::size_t p = 0; p < m.roots.size(); ++p) {
        const std::vector<int> walls =
            stance == Stance::Walls ? bodyWalls(m, facesOf[p], placed) : std::vector<int>{};
        const int base =
            stance == Stance::Walls ? baseOf(m, facesOf[p]) : trayBase(m, facesOf[p], baseSize);
        // A wall's y in the blank is the body's height; a base's inside side is a tray's up.
        const Vec3 up = walls.empty()
                            ? placed[static_cast<std::size_t>(base)].rotate({0, 0, 1})
                            : placed[static_cast<std::size_t>(walls.front())].rotate({0, 1, 0});
        out.push_back(measurePiece(mesh, trianglesOf[p], m.thickness, uprightOf(up)));
    }
    return out;
}

std::string erectedText(int number, const ErectedPiece& piece) {
    return "Pièce " + std::to_string(number) + " pliée : " + mmText(piece.length) + " x " +
           mmText(piece.width) + " x " + mmText(piece.height) + " mm, dessus " +
           (piece.top ? "fermé" : "ouvert") + ", dessous " + (piece.bottom ? "fermé" : "ouvert");
}

}  // namespace brontaxe::fold
