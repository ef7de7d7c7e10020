// Telescope boxes made of slotted bodies: a half slotted case (flaps at one end, the other
// open) as body or lid, the lid beside the body.

#include <algorithm>

#include "drawing/biblio.h"
#include "drawing/builders/body_panels.h"
#include "drawing/builders/corps_caisse.h"
#include "drawing/builders/poignees.h"
#include "styles/fco200_common.h"
#include "styles/fco200_lid_common.h"
#include "styles/fco300.h"
#include "styles/fco300_common.h"

namespace brontaxe {
namespace {

// The piece as a two- or four-piece box draws it.
SlottedPiece drawnPanels(const Model& m, SlottedPiece p) {
    const BodyPanels b = applyPieceVariants(m, BodyPanels{p.p1, p.p2, p.p3, p.p4, p.f1, p.f2});
    p.p1 = b.p1;
    p.p2 = b.p2;
    p.p3 = b.p3;
    p.p4 = b.p4;
    return p;
}

// From the glue flap's free edge to the far end of the last panel drawn (and of a second
// glue flap).
float drawnLength(const Model& m, const SlottedPiece& p) {
    const float glue = m.CaisseEn4 == 4 ? 2 * m.lgPatte : m.lgPatte;
    return glue + drawnPanels(m, p).length();
}

// A half slotted case with its left edge at x: the body below y = 0, its flaps under it, the
// open edge cut along y = 0 over the glue flap and every panel drawn.
void drawHalfSlotted(Model& m, Drawing& d, const SlottedPiece& p, float x) {
    const int first = beginFeature(m);
    CorpsCaisse(m, d, p.p1, p.p2, p.p3, p.p4, p.body, p.f1, p.f2, 0, 0, 0, true);
    d.LineVariant = 1;
    d.LineKind = kind::Cut;
    line(m, d, m.CaisseEn4 == 3 ? m.lgPatte : 0, 0, drawnLength(m, p), 0);
    placeFeature(m, d, first, x, 0, 0, false);
}

void pieceDimensions(Model& m, Drawing& d, const SlottedPiece& whole, float x) {
    const SlottedPiece p = drawnPanels(m, whole);
    const float depth = p.body + std::max(p.f1, p.f2);
    const float y = -depth - (p.length() + depth) / 25;
    float at = x + m.lgPatte;
    for (float w : {p.p1, p.p2, p.p3, p.p4}) {
        if (w > 0)
            dimension(m, d, at, y, at + w, y, 0, y);
        at += w;
    }
    const float column = at + (p.length() + depth) / 25;
    dimension(m, d, column, 0, column, -p.body, column, 0);
    dimension(m, d, column, -p.body, column, -depth, column, 0);
}

// Body (bottom piece) at x = 0 and the lid beside it, each under its flag.
template <typename DrawBody>
void drawBodyAndLid(Model& m, Drawing& d, const SlottedPiece& body, const SlottedPiece& lid,
                    DrawBody drawBody) {
    if (pieceShown(m, kBottomPiece)) {
        d.Piece = m.Mode3D ? 2 : 1;
        drawBody();
        d.LineVariant = 1;
        pieceDimensions(m, d, body, 0);
    }
    if (!pieceShown(m, kLidPiece))
        return;
    d.Piece = 1;
    const float x = drawnLength(m, body) + m.EspPoseX;
    drawHalfSlotted(m, d, lid, x);
    d.LineVariant = 1;
    pieceDimensions(m, d, lid, x);
}

void drawTwoHalfSlotted(Model& m, Drawing& d, float lidDepth) {
    const SlottedPiece body = slottedBody(m);
    const SlottedPiece lid = slottedLid(m, body, lidDepth);
    GenerationPass pass(m, d);
    drawBodyAndLid(m, d, body, lid, [&] { drawHalfSlotted(m, d, body, 0); });
}

// Hand-holes of the body under its open edge, in the middle of the panels 2 and 4 (1 and 3
// when panel 1 is the narrower), plain cut holes unless another type is chosen.
void handHolesUnderEdge(Model& m, Drawing& d, const SlottedPiece& p) {
    const std::int16_t chosen = m.OptionPoign;
    m.OptionPoign = std::max<std::int16_t>(chosen, 1);
    const float xa = m.lgPatte;
    const bool lengthFirst = p.p1 >= p.p2;
    const float first = lengthFirst ? xa + p.p1 + p.p2 / 2 : xa + p.p1 / 2;
    const float second =
        lengthFirst ? xa + p.p1 + p.p2 + p.p3 + p.p4 / 2 : xa + p.p1 + p.p2 + p.p3 / 2;
    try {
        Poignees(m, d, first, 0, 0, true);
        Poignees(m, d, second, 0, 0, true);
    } catch (...) {
        m.OptionPoign = chosen;
        throw;
    }
    m.OptionPoign = chosen;
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
    GenerationPass pass(m, d);
    drawBodyAndLid(m, d, body, lid, [&] {
        d.LineVariant = 1;
        drawSnapLockBottom(m, d, body.body, body.p1, body.p2, body.p3, body.p4);
        d.LineKind = kind::Cut;
        line(m, d, 0, 0, m.lgPatte + body.length(), 0);
        handHolesUnderEdge(m, d, body);
    });
}

void Fco0322(Model& m, Drawing& d) {
    drawTwoHalfSlotted(m, d, m.hrecouvr);
}

void Fco0323(Model& m, Drawing& d) {
    const SlottedBody b = regularFlaps(m);
    SlottedPiece body{b.p1, b.p2, b.p3, b.p4, 2 * b.h, b.f1, b.f2};
    const SlottedPiece lid = slottedLid(m, body, m.hrecouvr);
    GenerationPass pass(m, d);
    // The regular slotted body stands with its centre line on y = -h, so that its top flaps
    // meet the lid's open edge line.
    drawBodyAndLid(m, d, body, lid, [&] {
        const int first = beginFeature(m);
        CorpsCaisse(m, d, b.p1, b.p2, b.p3, b.p4, b.h, b.f1, b.f2, 0, 0, 0, false);
        CorpsCaisse(m, d, b.p1, b.p2, b.p3, b.p4, b.h, b.f1, b.f2, 0, 0, 0, true);
        placeFeature(m, d, first, 0, -b.h, 0, false);
    });
}

}  // namespace brontaxe
