#include "builders/body_features.h"

#include "builders/hand_hole.h"

namespace brontaxe {

MachinePasses bodyPasses(const BodyGlueFlap& glue, const BodyPanels& b, float h) {
    using namespace machine_pass;
    MachinePasses p;
    p.set(width(kGlueTab), glue.width);
    p.set(width(1), b.p1);
    p.set(width(2), b.p2);
    p.set(width(3), b.p3);
    p.set(width(4), b.p4);
    p.addToBodyHeight(h);
    return p;
}

void bodyHandHoles(Drawing& d, const BlankSettings& s, const BodyGlueFlap& glue,
                   const BodyPanels& b, float h) {
    const WallHandHole& hole = s.handHole;
    if (hole.shape.type == HandHoleKind::None || s.pieces.fourPieces != FourPieces::None)
        return;
    // The holes go into the narrower panels (2 and 4, or 1 and 3), the body's height high;
    // each must stand inside its own panel, the last one cut short in some styles.
    const bool lengthFirst = b.p1 >= b.p2;
    const float firstPanel = lengthFirst ? b.p2 : b.p1;
    const float secondPanel = lengthFirst ? b.p4 : b.p3;
    checkHandHoleFits(hole, firstPanel, h);
    if (!s.pieces.twoPieces)
        checkHandHoleFits(hole, secondPanel, h);
    const float xa = glue.width;
    const float first = xa + (lengthFirst ? b.p1 : 0) + firstPanel / 2;
    const float second = xa + b.p1 + b.p2 + (lengthFirst ? b.p3 : 0) + secondPanel / 2;
    HandHole(d, hole.shape, {.x = first, .y = h - hole.drop});
    if (!s.pieces.twoPieces)
        HandHole(d, hole.shape, {.x = second, .y = h - hole.drop});
}

}  // namespace brontaxe
