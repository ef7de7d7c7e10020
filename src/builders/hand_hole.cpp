#include "builders/hand_hole.h"

#include <algorithm>
#include <cmath>

#include "builders/emit.h"
#include "drawing/pen_scope.h"
#include "platform/errors.h"
#include "platform/number_text.h"

namespace brontaxe {

HandHoleShape alwaysCutHandHoleShape(HandHoleShape chosen) {
    if (chosen.type == HandHoleKind::None)
        chosen.type = HandHoleKind::Cut;
    return chosen;
}

void checkHandHoleSize(const HandHoleShape& hole) {
    if (!(hole.height > 0))
        throw GenerationError("Poignée impossible : hauteur nulle");
    if (hole.length < hole.height)
        throw GenerationError("Poignée impossible : longueur inférieure à la hauteur");
}

namespace {

// "201,5 mm", as the designer reads numbers everywhere else.
std::string holeMm(float value) {
    return platform::readableNumber(value, "mm");
}

}  // namespace

void checkHandHoleFits(const WallHandHole& hole, float wallLength, float wallHeight) {
    const HandHoleShape& s = hole.shape;
    const float tab = s.type == HandHoleKind::FoldingTab ? s.tab : 0;
    if (s.length >= wallLength || hole.drop < tab || hole.drop + s.height >= wallHeight)
        throw GenerationError("Poignée hors de sa paroi : " + holeMm(s.length) + " x " +
                              holeMm(s.height) + " à " + holeMm(hole.drop) +
                              " du bord, dans une paroi de " + holeMm(wallLength) + " x " +
                              holeMm(wallHeight));
}

void HandHole(Drawing& d, const HandHoleShape& hole, const FeaturePlacement& at) {
    if (hole.type == HandHoleKind::None)
        return;
    checkHandHoleSize(hole);
    const float length = hole.length;
    const float height = hole.height;
    const float c = (length - height) / 2;
    const int first = beginFeature(d);

    PenScope pen(d, kind::Cut);
    if (hasHingedUpperEdge(hole.type)) {
        pen.setKind(kind::Crease);
        pen.setVariant(2);
    }
    line(d, c, 0, -c, 0);
    pen.setKind(kind::Cut);
    arc(d, {-c, -height / 2}, height / 2, 90, 180);
    line(d, -c, -height, c, -height);
    arc(d, {c, -height / 2}, height / 2, -90, 180);
    if (hole.type == HandHoleKind::FoldingTab) {
        const float e = hole.tab;
        chainStart(d, c, 0);
        lineTo(d, c, e);
        lineTo(d, c + e, e);
        chainStart(d, -c, 0);
        lineTo(d, -c, e);
        lineTo(d, -c - e, e);
        pen.setKind(kind::Crease);
        line(d, -c, e, c, e);
    }
    placeFeature(d, first, at);
}

}  // namespace brontaxe
