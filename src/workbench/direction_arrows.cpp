#include "workbench/direction_arrows.h"

namespace brontaxe {

std::vector<ArrowPlacement> directionArrows(const Box& blank, AlongAxis flute, AlongAxis pass,
                                            bool mirrored) {
    std::vector<ArrowPlacement> arrows;
    const double span = (blank.xmax - blank.xmin) + (blank.ymax - blank.ymin);
    // The pass arrow stands right of the flute arrow, when there is one.
    double offset = 0;
    if (flute != AlongAxis::None) {
        const double s = span / 30;
        ArrowPlacement arrow{kFluteArrowSymbol, {}, 0, s};
        if (flute == AlongAxis::X) {
            arrow.at = {blank.xmin + 3 * s, blank.ymax + s};
            offset = 2 * s;
        } else {
            arrow.at = {blank.xmin + 3.5 * s, blank.ymax + 1.5 * s};
            arrow.angleDeg = 90;
            offset = 3 * s;
        }
        arrows.push_back(arrow);
    }
    if (pass != AlongAxis::None) {
        const double s2 = span / 15;
        ArrowPlacement arrow{kPassArrowSymbol, {}, 0, s2};
        // The pass symbol is drawn along y: along x it is turned a quarter.
        if (pass == AlongAxis::X) {
            arrow.at = {offset + blank.xmin + s2, blank.ymax + s2};
            arrow.angleDeg = 90;
        } else {
            arrow.at = {offset + blank.xmin + 1.5 * s2, blank.ymax + s2};
        }
        arrows.push_back(arrow);
    }
    if (mirrored) {
        for (auto& a : arrows)
            a.at.x = -a.at.x;
    }
    return arrows;
}

}  // namespace brontaxe
