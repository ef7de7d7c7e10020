#pragma once
// A GEOS context of our own and the blank's linework handed to it: segments joined where
// their ends meet within a snapping tolerance. Shared by the outer contour and the faces of a
// folded blank.

#include <geos_c.h>

#include <memory>
#include <vector>

#include "drawing/geometry.h"

namespace brontaxe {

// One GEOS context per computation, so nothing is shared between callers.
class GeosContext {
  public:
    GeosContext() : handle_(GEOS_init_r()) {
        GEOSContext_setNoticeHandler_r(handle_, nullptr);
        GEOSContext_setErrorHandler_r(handle_, nullptr);
    }
    ~GeosContext() { GEOS_finish_r(handle_); }
    GeosContext(const GeosContext&) = delete;
    GeosContext& operator=(const GeosContext&) = delete;

    GEOSContextHandle_t get() const { return handle_; }

    struct Deleter {
        GEOSContextHandle_t handle;
        void operator()(GEOSGeometry* g) const {
            if (g)
                GEOSGeom_destroy_r(handle, g);
        }
    };
    using Geometry = std::unique_ptr<GEOSGeometry, Deleter>;
    Geometry own(GEOSGeometry* g) const { return Geometry(g, Deleter{handle_}); }

  private:
    GEOSContextHandle_t handle_;
};

// The segments as one multi-line string, ends closer than `snapTolerance` joined; null when
// no segment has a length.
GeosContext::Geometry makeLinework(const GeosContext& geos, const std::vector<Segment>& segments,
                                   double snapTolerance);

// The points of a ring or line string.
std::vector<Point> coordinates(const GeosContext& geos, const GEOSGeometry* ring);

}  // namespace brontaxe
