#include "fold/erected_pieces.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <tuple>
#include <utility>

#include "drawing/tolerances.h"

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

// A face lying on a side of the box, in that side's two coordinates: its outline alone, so
// that a hole cut inside the face (a vent, a hand-hole, a slot) leaves the side closed.
using Outline = std::vector<std::pair<double, double>>;

bool inside(const Outline& ring, double x, double y) {
    bool in = false;
    for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
        const auto [ax, ay] = ring[i];
        const auto [bx, by] = ring[j];
        if ((ay > y) != (by > y) && x < (bx - ax) * (y - ay) / (by - ay) + ax)
            in = !in;
    }
    return in;
}

// The outlines of the faces that lie on the side at `level` across `axis`, within `reach`.
std::vector<Outline> lyingOutlines(const FoldedBlank& m, const std::vector<RigidMotion>& placed,
                                   const std::vector<int>& faces, int axis, double level,
                                   double reach) {
    std::vector<Outline> out;
    for (int f : faces) {
        Outline ring;
        bool onSide = true;
        for (Point p : m.flat.faces[static_cast<std::size_t>(f)].outer.points) {
            const Vec3 q = placed[static_cast<std::size_t>(f)].apply({p.x, p.y, 0});
            onSide = onSide && std::fabs(coordinate(q, axis) - level) <= reach;
            ring.emplace_back(coordinate(q, (axis + 1) % 3), coordinate(q, (axis + 2) % 3));
        }
        if (onSide && ring.size() >= 3)
            out.push_back(std::move(ring));
    }
    return out;
}

// The faces of a piece once folded: their triangles, and where each face lies.
struct PlacedPiece {
    const FoldedBlank& m;
    const std::vector<RigidMotion>& placed;
    const Mesh& mesh;
    const std::vector<int>& faces;
    const std::vector<int>& triangles;
};

// The share of a side of the box that the piece's board covers: the side at `level` across
// `axis`, sampled on a grid away from its edges, where the board's faces lying on it reach,
// holes inside a face taken as board.
double coveredShare(const PlacedPiece& piece, const Bounds3& box, int axis, double level) {
    const Mesh& mesh = piece.mesh;
    const double thickness = piece.m.thickness;
    const int u = (axis + 1) % 3;
    const int v = (axis + 2) % 3;
    const double reach = 2.5 * thickness + 0.5;
    std::vector<Triangle2> lying;
    for (int t : piece.triangles) {
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
    const std::vector<Outline> outlines =
        lyingOutlines(piece.m, piece.placed, piece.faces, axis, level, reach);
    if (lying.empty() && outlines.empty())
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
                            [&](const Triangle2& t) { return t.holds(x, y); }) ||
                std::any_of(outlines.begin(), outlines.end(),
                            [&](const Outline& r) { return inside(r, x, y); }))
                ++covered;
        }
    return static_cast<double>(covered) / (kSamples * kSamples);
}

// A side is closed when board covers nine tenths of it: flaps that do not meet leave it open.
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

// A wall's inner layer lies this deep at most behind the side it lines: rolled double over a
// band two boards wide, with a flap between its two layers.
constexpr double kDeepestLayer = 4;

// How far in from the side of `box` at `atMax` across `axis` the inside begins: the inner face
// of the deepest layer of the walls' board (faces lying parallel to the side, together covering
// it as a closed side is covered) within kDeepestLayer boards of it, or, where the walls may
// roll over into hollow `buffers` (a tray's), within a third of the box across; one board where
// no layer of the walls covers it.
double sideDepth(const PlacedPiece& of, const std::vector<int>& walls, const Bounds3& box, int axis,
                 bool atMax, bool buffers) {
    const Mesh& mesh = of.mesh;
    const double thickness = of.m.thickness;
    const double edge = atMax ? coordinate(box.max, axis) : coordinate(box.min, axis);
    // The triangles of each face, and how deep behind the side its mid-plane lies; a face
    // not lying parallel to the side is left out.
    std::map<int, std::vector<int>> trianglesOf;
    for (int t : walls)
        trianglesOf[mesh.triangleFace[static_cast<std::size_t>(t)]].push_back(t);
    std::vector<std::pair<double, int>> faces;
    for (const auto& [face, triangles] : trianglesOf) {
        Bounds3 span;
        for (int t : triangles)
            for (int k : mesh.triangles[static_cast<std::size_t>(t)])
                span.add(mesh.vertices[static_cast<std::size_t>(k)]);
        if (coordinate(span.size(), axis) <= thickness + kBoardSlack)
            faces.emplace_back(
                std::fabs((coordinate(span.min, axis) + coordinate(span.max, axis)) / 2 - edge),
                face);
    }
    std::sort(faces.begin(), faces.end());
    double depth = thickness;
    for (std::size_t i = 0; i < faces.size();) {
        // A layer: the faces lying level with the nearest one left.
        const double mid = faces[i].first;
        if (mid > (buffers ? coordinate(box.size(), axis) / 3 : kDeepestLayer * thickness))
            break;
        std::vector<int> layer;
        std::vector<int> layerFaces;
        for (; i < faces.size() && faces[i].first <= mid + thickness / 2; ++i) {
            layerFaces.push_back(faces[i].second);
            layer.insert(layer.end(), trianglesOf[faces[i].second].begin(),
                         trianglesOf[faces[i].second].end());
        }
        const double level = atMax ? edge - mid : edge + mid;
        const PlacedPiece layerPiece{of.m, of.placed, of.mesh, layerFaces, layer};
        if (coveredShare(layerPiece, box, axis, level) >= kClosedShare)
            depth = std::max(depth, mid + thickness / 2);
    }
    return depth;
}

// The piece of `triangles` measured standing `upright`; its inside taken at the inner layers of
// the triangles of its base and walls, `walls` (one board in where they hold none).
ErectedPiece measurePiece(const PlacedPiece& of, const std::vector<int>& walls, Upright upright,
                          bool buffers) {
    const double thickness = of.m.thickness;
    Bounds3 box;
    for (int t : of.triangles)
        for (int k : of.mesh.triangles[static_cast<std::size_t>(t)])
            box.add(of.mesh.vertices[static_cast<std::size_t>(k)]);
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
        return coveredShare(of, box, axis, level) >= kClosedShare;
    };
    piece.top = closed(up, upright.topAtMax);
    piece.bottom = closed(up, !upright.topAtMax);
    for (int axis : {across1, across2})
        for (bool atMax : {false, true})
            piece.sidesAround += closed(axis, atMax) ? 1 : 0;
    auto inside = [&](int axis) {
        return coordinate(size, axis) - sideDepth(of, walls, box, axis, false, buffers) -
               sideDepth(of, walls, box, axis, true, buffers);
    };
    piece.insideLength = a >= b ? inside(across1) : inside(across2);
    piece.insideWidth = a >= b ? inside(across2) : inside(across1);
    // Tabs poking through the floor reach below it: the inside starts at the floor's.
    piece.insideHeight =
        piece.height - thickness - sideDepth(of, walls, box, up, !upright.topAtMax, buffers);
    return piece;
}

bool alongY(const Hinge& h) {
    const Point d = h.line.b - h.line.a;
    return std::fabs(d.x) <= kParallelRatio * std::fabs(d.y);
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

namespace {

const Hinge* hingeBetween(const FoldedBlank& m, int a, int b) {
    for (const Hinge& h : m.flat.hinges)
        if ((h.faceA == a && h.faceB == b) || (h.faceA == b && h.faceB == a))
            return &h;
    return nullptr;
}

bool parallel(const Hinge& a, const Hinge& b) {
    const Point u = a.line.b - a.line.a;
    const Point v = b.line.b - b.line.a;
    return std::fabs(cross(u, v)) <= kParallelRatio * length(u) * length(v);
}

// The base of a tray and its walls: the faces hinged on the base, the inner layer of each
// wall rolled double (outer wall, band and inner wall hinged on three parallel folds), and
// the corner flaps where a panel turned down inside a wall holds them against it (0420).
std::vector<int> trayWalls(const FoldedBlank& m, int base) {
    std::vector<int> walls{base};
    std::vector<int> cornerFlaps;
    bool turnedDown = false;
    for (int outer : hingedTo(m, base, true)) {
        walls.push_back(outer);
        const Hinge& foot = *hingeBetween(m, base, outer);
        for (int flap : hingedTo(m, outer, true)) {
            if (flap == base)
                continue;
            if (!parallel(foot, *hingeBetween(m, outer, flap)))
                cornerFlaps.push_back(flap);
            else if (m.links[static_cast<std::size_t>(flap)].angleDeg == 180)
                turnedDown = true;
        }
        for (int band : hingedTo(m, outer, true))
            for (int inner : hingedTo(m, band, true))
                if (band != base && inner != outer &&
                    parallel(foot, *hingeBetween(m, outer, band)) &&
                    parallel(foot, *hingeBetween(m, band, inner)))
                    walls.push_back(inner);
    }
    if (turnedDown)
        walls.insert(walls.end(), cornerFlaps.begin(), cornerFlaps.end());
    return walls;
}

// A face and the faces hinged on it across straight folds.
std::vector<int> withHinged(const FoldedBlank& m, int face) {
    std::vector<int> out = hingedTo(m, face, true);
    out.push_back(face);
    return out;
}

}  // namespace

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
        // A tray's base and walls, inner layers of rolled walls included; any other piece's
        // base and the faces hinged on it, so that the flaps those walls carry, laid inside or
        // outside them (0308's), take no part in its inside.
        const std::vector<int> around =
            stance == Stance::Base ? trayWalls(m, base) : withHinged(m, base);
        std::vector<int> wallTriangles;
        for (int t : trianglesOf[p])
            if (std::ranges::count(around, mesh.triangleFace[static_cast<std::size_t>(t)]))
                wallTriangles.push_back(t);
        out.push_back(measurePiece({m, placed, mesh, facesOf[p], trianglesOf[p]}, wallTriangles,
                                   uprightOf(up), stance == Stance::Base));
    }
    return out;
}

std::string erectedText(int number, const ErectedPiece& piece) {
    std::string text = "Pièce " + std::to_string(number) + " pliée : " + mmText(piece.length) +
                       " x " + mmText(piece.width) + " x " + mmText(piece.height) + " mm, dessus " +
                       (piece.top ? "fermé" : "ouvert") + ", dessous " +
                       (piece.bottom ? "fermé" : "ouvert");
    // A pad or a strip has no inside of its own.
    if (piece.sidesAround > 0)
        text += ", intérieur " + mmText(piece.insideLength) + " x " + mmText(piece.insideWidth) +
                " x " + mmText(piece.insideHeight) + " mm";
    return text;
}

}  // namespace brontaxe::fold
