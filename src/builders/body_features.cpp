#include "builders/body_features.h"

#include "builders/hand_hole.h"
#include "model/machine_pass_entries.h"
#include "model/model_choices.h"

namespace brontaxe {

void recordBodyPasses(Model& m, const BodyGlueFlap& glue, const BodyPanels& b, float h) {
    using namespace machine_pass;
    auto& p = m.PassesMachine;
    p[width(kGlueTab)] = glue.width;
    p[width(1)] = b.p1;
    p[width(2)] = b.p2;
    p[width(3)] = b.p3;
    p[width(4)] = b.p4;
    p[kBodyHeight] += h;
}

void bodyHandHoles(Model& m, Drawing& d, const BodyGlueFlap& glue, const BodyPanels& b, float h) {
    if (handHoleKind(m) == HandHoleKind::None || fourPieces(m) != FourPieces::None)
        return;
    // The holes go into the narrower panels (2 and 4, or 1 and 3), the body's height high;
    // each must stand inside its own panel, the last one cut short in some styles.
    const bool lengthFirst = b.p1 >= b.p2;
    const float firstPanel = lengthFirst ? b.p2 : b.p1;
    const float secondPanel = lengthFirst ? b.p4 : b.p3;
    checkHandHoleFits(m, firstPanel, h);
    if (!m.CaisseEn2)
        checkHandHoleFits(m, secondPanel, h);
    const float xa = glue.width;
    const float first = xa + (lengthFirst ? b.p1 : 0) + firstPanel / 2;
    const float second = xa + b.p1 + b.p2 + (lengthFirst ? b.p3 : 0) + secondPanel / 2;
    const HandHoleShape hole = handHoleShape(m);
    HandHole(d, hole, {.x = first, .y = h - m.DPoign});
    if (!m.CaisseEn2)
        HandHole(d, hole, {.x = second, .y = h - m.DPoign});
}

}  // namespace brontaxe
