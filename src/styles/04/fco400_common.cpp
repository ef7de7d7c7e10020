#include "styles/04/fco400_common.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "builders/emit.h"
#include "drawing/pen_scope.h"
#include "styles/02/fco200_common.h"

namespace brontaxe {

void mirrorRegistered(Drawing& d, int first, float x, float y, float angle) {
    const int last = d.tracer().count();
    for (int i = first; i <= last; ++i) {
        ensureRegistryRoom(d);
        registerElement(
            d, d.AddTransformedCopy(d.tracer().id(i), Transform::mirrorAcross({x, y}, angle)));
    }
}

void cutAlongY(Drawing& d, float y, float x0, float x1, float x2) {
    std::array<float, 3> xs{x0, x1, x2};
    std::sort(xs.begin(), xs.end());
    const PenScope pen(d, kind::Cut);
    for (std::size_t i = 0; i + 1 < xs.size(); ++i)
        if (!areNear(xs[i], xs[i + 1]))
            line(d, xs[i], y, xs[i + 1], y);
}

void applyThicknessRule(Model& m, std::int16_t styleCode, std::initializer_list<float> multiples) {
    if (m.allowanceRecordCode == styleCode)
        return;
    std::size_t i = 1;
    for (float k : multiples)
        m.Majo[i++] = k * m.EpaisseurCarton;
}

float flapOrWall(const Model& m, float wall) {
    return m.hrabat_auto ? wall : m.hrabat;
}

float roundedHalf(float x) {
    return roundedFlap(x / 2);
}

}  // namespace brontaxe
