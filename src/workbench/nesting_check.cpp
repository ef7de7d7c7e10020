// The optimiser's own check: an arrangement is offered only when no two poses' contours come
// closer than the gap, measured by GEOS on the poses as they lie.

#include <algorithm>
#include <cmath>

#include "drawing/tolerances.h"
#include "workbench/nesting.h"

namespace brontaxe {
namespace {

std::vector<Ring> placed(const std::vector<Ring>& blank, const NestPose& pose) {
    std::vector<Ring> rings;
    for (const Ring& r : blank) {
        Ring out;
        for (const Point& p : r)
            out.push_back(rotate(p, pose.turn) + pose.at);
        rings.push_back(std::move(out));
    }
    return rings;
}

bool boxesNear(const Box& a, const Box& b, double gap) {
    return a.xmin < b.xmax + gap && b.xmin < a.xmax + gap && a.ymin < b.ymax + gap &&
           b.ymin < a.ymax + gap;
}

bool overlapping(const GeosContext& geos, const GEOSGeometry* a, const GEOSGeometry* b) {
    auto common = geos.own(GEOSIntersection_r(geos.get(), a, b));
    double area = 0;
    return !common || (GEOSArea_r(geos.get(), common.get(), &area) && area > kSizeNoise);
}

}  // namespace

bool posesKeepGaps(const std::vector<Ring>& blank, const Arrangement& a, double gapX, double gapY) {
    const double gap = std::max(std::min(gapX, gapY), 0.0);
    GeosContext geos;
    std::vector<GeosContext::Geometry> shapes;
    std::vector<Box> boxes;
    for (const NestPose& pose : a.poses) {
        const std::vector<Ring> rings = placed(blank, pose);
        boxes.push_back(ringsBox(rings));
        shapes.push_back(shapeOf(geos, rings));
        if (!shapes.back())
            return false;
    }
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const GEOSPreparedGeometry* prepared = GEOSPrepare_r(geos.get(), shapes[i].get());
        bool sound = prepared != nullptr;
        for (std::size_t k = i + 1; sound && k < shapes.size(); ++k) {
            if (!boxesNear(boxes[i], boxes[k], gap))
                continue;
            if (gap > kHair) {
                sound = !GEOSPreparedDistanceWithin_r(geos.get(), prepared, shapes[k].get(),
                                                      gap - kHair);
            } else if (GEOSPreparedIntersects_r(geos.get(), prepared, shapes[k].get()) == 1) {
                sound = !overlapping(geos, shapes[i].get(), shapes[k].get());
            }
        }
        GEOSPreparedGeom_destroy_r(geos.get(), prepared);
        if (!sound)
            return false;
    }
    return true;
}

}  // namespace brontaxe
