#include "fold/folded_blank.h"

#include <algorithm>
#include <deque>

#include "drawing/tolerances.h"

namespace brontaxe::fold {
namespace {

double defaultAngle(LineKind lineKind, const Face& face) {
    // A perforation tears, and a hand-hole's flap is pushed in by the hand: neither folds
    // with the box.
    return lineKind == kind::Perforation || face.inHole ? 0.0 : 90.0;
}

// Breadth first from the first face in `fixed`'s order not yet reached, one tree a piece;
// `first`, when given, is fixed before all others.
void buildTrees(FoldedBlank& m, FixedFace fixed, int first = -1) {
    m.order.clear();
    m.roots.clear();
    const int n = m.faceCount();
    m.links.assign(static_cast<std::size_t>(n), FoldLink{});
    std::vector<std::vector<int>> hingesOf(static_cast<std::size_t>(n));
    for (std::size_t h = 0; h < m.flat.hinges.size(); ++h) {
        hingesOf[static_cast<std::size_t>(m.flat.hinges[h].faceA)].push_back(static_cast<int>(h));
        hingesOf[static_cast<std::size_t>(m.flat.hinges[h].faceB)].push_back(static_cast<int>(h));
    }
    std::vector<int> bySize(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        bySize[static_cast<std::size_t>(i)] = i;
    std::stable_sort(bySize.begin(), bySize.end(), [&](int a, int b) {
        return m.flat.faces[static_cast<std::size_t>(a)].area >
               m.flat.faces[static_cast<std::size_t>(b)].area + kSameArea;
    });
    if (fixed == FixedFace::MostFolds)
        std::stable_sort(bySize.begin(), bySize.end(), [&](int a, int b) {
            return hingesOf[static_cast<std::size_t>(a)].size() >
                   hingesOf[static_cast<std::size_t>(b)].size();
        });
    if (first >= 0)
        std::stable_partition(bySize.begin(), bySize.end(), [&](int f) { return f == first; });
    std::vector<bool> reached(static_cast<std::size_t>(n), false);
    auto attach = [&](int parent, int h, std::deque<int>& queue) {
        const Hinge& hinge = m.flat.hinges[static_cast<std::size_t>(h)];
        const int child = hinge.faceA == parent ? hinge.faceB : hinge.faceA;
        if (reached[static_cast<std::size_t>(child)])
            return;
        reached[static_cast<std::size_t>(child)] = true;
        m.links[static_cast<std::size_t>(child)] = {
            parent, h, defaultAngle(hinge.kind, m.flat.faces[static_cast<std::size_t>(child)]), 0};
        queue.push_back(child);
    };
    for (int root : bySize) {
        if (reached[static_cast<std::size_t>(root)])
            continue;
        m.roots.push_back(root);
        reached[static_cast<std::size_t>(root)] = true;
        std::deque<int> queue{root};
        std::vector<int> piece;
        // Square folds first: where folds close a loop (a glued bottom), the slanted ones are
        // those that lay the box flat, and the tree must not turn the walls through them.
        while (!queue.empty()) {
            while (!queue.empty()) {
                const int f = queue.front();
                queue.pop_front();
                m.order.push_back(f);
                piece.push_back(f);
                for (int h : hingesOf[static_cast<std::size_t>(f)])
                    if (!isSlanted(m.flat.hinges[static_cast<std::size_t>(h)]))
                        attach(f, h, queue);
            }
            for (int f : piece)
                for (int h : hingesOf[static_cast<std::size_t>(f)])
                    if (isSlanted(m.flat.hinges[static_cast<std::size_t>(h)]))
                        attach(f, h, queue);
        }
    }
}

Vec3 flat(Point p, double z = 0) {
    return {p.x, p.y, z};
}

// The turn of a face about its hinge, oriented so that a positive angle lifts it towards +z.
RigidMotion hingeTurn(const Hinge& h, Point faceInside, double degrees) {
    Point dir = h.line.b - h.line.a;
    if (cross(dir, faceInside - h.line.a) < 0)
        dir = dir * -1.0;
    return RigidMotion::aboutAxis(flat(h.line.a), flat(dir), toRadians(degrees));
}

}  // namespace

const Hinge* FoldedBlank::hingeOf(int face) const {
    const FoldLink& l = links[static_cast<std::size_t>(face)];
    return l.hinge < 0 ? nullptr : &flat.hinges[static_cast<std::size_t>(l.hinge)];
}

std::vector<int> FoldedBlank::children(int face) const {
    std::vector<int> out;
    for (int i = 0; i < faceCount(); ++i)
        if (links[static_cast<std::size_t>(i)].parent == face)
            out.push_back(i);
    return out;
}

FoldedBlank foldBlank(const Drawing& d, double thickness, FixedFace fixed) {
    FoldedBlank m;
    m.flat = blankFaces(d);
    m.thickness = thickness;
    buildTrees(m, fixed);
    return m;
}

void refoldFrom(FoldedBlank& m, int face) {
    buildTrees(m, FixedFace::Largest, face);
}

int foldCount(const FoldedBlank& m, int face) {
    return static_cast<int>(
        std::count_if(m.flat.hinges.begin(), m.flat.hinges.end(),
                      [&](const Hinge& h) { return h.faceA == face || h.faceB == face; }));
}

std::vector<const Hinge*> hingesOf(const FoldedBlank& m, int face) {
    std::vector<const Hinge*> out;
    for (const Hinge& h : m.flat.hinges)
        if (h.faceA == face || h.faceB == face)
            out.push_back(&h);
    return out;
}

std::vector<int> foldsAway(const FoldedBlank& m, int from) {
    std::vector<int> away(static_cast<std::size_t>(m.faceCount()), -1);
    away[static_cast<std::size_t>(from)] = 0;
    std::vector<int> reached{from};
    for (std::size_t k = 0; k < reached.size(); ++k)
        for (const Hinge& h : m.flat.hinges) {
            const int f = reached[k];
            const int other = h.faceA == f ? h.faceB : h.faceB == f ? h.faceA : -1;
            if (other >= 0 && away[static_cast<std::size_t>(other)] < 0) {
                away[static_cast<std::size_t>(other)] = away[static_cast<std::size_t>(f)] + 1;
                reached.push_back(other);
            }
        }
    return away;
}

std::pair<int, int> nearAndFar(const std::vector<int>& away, int face, int parent) {
    return away[static_cast<std::size_t>(face)] < away[static_cast<std::size_t>(parent)]
               ? std::pair{face, parent}
               : std::pair{parent, face};
}

std::vector<std::vector<int>> facesOfPieces(const FoldedBlank& m) {
    std::vector<int> piece(static_cast<std::size_t>(m.faceCount()), 0);
    std::vector<std::vector<int>> out(m.roots.size());
    for (int f : m.order) {
        const int parent = m.links[static_cast<std::size_t>(f)].parent;
        piece[static_cast<std::size_t>(f)] =
            parent >= 0
                ? piece[static_cast<std::size_t>(parent)]
                : static_cast<int>(std::find(m.roots.begin(), m.roots.end(), f) - m.roots.begin());
        out[static_cast<std::size_t>(piece[static_cast<std::size_t>(f)])].push_back(f);
    }
    return out;
}

int baseOf(const FoldedBlank& m, const std::vector<int>& faces) {
    return *std::max_element(faces.begin(), faces.end(), [&](int a, int b) {
        const int fa = foldCount(m, a);
        const int fb = foldCount(m, b);
        return fa != fb ? fa < fb
                        : m.flat.faces[static_cast<std::size_t>(a)].area <
                              m.flat.faces[static_cast<std::size_t>(b)].area;
    });
}

RigidMotion placementFrom(const FoldedBlank& m, int f, const RigidMotion& parentPlacement,
                          double fraction) {
    const FoldLink& l = m.links[static_cast<std::size_t>(f)];
    if (l.parent < 0)
        return {};
    const Face& face = m.flat.faces[static_cast<std::size_t>(f)];
    const RigidMotion turn = hingeTurn(*m.hingeOf(f), face.inside, l.angleDeg * fraction);
    const RigidMotion laid = RigidMotion::shift({0, 0, l.layer * m.thickness * fraction});
    return parentPlacement * turn * laid;
}

std::vector<RigidMotion> placements(const FoldedBlank& m, double fraction) {
    std::vector<RigidMotion> placed(static_cast<std::size_t>(m.faceCount()));
    for (int f : m.order) {
        const int parent = m.links[static_cast<std::size_t>(f)].parent;
        if (parent >= 0)
            placed[static_cast<std::size_t>(f)] =
                placementFrom(m, f, placed[static_cast<std::size_t>(parent)], fraction);
    }
    return placed;
}

Vec3 faceNormal(const RigidMotion& placement) {
    return placement.rotate({0, 0, 1});
}

Bounds3 Mesh::bounds() const {
    Bounds3 b;
    for (const Vec3& v : vertices)
        b.add(v);
    return b;
}

Mesh foldedMesh(const FoldedBlank& m, const std::vector<RigidMotion>& placed) {
    Mesh mesh;
    const double half = m.thickness / 2;
    for (int f = 0; f < m.faceCount(); ++f) {
        const Face& face = m.flat.faces[static_cast<std::size_t>(f)];
        const RigidMotion& at = placed[static_cast<std::size_t>(f)];
        const std::vector<Point> points = face.allPoints();
        const int n = static_cast<int>(points.size());
        const int top = static_cast<int>(mesh.vertices.size());
        const int bottom = top + n;
        for (const Point& p : points)
            mesh.vertices.push_back(at.apply(flat(p, half)));
        for (const Point& p : points)
            mesh.vertices.push_back(at.apply(flat(p, -half)));
        auto add = [&](int a, int b, int c) {
            mesh.triangles.push_back({a, b, c});
            mesh.triangleFace.push_back(f);
        };
        if (m.thickness <= 0) {
            // No board to show: the face as a surface.
            mesh.vertices.resize(static_cast<std::size_t>(bottom));
            for (const auto& t : face.triangles)
                add(top + t[0], top + t[1], top + t[2]);
            continue;
        }
        for (const auto& t : face.triangles) {
            add(top + t[0], top + t[1], top + t[2]);
            add(bottom + t[0], bottom + t[2], bottom + t[1]);
        }
        // The edges: the board lies left of every ring edge, its right faces out.
        int start = 0;
        auto edges = [&](const Ring& r) {
            const int count = static_cast<int>(r.points.size());
            for (int i = 0; i < count; ++i) {
                const int a = start + i;
                const int b = start + (i + 1) % count;
                add(bottom + a, bottom + b, top + b);
                add(bottom + a, top + b, top + a);
            }
            start += count;
        };
        edges(face.outer);
        for (const Ring& h : face.holes)
            edges(h);
    }
    return mesh;
}

}  // namespace brontaxe::fold
