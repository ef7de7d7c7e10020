#include "fold/blank_faces.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <utility>

#include "drawing/contour.h"
#include "drawing/geos_context.h"
#include "drawing/tolerances.h"

namespace brontaxe::fold {
namespace {

// Ends closer than this are one point, as for the outer contour.
constexpr double kSnap = kJoinTolerance;
// A face's edge lies on a line of the drawing when its middle is this close to it.
constexpr double kOnLine = kOnDrawnLine;

struct SourceSegment {
    Segment s;
    LineKind kind = LineKind::Cut;
};

bool takesPart(LineKind lineKind) {
    return lineKind == kind::Cut || isFoldKind(lineKind);
}

double distanceToSegment(Point p, const Segment& s) {
    const Point d = s.b - s.a;
    const double len2 = dot(d, d);
    const double t = len2 <= 0 ? 0.0 : std::clamp(dot(p - s.a, d) / len2, 0.0, 1.0);
    return distance(p, s.a + d * t);
}

// A line ending on another (a crease from a slanted edge) meets it at a point that rounding
// leaves a hair off it: the line it ends on is split there, so that both share the point.
std::vector<SourceSegment> splitAtEndsOnThem(const std::vector<SourceSegment>& lines) {
    std::vector<SourceSegment> out;
    for (const SourceSegment& l : lines) {
        std::vector<Point> cuts;
        for (const SourceSegment& other : lines)
            for (const Point p : {other.s.a, other.s.b})
                if (distance(p, l.s.a) > kSnap && distance(p, l.s.b) > kSnap &&
                    distanceToSegment(p, l.s) <= kSnap)
                    cuts.push_back(p);
        const Point d = l.s.b - l.s.a;
        std::sort(cuts.begin(), cuts.end(),
                  [&](Point p, Point q) { return dot(p - l.s.a, d) < dot(q - l.s.a, d); });
        Point from = l.s.a;
        for (const Point p : cuts)
            if (distance(p, from) > kSnap) {
                out.push_back({{from, p}, l.kind});
                from = p;
            }
        out.push_back({{from, l.s.b}, l.kind});
    }
    return out;
}

std::vector<SourceSegment> blankLinework(const Drawing& d) {
    std::vector<SourceSegment> out;
    const auto count = static_cast<std::size_t>(d.blankElementCount());
    const auto& elements = d.elements();
    for (std::size_t i = 0; i < count && i < elements.size(); ++i) {
        const Element& e = elements[i];
        if (!takesPart(e.lineKind))
            continue;
        if (const auto* l = std::get_if<LineShape>(&e.shape)) {
            if (distance(l->a, l->b) > kSnap)
                out.push_back({{l->a, l->b}, e.lineKind});
        } else if (const auto* a = std::get_if<ArcShape>(&e.shape)) {
            ArcShape arc = *a;
            if (arc.sweepDeg < 0) {
                arc.startDeg += arc.sweepDeg;
                arc.sweepDeg = -arc.sweepDeg;
            }
            if (arc.radius * toRadians(arc.sweepDeg) <= kSnap)
                continue;
            for (const Segment& s : flattenArc(arc, kContourArcTolerance))
                out.push_back({s, e.lineKind});
        }
    }
    return out;
}

// The kind of the line an edge lies on; a cut wins over a fold laid on it, since the board
// parts there.
std::optional<LineKind> edgeKind(const Segment& edge, const std::vector<SourceSegment>& lines) {
    const Point mid = (edge.a + edge.b) * 0.5;
    std::optional<LineKind> found;
    for (const SourceSegment& l : lines) {
        if (std::min(l.s.a.x, l.s.b.x) > mid.x + kOnLine ||
            std::max(l.s.a.x, l.s.b.x) < mid.x - kOnLine ||
            std::min(l.s.a.y, l.s.b.y) > mid.y + kOnLine ||
            std::max(l.s.a.y, l.s.b.y) < mid.y - kOnLine)
            continue;
        if (distanceToSegment(mid, l.s) > kOnLine)
            continue;
        if (l.kind == kind::Cut)
            return kind::Cut;
        found = l.kind;
    }
    return found;
}

double signedArea(const std::vector<Point>& ring) {
    double twice = 0;
    for (std::size_t i = 0; i < ring.size(); ++i)
        twice += cross(ring[i], ring[(i + 1) % ring.size()]);
    return twice / 2;
}

// A ring with the board on its left: outer rings counter-clockwise, holes clockwise, so that
// the right of every edge faces out of the board.
Ring makeRing(std::vector<Point> points, const std::vector<SourceSegment>& lines, bool outer) {
    if (points.size() > 1 && points.front() == points.back())
        points.pop_back();
    Ring ring;
    for (const Point& p : points)
        if (ring.points.empty() || !(ring.points.back() == p))
            ring.points.push_back(p);
    if ((signedArea(ring.points) > 0) != outer)
        std::reverse(ring.points.begin(), ring.points.end());
    const std::size_t n = ring.points.size();
    for (std::size_t i = 0; i < n; ++i)
        ring.edgeKinds.push_back(edgeKind({ring.points[i], ring.points[(i + 1) % n]}, lines));
    return ring;
}

bool insideRing(Point p, const std::vector<Point>& ring) {
    bool in = false;
    const std::size_t n = ring.size();
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const Point a = ring[i];
        const Point b = ring[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            in = !in;
    }
    return in;
}

bool hasFoldEdge(const Face& f) {
    auto folds = [](const Ring& r) {
        return std::any_of(r.edgeKinds.begin(), r.edgeKinds.end(), isFoldEdge);
    };
    return folds(f.outer) || std::any_of(f.holes.begin(), f.holes.end(), folds);
}

// The ring's points, the first repeated, as a GEOS ring; null when GEOS refuses it.
GEOSGeometry* geosRing(const GeosContext& geos, const std::vector<Point>& points) {
    const auto n = static_cast<unsigned int>(points.size());
    GEOSCoordSequence* seq = GEOSCoordSeq_create_r(geos.get(), n + 1, 2);
    for (unsigned int i = 0; i <= n; ++i)
        GEOSCoordSeq_setXY_r(geos.get(), seq, i, points[i % n].x, points[i % n].y);
    return GEOSGeom_createLinearRing_r(geos.get(), seq);
}

std::vector<Point> turned(const std::vector<Point>& points, double radians) {
    std::vector<Point> out;
    for (Point p : points)
        out.push_back({p.x * std::cos(radians) - p.y * std::sin(radians),
                       p.x * std::sin(radians) + p.y * std::cos(radians)});
    return out;
}

// The face's rings with every point turned by `radians` about the origin, as a GEOS polygon.
GeosContext::Geometry turnedPolygon(const GeosContext& geos, const Face& face, double radians) {
    std::vector<GEOSGeometry*> holes;
    for (const Ring& h : face.holes)
        holes.push_back(geosRing(geos, turned(h.points, radians)));
    return geos.own(
        GEOSGeom_createPolygon_r(geos.get(), geosRing(geos, turned(face.outer.points, radians)),
                                 holes.data(), static_cast<unsigned int>(holes.size())));
}

// The polygon's triangles over `points` (the face's points as the polygon has them), or nothing
// when GEOS cannot triangulate it.
std::optional<std::vector<std::array<int, 3>>> constrainedTriangles(
    const GeosContext& geos, const GEOSGeometry* polygon, const std::vector<Point>& points) {
    std::map<std::pair<double, double>, int> index;
    for (std::size_t i = 0; i < points.size(); ++i)
        index.emplace(std::pair{points[i].x, points[i].y}, static_cast<int>(i));
    auto indexOf = [&](Point p) {
        if (auto it = index.find({p.x, p.y}); it != index.end())
            return it->second;
        // GEOS gave back a point of its own: the nearest of ours stands for it.
        int best = 0;
        for (std::size_t i = 1; i < points.size(); ++i)
            if (distance(points[i], p) < distance(points[static_cast<std::size_t>(best)], p))
                best = static_cast<int>(i);
        return best;
    };
    auto triangles = geos.own(GEOSConstrainedDelaunayTriangulation_r(geos.get(), polygon));
    if (!triangles)
        return std::nullopt;
    std::vector<std::array<int, 3>> out;
    const int count = GEOSGetNumGeometries_r(geos.get(), triangles.get());
    for (int i = 0; i < count; ++i) {
        const GEOSGeometry* t = GEOSGetGeometryN_r(geos.get(), triangles.get(), i);
        const std::vector<Point> c = coordinates(geos, GEOSGetExteriorRing_r(geos.get(), t));
        if (c.size() < 3)
            continue;
        std::array<int, 3> tri{indexOf(c[0]), indexOf(c[1]), indexOf(c[2])};
        const auto at = [&](int k) { return points[static_cast<std::size_t>(k)]; };
        const double turn = cross(at(tri[1]) - at(tri[0]), at(tri[2]) - at(tri[0]));
        if (std::fabs(turn) < kRoundingNoise)
            continue;
        if (turn < 0)
            std::swap(tri[1], tri[2]);
        out.push_back(tri);
    }
    return out;
}

void triangulate(const GeosContext& geos, const GEOSGeometry* polygon, Face& face) {
    const std::vector<Point> points = face.allPoints();
    auto triangles = constrainedTriangles(geos, polygon, points);
    if (!triangles && !face.holes.empty())
        if (auto t = turnedPolygon(geos, face, kUntieTurn))
            triangles = constrainedTriangles(geos, t.get(), turned(points, kUntieTurn));
    if (triangles)
        face.triangles = std::move(*triangles);
}

std::vector<Face> facesOf(const GeosContext& geos, const GEOSGeometry* polygons,
                          const std::vector<SourceSegment>& lines) {
    std::vector<Face> faces;
    const int count = GEOSGetNumGeometries_r(geos.get(), polygons);
    for (int i = 0; i < count; ++i) {
        const GEOSGeometry* polygon = GEOSGetGeometryN_r(geos.get(), polygons, i);
        if (GEOSGeomTypeId_r(geos.get(), polygon) != GEOS_POLYGON)
            continue;
        Face face;
        face.outer =
            makeRing(coordinates(geos, GEOSGetExteriorRing_r(geos.get(), polygon)), lines, true);
        if (face.outer.points.size() < 3)
            continue;
        const int holes = GEOSGetNumInteriorRings_r(geos.get(), polygon);
        for (int h = 0; h < holes; ++h) {
            Ring ring = makeRing(coordinates(geos, GEOSGetInteriorRingN_r(geos.get(), polygon, h)),
                                 lines, false);
            if (ring.points.size() >= 3)
                face.holes.push_back(std::move(ring));
        }
        GEOSArea_r(geos.get(), polygon, &face.area);
        if (auto p = geos.own(GEOSPointOnSurface_r(geos.get(), polygon))) {
            GEOSGeomGetX_r(geos.get(), p.get(), &face.inside.x);
            GEOSGeomGetY_r(geos.get(), p.get(), &face.inside.y);
        }
        triangulate(geos, polygon, face);
        faces.push_back(std::move(face));
    }
    return faces;
}

using EdgeKey = std::array<double, 4>;

// An edge keyed by its two ends in a fixed order: the faces on its two sides share the key,
// since the noded points are the same numbers.
EdgeKey edgeKey(Point a, Point b) {
    if (std::pair{b.x, b.y} < std::pair{a.x, a.y})
        std::swap(a, b);
    return {a.x, a.y, b.x, b.y};
}

// How many faces each edge bounds.
std::map<EdgeKey, int> edgeUses(const std::vector<Face>& faces) {
    std::map<EdgeKey, int> uses;
    auto addRing = [&](const Ring& r) {
        for (std::size_t i = 0; i < r.points.size(); ++i)
            ++uses[edgeKey(r.points[i], r.points[(i + 1) % r.points.size()])];
    };
    for (const Face& f : faces) {
        addRing(f.outer);
        for (const Ring& h : f.holes)
            addRing(h);
    }
    return uses;
}

// Board all round the face: each of its edges bounds another face too (a slot closed at both
// ends between a wall, its flap and what they hinge to).
bool enclosed(const Face& face, const std::map<EdgeKey, int>& uses) {
    const Ring& r = face.outer;
    for (std::size_t i = 0; i < r.points.size(); ++i)
        if (uses.at(edgeKey(r.points[i], r.points[(i + 1) % r.points.size()])) < 2)
            return false;
    return true;
}

// Faces inside a hole of another face, or enclosed by several: board taken out when cuts
// alone bound them, else a flap hinged in the hole (a hand-hole's).
void dropCutOuts(std::vector<Face>& faces) {
    std::vector<bool> cutOut(faces.size(), false);
    const std::map<EdgeKey, int> uses = edgeUses(faces);
    for (std::size_t i = 0; i < faces.size(); ++i) {
        for (std::size_t j = 0; j < faces.size() && !faces[i].inHole; ++j)
            for (const Ring& hole : faces[j].holes)
                if (j != i && insideRing(faces[i].inside, hole.points)) {
                    faces[i].inHole = true;
                    break;
                }
        cutOut[i] = (faces[i].inHole || enclosed(faces[i], uses)) && !hasFoldEdge(faces[i]);
    }
    std::vector<Face> kept;
    for (std::size_t i = 0; i < faces.size(); ++i)
        if (!cutOut[i])
            kept.push_back(std::move(faces[i]));
    faces = std::move(kept);
}

struct EdgeRef {
    int face;
    Segment s;
    LineKind kind;
};

// The fold-line edges of every face, keyed by their two ends in a fixed order: faces on both
// sides of one fold line share the key, since the noded points are the same numbers.
std::vector<Hinge> findHinges(const std::vector<Face>& faces) {
    using Key = std::array<double, 4>;
    std::map<Key, std::vector<EdgeRef>> edges;
    auto addRing = [&](int face, const Ring& r) {
        const std::size_t n = r.points.size();
        for (std::size_t i = 0; i < n; ++i) {
            if (!isFoldEdge(r.edgeKinds[i]))
                continue;
            Point a = r.points[i];
            Point b = r.points[(i + 1) % n];
            if (std::pair{b.x, b.y} < std::pair{a.x, a.y})
                std::swap(a, b);
            edges[Key{a.x, a.y, b.x, b.y}].push_back({face, {a, b}, *r.edgeKinds[i]});
        }
    };
    for (std::size_t f = 0; f < faces.size(); ++f) {
        addRing(static_cast<int>(f), faces[f].outer);
        for (const Ring& h : faces[f].holes)
            addRing(static_cast<int>(f), h);
    }
    std::map<std::pair<int, int>, std::vector<EdgeRef>> byPair;
    for (const auto& [key, refs] : edges) {
        if (refs.size() != 2 || refs[0].face == refs[1].face)
            continue;
        const auto pair = std::minmax(refs[0].face, refs[1].face);
        byPair[{pair.first, pair.second}].push_back(refs[0]);
    }
    std::vector<Hinge> hinges;
    for (const auto& [pair, refs] : byPair) {
        // The longest stretch sets the line; stretches along it widen it, others (a second
        // fold between the same two faces at an angle) cannot turn and are left out.
        const EdgeRef* longest = &refs.front();
        for (const EdgeRef& r : refs)
            if (distance(r.s.a, r.s.b) > distance(longest->s.a, longest->s.b))
                longest = &r;
        const Point dir =
            (longest->s.b - longest->s.a) * (1.0 / distance(longest->s.a, longest->s.b));
        double lo = 0;
        double hi = distance(longest->s.a, longest->s.b);
        for (const EdgeRef& r : refs)
            for (const Point p : {r.s.a, r.s.b}) {
                const Point v = p - longest->s.a;
                if (std::fabs(cross(dir, v)) > kOnLine)
                    continue;
                lo = std::min(lo, dot(dir, v));
                hi = std::max(hi, dot(dir, v));
            }
        hinges.push_back({pair.first,
                          pair.second,
                          {longest->s.a + dir * lo, longest->s.a + dir * hi},
                          longest->kind});
    }
    return hinges;
}

}  // namespace

std::vector<Point> Face::allPoints() const {
    std::vector<Point> out = outer.points;
    for (const Ring& h : holes)
        out.insert(out.end(), h.points.begin(), h.points.end());
    return out;
}

bool isSlanted(const Hinge& h) {
    const Point d = h.line.b - h.line.a;
    const double tolerance = kParallelRatio * length(d);
    return std::fabs(d.x) > tolerance && std::fabs(d.y) > tolerance;
}

bool isFoldKind(LineKind lineKind) {
    return lineKind == kind::Crease || lineKind == kind::PerforatedCrease ||
           lineKind == kind::HalfCut || lineKind == kind::Perforation;
}

bool isFoldEdge(std::optional<LineKind> edgeKind) {
    return edgeKind && isFoldKind(*edgeKind);
}

BlankFaces blankFaces(const Drawing& d) {
    BlankFaces out;
    const std::vector<SourceSegment> lines = splitAtEndsOnThem(blankLinework(d));
    std::vector<Segment> segments;
    segments.reserve(lines.size());
    for (const SourceSegment& l : lines)
        segments.push_back(l.s);
    GeosContext geos;
    auto linework = makeLinework(geos, segments, kSnap);
    if (!linework)
        return out;
    auto noded = geos.own(GEOSNode_r(geos.get(), linework.get()));
    if (!noded)
        return out;
    const GEOSGeometry* nodedPtr = noded.get();
    auto polygons = geos.own(GEOSPolygonize_r(geos.get(), &nodedPtr, 1));
    if (!polygons)
        return out;
    out.faces = facesOf(geos, polygons.get(), lines);
    dropCutOuts(out.faces);
    out.hinges = findHinges(out.faces);
    return out;
}

}  // namespace brontaxe::fold
