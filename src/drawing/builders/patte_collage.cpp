#include "drawing/builders/patte_collage.h"

#include <cmath>

#include "drawing/biblio.h"

namespace brontaxe {

void PatteCollage(Model& m, Drawing& d, float w, float h, float a, float angle, float extension,
                  float x, float y, float angle2, bool mirrored) {
    d.LineVariant = 1;
    d.LineKind = kind::Cut;
    const int first = beginFeature(m);
    if (a > 0)
        line(m, d, w, h, w - a, h);
    float top = h;
    if (extension > 0) {
        d.LineKind = kind::Crease;
        line(m, d, w - a, h, 0, h);
        d.LineKind = kind::Cut;
        line(m, d, w - a, h, w - a, h + extension);
        top = h + extension;
    }
    line(m, d, w - a, top, 0, top - (w - a) * std::tan(angle * m.DegRad));
    lineTo(m, d, 0, 0);
    placeFeature(m, d, first, x, y, angle2, mirrored);
}

}  // namespace brontaxe
