#include "workbench/direction_arrows.h"

namespace brontaxe {

std::vector<ArrowPlacement> directionArrows(const Box& blank, std::int16_t senscann,
                                            std::int16_t senspass, bool mirrored) {
    std::vector<ArrowPlacement> arrows;
    const double span = (blank.xmax - blank.xmin) + (blank.ymax - blank.ymin);
    // The pass arrow stands right of the flute arrow, when there is one.
    double offset = 0;
    if (senscann != 0) {
        const double s = span / 30;
        ArrowPlacement flute{kFluteArrowSymbol, {}, 0, s};
        if (senscann == 1) {
            flute.at = {blank.xmin + 3 * s, blank.ymax + s};
            offset = 2 * s;
        } else {
            flute.at = {blank.xmin + 3.5 * s, blank.ymax + 1.5 * s};
            flute.angleDeg = 90;
            offset = 3 * s;
        }
        arrows.push_back(flute);
    }
    if (senspass != 0) {
        const double s2 = span / 15;
        ArrowPlacement pass{kPassArrowSymbol, {}, 0, s2};
        if (senspass == 1) {
            pass.at = {offset + blank.xmin + s2, blank.ymax + s2};
            pass.angleDeg = 90;
        } else {
            pass.at = {offset + blank.xmin + 1.5 * s2, blank.ymax + s2};
        }
        arrows.push_back(pass);
    }
    if (mirrored) {
        for (auto& a : arrows)
            a.at.x = -a.at.x;
    }
    return arrows;
}

}  // namespace brontaxe
