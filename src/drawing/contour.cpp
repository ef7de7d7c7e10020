#include "drawing/contour.h"

#include "drawing/geos_context.h"

#include <cmath>
#include <memory>
#include <unordered_map>

namespace brontaxe {
namespace {

// Joins points closer than the tolerance to one representative, found through a grid of
// cells the size of the tolerance.
class PointSnapper {
  public:
    explicit PointSnapper(double tolerance) : tolerance_(tolerance) {}

    Point snap(Point raw) {
        // Ends a turn or a mirror drew carry noise of 1e-13 mm: a crease meant to end on a cut
        // then stops a hair short of it and bounds nothing. On a grid of a millionth of a
        // millimetre they land on the line again.
        const Point p{onGrid(raw.x), onGrid(raw.y)};
        const long cx = cell(p.x);
        const long cy = cell(p.y);
        for (long dx = -1; dx <= 1; ++dx) {
            for (long dy = -1; dy <= 1; ++dy) {
                auto it = cells_.find(key(cx + dx, cy + dy));
                if (it == cells_.end())
                    continue;
                for (const Point& q : it->second) {
                    if (distance(p, q) <= tolerance_)
                        return q;
                }
            }
        }
        cells_[key(cx, cy)].push_back(p);
        return p;
    }

  private:
    static double onGrid(double v) { return std::round(v * 1e6) / 1e6; }
    long cell(double v) const { return static_cast<long>(std::floor(v / tolerance_)); }
    static long long key(long x, long y) {
        return (static_cast<long long>(x) << 32) ^ static_cast<long long>(static_cast<unsigned>(y));
    }

    double tolerance_;
    std::unordered_map<long long, std::vector<Point>> cells_;
};

double ringArea(const std::vector<Point>& ring) {
    double twice = 0;
    for (std::size_t i = 0; i + 1 < ring.size(); ++i)
        twice += cross(ring[i], ring[i + 1]);
    return std::fabs(twice) / 2;
}

GEOSGeometry* lineString(const GeosContext& geos, const std::vector<Point>& points) {
    GEOSCoordSequence* seq =
        GEOSCoordSeq_create_r(geos.get(), static_cast<unsigned int>(points.size()), 2);
    for (std::size_t i = 0; i < points.size(); ++i)
        GEOSCoordSeq_setXY_r(geos.get(), seq, static_cast<unsigned int>(i), points[i].x,
                             points[i].y);
    return GEOSGeom_createLineString_r(geos.get(), seq);
}

}  // namespace

// Segments that follow on end to start (the chords of an arc, the sides of a flap) go into one
// line string: GEOS nodes and polygonizes far fewer, longer strings faster than one per segment.
GeosContext::Geometry makeLinework(const GeosContext& geos, const std::vector<Segment>& segments,
                                   double snapTolerance) {
    PointSnapper snapper(snapTolerance);
    std::vector<GEOSGeometry*> lines;
    std::vector<Point> chain;
    auto flush = [&] {
        if (chain.size() >= 2)
            lines.push_back(lineString(geos, chain));
        chain.clear();
    };
    for (const Segment& s : segments) {
        const Point a = snapper.snap(s.a);
        const Point b = snapper.snap(s.b);
        if (a == b)
            continue;
        if (chain.empty() || !(chain.back() == a)) {
            flush();
            chain.push_back(a);
        }
        chain.push_back(b);
    }
    flush();
    if (lines.empty())
        return geos.own(nullptr);
    return geos.own(GEOSGeom_createCollection_r(geos.get(), GEOS_MULTILINESTRING, lines.data(),
                                                static_cast<unsigned int>(lines.size())));
}

std::vector<Point> coordinates(const GeosContext& geos, const GEOSGeometry* ring) {
    std::vector<Point> points;
    const GEOSCoordSequence* seq = GEOSGeom_getCoordSeq_r(geos.get(), ring);
    unsigned int size = 0;
    if (!seq || !GEOSCoordSeq_getSize_r(geos.get(), seq, &size))
        return points;
    for (unsigned int i = 0; i < size; ++i) {
        double x = 0, y = 0;
        GEOSCoordSeq_getXY_r(geos.get(), seq, i, &x, &y);
        points.push_back({x, y});
    }
    return points;
}

std::vector<Segment> flattenArc(const ArcShape& arc, double tolerance) {
    const double sweep = toRadians(arc.sweepDeg);
    constexpr int kMaxSteps = 4096;
    int steps = 1;
    if (arc.radius > tolerance) {
        // Counted in double first: a tolerance far below the radius gives a zero step and an
        // infinite count, which no int holds.
        const double maxStep = 2 * std::acos(1 - tolerance / arc.radius);
        const double wanted = std::ceil(sweep / maxStep);
        steps = wanted < kMaxSteps ? static_cast<int>(std::max(wanted, 1.0)) : kMaxSteps;
    }
    std::vector<Segment> segments;
    Point previous = arc.start();
    for (int i = 1; i <= steps; ++i) {
        const Point next = i == steps ? arc.end()
                                      : pointOnCircle(arc.centre, arc.radius,
                                                      arc.startDeg + arc.sweepDeg * i / steps);
        segments.push_back({previous, next});
        previous = next;
    }
    return segments;
}

OuterContourResult outerContour(const std::vector<Segment>& linework, double snapTolerance) {
    OuterContourResult result;
    GeosContext geos;
    auto lines = makeLinework(geos, linework, snapTolerance);
    if (!lines)
        return result;
    auto noded = geos.own(GEOSNode_r(geos.get(), lines.get()));
    if (!noded)
        return result;
    const GEOSGeometry* nodedPtr = noded.get();
    auto faces = geos.own(GEOSPolygonize_r(geos.get(), &nodedPtr, 1));
    if (!faces)
        return result;
    // The faces of noded linework tile the plane without overlapping, so the cheap coverage
    // union (shared edges dropped) does what a general overlay union does at a fraction of the
    // cost; the general union stays as the fallback should GEOS refuse the coverage.
    auto merged = geos.own(GEOSCoverageUnion_r(geos.get(), faces.get()));
    if (!merged)
        merged = geos.own(GEOSUnaryUnion_r(geos.get(), faces.get()));
    if (!merged)
        return result;
    const int count = GEOSGetNumGeometries_r(geos.get(), merged.get());
    for (int i = 0; i < count; ++i) {
        const GEOSGeometry* polygon = GEOSGetGeometryN_r(geos.get(), merged.get(), i);
        if (GEOSGeomTypeId_r(geos.get(), polygon) != GEOS_POLYGON)
            continue;
        std::vector<Point> ring = coordinates(geos, GEOSGetExteriorRing_r(geos.get(), polygon));
        if (ring.size() < 4)
            continue;
        result.area += ringArea(ring);
        result.rings.push_back(std::move(ring));
    }
    return result;
}

}  // namespace brontaxe
