// Telescope boxes made of slotted bodies: a half slotted case (flaps at one end, the other
// open) as body or lid, the lid beside the body.

#include <algorithm>

#include "builders/emit.h"
#include "builders/hand_hole.h"
#include "drawing/pen_scope.h"
#include "styles/02/fco200_lid_common.h"
#include "styles/03/fco300.h"
#include "styles/03/fco300_common.h"
#include "styles/03/fco300_slotted.h"
#include "styles/blank_settings.h"

namespace brontaxe {
namespace {

// Body (bottom piece) at x = 0 and the lid beside it, each under its flag.
template <typename DrawBody>
void drawBodyAndLid(Model& m, Drawing& d, const SlottedPiece& body, const SlottedPiece& lid,
                    DrawBody drawBody) {
    PenScope pen(d);
    if (pieceShown(m, kBottomPiece)) {
        pen.setPiece(m.Mode3D ? 2 : 1);
        drawBody();
        pieceDimensions(m, d, body, 0);
    }
    if (!pieceShown(m, kLidPiece))
        return;
    pen.setPiece(1);
    const float x = drawnLength(m, body) + m.EspPoseX;
    drawHalfSlotted(m, d, lid, x);
    pieceDimensions(m, d, lid, x);
}

void drawTwoHalfSlotted(Model& m, Drawing& d, float lidDepth) {
    const SlottedPiece body = slottedBody(m);
    const SlottedPiece lid = slottedLid(m, body, lidDepth);
    GenerationPass pass(d);
    drawBodyAndLid(m, d, body, lid, [&] { drawHalfSlotted(m, d, body, 0); });
}

// Hand-holes of the body under its open edge, in the middle of the panels 2 and 4 (1 and 3
// when panel 1 is the narrower), plain cut holes unless another type is chosen.
void handHolesUnderEdge(Model& m, Drawing& d, const SlottedPiece& p) {
    const float xa = m.lgPatte;
    const bool lengthFirst = p.p1 >= p.p2;
    const float first = lengthFirst ? xa + p.p1 + p.p2 / 2 : xa + p.p1 / 2;
    const float second =
        lengthFirst ? xa + p.p1 + p.p2 + p.p3 + p.p4 / 2 : xa + p.p1 + p.p2 + p.p3 / 2;
    const HandHoleShape hole = alwaysCutHandHoleShape(wallHandHoleOf(m).shape);
    HandHole(d, hole, {.x = first, .y = 0 - m.DPoign, .mirrored = true});
    HandHole(d, hole, {.x = second, .y = 0 - m.DPoign, .mirrored = true});
}

}  // namespace

void Fco0320(Model& m, Drawing& d) {
    const SlottedPiece body = slottedBody(m);
    drawTwoHalfSlotted(m, d, fullDepth(m, body));
}

void Fco0321(Model& m, Drawing& d) {
    SlottedPiece body = slottedBody(m);
    body.f1 = body.f2 = snapLockDepth(m, body.p1, body.p2);
    const SlottedPiece lid = slottedLid(m, body, m.hrecouvr);
    GenerationPass pass(d);
    PenScope pen(d);
    drawBodyAndLid(m, d, body, lid, [&] {
        drawSnapLockBottom(
            m, d, {.h = body.body, .p1 = body.p1, .p2 = body.p2, .p3 = body.p3, .p4 = body.p4});
        pen.setKind(kind::Cut);
        line(d, 0, 0, m.lgPatte + body.length(), 0);
        handHolesUnderEdge(m, d, body);
    });
}

void Fco0322(Model& m, Drawing& d) {
    drawTwoHalfSlotted(m, d, m.hrecouvr);
}

void Fco0323(Model& m, Drawing& d) {
    const SlottedPiece body = closedBody(m);
    const SlottedPiece lid = slottedLid(m, body, m.hrecouvr);
    GenerationPass pass(d);
    drawBodyAndLid(m, d, body, lid, [&] { drawClosedBody(m, d, body, 0); });
}

}  // namespace brontaxe
