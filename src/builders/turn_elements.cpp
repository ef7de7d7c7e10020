#include "builders/turn_elements.h"

#include <cmath>
#include <cstddef>

#include "drawing/geometry.h"

namespace brontaxe {

void TurnElements(Drawing& d, const ElementTurn& t) {
    const int first = t.first, last = t.last;
    const float cx = t.cx, cy = t.cy, angle = t.angle;
    const double turn = angle * static_cast<double>(kRadiansPerDegree);
    const double c = std::cos(turn);
    const double s = std::sin(turn);
    for (int i = first; i <= last && i <= d.tracer().count(); ++i) {
        const ElementId id = d.tracer().id(i);
        // The element's own angle first (about its midpoint), then its midpoint about the
        // centre: together a rotation of the whole element about the centre.
        const double x = d.ElementX(id) - cx;
        const double y = d.ElementY(id) - cy;
        d.SetElementAngle(id, d.ElementAngle(id) + angle);
        d.SetElementX(id, cx + x * c - y * s);
        d.SetElementY(id, cy + x * s + y * c);
    }
}

}  // namespace brontaxe
