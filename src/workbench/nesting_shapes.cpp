#include "workbench/nesting_shapes.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "drawing/geos_context.h"
#include "drawing/tolerances.h"

namespace brontaxe {
namespace {

constexpr double kNone = -std::numeric_limits<double>::infinity();

GEOSGeometry* polygonOf(const GeosContext& geos, const Ring& ring) {
    GEOSCoordSequence* seq =
        GEOSCoordSeq_create_r(geos.get(), static_cast<unsigned int>(ring.size()), 2);
    for (std::size_t i = 0; i < ring.size(); ++i)
        GEOSCoordSeq_setXY_r(geos.get(), seq, static_cast<unsigned int>(i), ring[i].x, ring[i].y);
    GEOSGeometry* shell = GEOSGeom_createLinearRing_r(geos.get(), seq);
    return shell ? GEOSGeom_createPolygon_r(geos.get(), shell, nullptr, 0) : nullptr;
}

// The rings grown by `by`: mitred corners, bevelled only beyond twice the distance, so that
// no point of the growth is nearer the rings than `by`.
std::vector<Ring> grown(const std::vector<Ring>& rings, double by) {
    GeosContext geos;
    auto all = shapeOf(geos, rings);
    if (!all)
        return rings;
    auto g = geos.own(GEOSBufferWithStyle_r(geos.get(), all.get(), by, 8, GEOSBUF_CAP_FLAT,
                                            GEOSBUF_JOIN_MITRE, 2.0));
    if (!g)
        return rings;
    std::vector<Ring> out;
    const int count = GEOSGetNumGeometries_r(geos.get(), g.get());
    for (int i = 0; i < count; ++i) {
        const GEOSGeometry* poly = GEOSGetGeometryN_r(geos.get(), g.get(), i);
        if (GEOSGeomTypeId_r(geos.get(), poly) == GEOS_POLYGON)
            out.push_back(coordinates(geos, GEOSGetExteriorRing_r(geos.get(), poly)));
    }
    return out.empty() ? rings : out;
}

// Edges with x as the running coordinate (y for the left and right sides).
std::vector<Segment> edgesAlong(const std::vector<Ring>& rings, bool alongX) {
    std::vector<Segment> edges;
    for (const Ring& r : rings)
        for (std::size_t i = 0; i + 1 < r.size(); ++i) {
            Segment s{r[i], r[i + 1]};
            if (!alongX)
                s = {{s.a.y, s.a.x}, {s.b.y, s.b.x}};
            if (s.a.x > s.b.x)
                std::swap(s.a, s.b);
            edges.push_back(s);
        }
    return edges;
}

double yAt(const Segment& s, double x) {
    const double span = s.b.x - s.a.x;
    return span < kRoundingNoise ? std::max(s.a.y, s.b.y)
                                 : s.a.y + (s.b.y - s.a.y) * (x - s.a.x) / span;
}

Envelope envelopeOf(const std::vector<Segment>& edges, bool upper) {
    Envelope e;
    e.upper = upper;
    for (const Segment& s : edges) {
        e.at.push_back(s.a.x);
        e.at.push_back(s.b.x);
    }
    std::sort(e.at.begin(), e.at.end());
    e.at.erase(std::unique(e.at.begin(), e.at.end(),
                           [](double a, double b) { return b - a < kRoundingNoise; }),
               e.at.end());
    auto better = [upper](double a, double b) { return upper ? a > b : a < b; };
    const double worst = upper ? kNone : -kNone;
    e.atPoint.assign(e.at.size(), worst);
    e.from.assign(e.at.size(), worst);
    e.to.assign(e.at.size(), worst);
    for (const Segment& s : edges) {
        const auto first = std::lower_bound(e.at.begin(), e.at.end(), s.a.x - kRoundingNoise);
        for (auto it = first; it != e.at.end() && *it <= s.b.x + kRoundingNoise; ++it) {
            const auto k = static_cast<std::size_t>(it - e.at.begin());
            const bool vertical = s.b.x - s.a.x < kRoundingNoise;
            const double y =
                vertical ? (upper ? std::max(s.a.y, s.b.y) : std::min(s.a.y, s.b.y)) : yAt(s, *it);
            if (better(y, e.atPoint[k]))
                e.atPoint[k] = y;
            // The slab right of this breakpoint, when the edge spans it: the edges of a
            // contour do not cross, so the one best at the slab's middle is best all along.
            if (vertical || k + 1 >= e.at.size() || e.at[k + 1] > s.b.x + kRoundingNoise)
                continue;
            const double mid = (e.at[k] + e.at[k + 1]) / 2;
            const double current = e.from[k] == worst ? worst : (e.from[k] + e.to[k]) / 2;
            if (better(yAt(s, mid), current)) {
                e.from[k] = yAt(s, e.at[k]);
                e.to[k] = yAt(s, e.at[k + 1]);
            }
        }
    }
    return e;
}

// The envelope's value at x (its extreme at a breakpoint); none outside it.
bool valueAt(const Envelope& e, double x, double& value) {
    if (e.at.empty() || x < e.at.front() - kRoundingNoise || x > e.at.back() + kRoundingNoise)
        return false;
    auto it = std::lower_bound(e.at.begin(), e.at.end(), x - kRoundingNoise);
    auto k = static_cast<std::size_t>(it - e.at.begin());
    if (k < e.at.size() && std::fabs(e.at[k] - x) <= kRoundingNoise) {
        value = e.atPoint[k];
        return std::isfinite(value);
    }
    --k;  // x lies inside slab k
    const double t = (x - e.at[k]) / (e.at[k + 1] - e.at[k]);
    value = e.from[k] + (e.to[k] - e.from[k]) * t;
    return std::isfinite(value);
}

// The least lift of `high` (moved by `shift`) over `low` so that high's lower side stays on
// or above low's upper side wherever both are: both are straight between their breakpoints,
// so the closest approach lies on one.
double clearance(const Envelope& low, const Envelope& high, double shift) {
    double lift = kNone;
    double a = 0, b = 0;
    for (double x : low.at)
        if (valueAt(high, x - shift, b) && valueAt(low, x, a))
            lift = std::max(lift, a - b);
    for (double x : high.at)
        if (valueAt(low, x + shift, a) && valueAt(high, x, b))
            lift = std::max(lift, a - b);
    return lift;
}

}  // namespace

GeosContext::Geometry shapeOf(const GeosContext& geos, const std::vector<Ring>& rings) {
    std::vector<GEOSGeometry*> parts;
    for (const Ring& r : rings)
        if (GEOSGeometry* p = polygonOf(geos, r))
            parts.push_back(p);
    if (parts.empty())
        return geos.own(nullptr);
    return geos.own(GEOSGeom_createCollection_r(geos.get(), GEOS_MULTIPOLYGON, parts.data(),
                                                static_cast<unsigned int>(parts.size())));
}

Box ringsBox(const std::vector<Ring>& rings) {
    Box box;
    for (const Ring& r : rings)
        for (const Point& p : r)
            box.add(p);
    return box;
}

std::vector<Ring> withStrayRules(const std::vector<Ring>& outline,
                                 const std::vector<Segment>& rules) {
    GeosContext geos;
    auto shape = shapeOf(geos, outline);
    if (!shape)
        return outline;
    // A rule on the outline, or inside it, is no stray: measured a hair outside the outline.
    auto near = geos.own(GEOSBuffer_r(geos.get(), shape.get(), kStrayWidth, 2));
    if (!near)
        return outline;
    const GEOSPreparedGeometry* inside = GEOSPrepare_r(geos.get(), near.get());
    std::vector<GEOSGeometry*> parts;
    for (const Segment& s : rules) {
        GEOSCoordSequence* seq = GEOSCoordSeq_create_r(geos.get(), 2, 2);
        GEOSCoordSeq_setXY_r(geos.get(), seq, 0, s.a.x, s.a.y);
        GEOSCoordSeq_setXY_r(geos.get(), seq, 1, s.b.x, s.b.y);
        auto line = geos.own(GEOSGeom_createLineString_r(geos.get(), seq));
        if (!line || (inside && GEOSPreparedCovers_r(geos.get(), inside, line.get()) == 1))
            continue;
        if (GEOSGeometry* strip = GEOSBuffer_r(geos.get(), line.get(), kStrayWidth, 2))
            parts.push_back(strip);
    }
    if (inside)
        GEOSPreparedGeom_destroy_r(geos.get(), inside);
    if (parts.empty())
        return outline;
    parts.push_back(GEOSGeom_clone_r(geos.get(), shape.get()));
    auto all =
        geos.own(GEOSGeom_createCollection_r(geos.get(), GEOS_GEOMETRYCOLLECTION, parts.data(),
                                             static_cast<unsigned int>(parts.size())));
    auto merged = geos.own(all ? GEOSUnaryUnion_r(geos.get(), all.get()) : nullptr);
    if (!merged)
        return outline;
    std::vector<Ring> out;
    const int count = GEOSGetNumGeometries_r(geos.get(), merged.get());
    for (int i = 0; i < count; ++i) {
        const GEOSGeometry* poly = GEOSGetGeometryN_r(geos.get(), merged.get(), i);
        if (GEOSGeomTypeId_r(geos.get(), poly) == GEOS_POLYGON)
            out.push_back(coordinates(geos, GEOSGetExteriorRing_r(geos.get(), poly)));
    }
    return out.empty() ? outline : out;
}

TurnedBlank turnedBlank(const std::vector<Ring>& blank, int turn, double gapX, double gapY) {
    TurnedBlank t;
    for (const Ring& r : blank) {
        Ring turned;
        for (const Point& p : r)
            turned.push_back(rotate(p, turn));
        t.rings.push_back(std::move(turned));
    }
    const Box box = ringsBox(t.rings);
    t.offset = {-box.xmin, -box.ymin};
    for (Ring& r : t.rings)
        for (Point& p : r)
            p = p + t.offset;
    t.width = box.width();
    t.height = box.height();
    t.bottom = envelopeOf(edgesAlong(t.rings, true), false);
    t.left = envelopeOf(edgesAlong(t.rings, false), false);
    t.top = envelopeOf(edgesAlong(grown(t.rings, gapY + kArcAllowance), true), true);
    t.right = envelopeOf(edgesAlong(grown(t.rings, gapX + kArcAllowance), false), true);
    return t;
}

double riseOver(const TurnedBlank& lower, const TurnedBlank& upper, double shift) {
    return clearance(lower.top, upper.bottom, shift);
}

double pushPast(const TurnedBlank& left, const TurnedBlank& right) {
    return clearance(left.right, right.left, 0);
}

}  // namespace brontaxe
