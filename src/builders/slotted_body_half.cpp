#include "builders/slotted_body_half.h"

#include <algorithm>
#include <array>

#include "builders/body_features.h"
#include "builders/emit.h"
#include "builders/glue_flap.h"
#include "drawing/pen_scope.h"
#include "model/machine_pass_entries.h"

namespace brontaxe {

BodyPanels applyPieceVariants(PieceCut cut, BodyPanels b) {
    const FourPieces pieces = cut.fourPieces;
    if (!cut.onePiece()) {
        b.p2 = b.p4;
        b.p3 = 0;
        b.p4 = 0;
    }
    if (pieces == FourPieces::None)
        return b;
    if (!keepsSecondPanel(pieces)) {
        b.p2 = 0;
        b.f2 = b.f1;
    } else {
        b.p1 = b.p2;
        b.f1 = b.f2;
        b.p2 = 0;
    }
    return b;
}

namespace {

// The panels are those the pieces keep (see applyPieceVariants).
MachinePasses slottedBodyPasses(PieceCut pieces, const BodyGlueFlap& glue, const BodyPanels& b,
                                float h, bool lowerHalf) {
    MachinePasses p = bodyPasses(glue, b, h);
    using namespace machine_pass;
    p.set(flap(lowerHalf, kGlueTab), glue.extension);
    p.set(flap(lowerHalf, 1), b.f1);
    p.set(flap(lowerHalf, 2), b.f2);
    p.set(flap(lowerHalf, 3), b.f1);
    p.set(flap(lowerHalf, 4), b.f2);
    // A box in pieces has no third and fourth column, on either half.
    if (!pieces.onePiece()) {
        for (const std::size_t column : {3, 4}) {
            p.set(width(column), 0);
            p.set(upperFlap(column), 0);
            p.set(lowerFlap(column), 0);
        }
    }
    return p;
}

// The single panel of a four-piece box cut at both ends (variant 3): no slots, no glue flap.
void drawLoosePanel(Drawing& d, float xa, float xb, float h, float flap) {
    PenScope pen(d, kind::Crease);
    line(d, xa, h, xb, h);
    pen.setKind(kind::Cut);
    chainStart(d, xa, 0);
    lineTo(d, xa, h + flap);
    lineTo(d, xb, h + flap);
    lineTo(d, xb, 0);
}

// A slot of no width: one knife from the fold line up between two flaps, the taller flap's
// side above it. The chain arrives at the right flap's top and leaves from the left one's,
// so that no knife is laid twice nor has no length. Between the flaps a bridge would tie them
// together: that knife stays whole.
void slit(Drawing& d, float x, float h, float rightTop, float leftTop) {
    lineTo(d, x, rightTop);
    if (rightTop > leftTop)
        lineTo(d, x, leftTop);
    PenScope pen(d);
    pen.setBridgeless(true);
    lineTo(d, x, h);
    pen.setBridgeless(false);
    const float lower = std::min(rightTop, leftTop);
    chainStart(d, x, lower);
    if (leftTop > lower)
        lineTo(d, x, leftTop);
}

// Panels with creases between them, flaps over them and slots at each crease. Slot halves
// alternate: left a / right b at the first crease, b / a at the second, and so on.
void drawPanels(Drawing& d, float glueWidth, const BodyPanels& b, int panelCount, float h, float a,
                float bHalf, bool glueOnRight) {
    PenScope pen(d);
    std::array<float, 5> xs{};
    const std::array<float, 4> widths{b.p1, b.p2, b.p3, b.p4};
    xs[0] = glueWidth;
    for (int i = 1; i <= panelCount; ++i)
        xs[i] = xs[i - 1] + widths[static_cast<std::size_t>(i - 1)];
    const float xe = xs[static_cast<std::size_t>(panelCount)];
    auto x = [&](int i) { return xs[static_cast<std::size_t>(i)]; };
    auto leftHalf = [&](int i) { return i % 2 == 0 ? a : bHalf; };
    auto rightHalf = [&](int i) { return i % 2 == 0 ? bHalf : a; };
    auto flapTop = [&](int panel) { return h + (panel % 2 == 1 ? b.f1 : b.f2); };

    // Without a glue flap the first panel's edge is a free edge: cut, not creased.
    const bool glueOnLeft = glueWidth > 0;
    for (int i = 0; i < panelCount; ++i) {
        pen.setKind((i == 0 && !glueOnLeft) ? kind::Cut : kind::Crease);
        line(d, x(i), 0, x(i), h);
    }
    pen.setKind(kind::Crease);
    if (glueOnRight)
        line(d, xe, 0, xe, h);
    for (int k = 1; k <= panelCount; ++k) {
        const float end = k == panelCount ? xe : x(k) - leftHalf(k);
        line(d, x(k - 1) + rightHalf(k - 1), h, end, h);
    }

    pen.setKind(kind::Cut);
    chainStart(d, xe, glueOnRight ? h : 0);
    lineTo(d, xe, flapTop(panelCount));
    for (int i = panelCount - 1; i >= 1; --i) {
        if (leftHalf(i) + rightHalf(i) > 0) {
            lineTo(d, x(i) + rightHalf(i), flapTop(i + 1));
            lineTo(d, x(i) + rightHalf(i), h);
            lineTo(d, x(i) - leftHalf(i), h);
            lineTo(d, x(i) - leftHalf(i), flapTop(i));
        } else {
            slit(d, x(i), h, flapTop(i + 1), flapTop(i));
        }
    }
    lineTo(d, x(0) + rightHalf(0), flapTop(1));
    lineTo(d, x(0) + rightHalf(0), h);
    if (rightHalf(0) > 0)
        lineTo(d, x(0), h);
}

}  // namespace

MachinePasses SlottedBodyHalf(Drawing& d, const SlottedBody& body, const BlankSettings& s,
                              const FeaturePlacement& at) {
    const float h = body.h;
    const bool mirrored = at.mirrored;
    const auto [a, b] = s.slots;
    const BodyPanels panels = applyPieceVariants(
        s.pieces, BodyPanels{body.p1, body.p2, body.p3, body.p4, body.f1, body.f2});
    const BodyGlueFlap& glue = body.glue;

    const int first = beginFeature(d);
    const FourPieces pieces = s.pieces.fourPieces;
    if (pieces == FourPieces::LoosePanel) {
        drawLoosePanel(d, glue.width, glue.width + panels.p1, h, panels.f2);
    } else {
        const int panelCount = pieces != FourPieces::None ? 1 : (s.pieces.twoPieces ? 2 : 4);
        const bool glueOnRight = pieces == FourPieces::GluedBothEnds;
        drawPanels(d, glue.width, panels, panelCount, h, a, b, glueOnRight);
        if (glue.width > 0)
            GlueFlap(d, glueFlapShape(glue, h, a));
        if (glueOnRight)
            GlueFlap(d, glueFlapShape(glue, h, a), {.x = 2 * glue.width + panels.p1, .angle = 180});
    }
    if (!mirrored)
        bodyHandHoles(d, s, glue, panels, h);
    placeFeature(d, first, at);
    return slottedBodyPasses(s.pieces, glue, panels, h, mirrored);
}

}  // namespace brontaxe
