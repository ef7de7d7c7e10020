#include "builders/hand_hole.h"

#include <algorithm>
#include <cmath>

#include "builders/emit.h"
#include "platform/errors.h"
#include "platform/number_text.h"

namespace brontaxe {

void checkHandHoleSize(const Model& m) {
    if (!(m.HPoign > 0))
        throw GenerationError("Poignée impossible : hauteur nulle");
    if (m.LPoign < m.HPoign)
        throw GenerationError("Poignée impossible : longueur inférieure à la hauteur");
}

namespace {

// "201,5 mm", as the designer reads numbers everywhere else.
std::string mm(float value) {
    return platform::readableNumber(value, "mm");
}

}  // namespace

void checkHandHoleFits(const Model& m, float wallLength, float wallHeight) {
    const float tab = m.OptionPoign == 3 ? m.EPoign : 0;
    if (m.LPoign >= wallLength || m.DPoign < tab || m.DPoign + m.HPoign >= wallHeight)
        throw GenerationError("Poignée hors de sa paroi : " + mm(m.LPoign) + " x " + mm(m.HPoign) +
                              " à " + mm(m.DPoign) + " du bord, dans une paroi de " +
                              mm(wallLength) + " x " + mm(wallHeight));
}

void HandHole(Model& m, Drawing& d, float x, float h, float angle, bool mirrored) {
    const int type = m.OptionPoign;
    if (type < 1)
        return;
    checkHandHoleSize(m);
    const float length = m.LPoign;
    const float height = m.HPoign;
    const float c = (length - height) / 2;
    const int first = beginFeature(d);

    d.LineVariant = 1;
    d.LineKind = kind::Cut;
    if (type >= 2) {
        d.LineKind = kind::Crease;
        d.LineVariant = 2;
    }
    line(d, c, 0, -c, 0);
    d.LineKind = kind::Cut;
    arc(d, {-c, -height / 2}, height / 2, 90, 180);
    line(d, -c, -height, c, -height);
    arc(d, {c, -height / 2}, height / 2, -90, 180);
    if (type == 3) {
        const float e = m.EPoign;
        chainStart(d, c, 0);
        lineTo(d, c, e);
        lineTo(d, c + e, e);
        chainStart(d, -c, 0);
        lineTo(d, -c, e);
        lineTo(d, -c - e, e);
        d.LineKind = kind::Crease;
        line(d, -c, e, c, e);
    }
    d.LineVariant = 1;
    placeFeature(d, first, {.x = x, .y = h - m.DPoign, .angle = angle, .mirrored = mirrored});
}

}  // namespace brontaxe
