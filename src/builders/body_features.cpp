#include "builders/body_features.h"

#include <algorithm>

#include "builders/hand_hole.h"

namespace brontaxe {

void recordBodyPasses(Model& m, const BodyPanels& b, float h) {
    auto& p = m.PassesMachine;
    p[0] = m.lgPatte;
    p[1] = b.p1;
    p[2] = b.p2;
    p[3] = b.p3;
    p[4] = b.p4;
    p[16] += h;
}

void bodyHandHoles(Model& m, Drawing& d, const BodyPanels& b, float h) {
    if (m.OptionPoign < 1 || m.CaisseEn4 != 0)
        return;
    const float xa = m.lgPatte;
    // The holes go into the narrower panels, the body's height high.
    checkHandHoleFits(m, std::min(b.p1, b.p2), h);
    float first = 0;
    float second = 0;
    if (b.p1 >= b.p2) {
        first = xa + b.p1 + b.p2 / 2;
        second = xa + b.p1 + b.p2 + b.p3 + b.p4 / 2;
    } else {
        first = xa + b.p1 / 2;
        second = xa + b.p1 + b.p2 + b.p3 / 2;
    }
    HandHole(m, d, first, h, 0, false);
    if (!m.CaisseEn2)
        HandHole(m, d, second, h, 0, false);
}

}  // namespace brontaxe
