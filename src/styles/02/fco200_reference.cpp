// Slotted cases with special tops: the carry box whose length walls rise into a handle (0217
// over a snap-lock bottom, 0218 over a regular one), the case with liner flaps folded down
// inside the walls (0225), and the tongue-locked closure (0226 at the top, 0227 at both ends).

#include <algorithm>

#include "builders/emit.h"
#include "builders/hand_hole.h"
#include "builders/shaped_body_half.h"
#include "builders/slotted_body_half.h"
#include "builders/slotted_dimensions.h"
#include "drawing/pen_scope.h"
#include "model/machine_pass_entries.h"
#include "styles/02/fco200.h"
#include "styles/02/fco200_common.h"
#include "styles/02/fco200_lid_common.h"
#include "styles/blank_settings.h"

namespace brontaxe {
namespace {

void recordFlapPasses(Model& m, bool lowerHalf, float f1, float f2) {
    auto& p = m.PassesMachine;
    p[machine_pass::flap(lowerHalf, machine_pass::kGlueTab)] = m.patProlong;
    p[machine_pass::flap(lowerHalf, 1)] = f1;
    p[machine_pass::flap(lowerHalf, 2)] = f2;
    p[machine_pass::flap(lowerHalf, 3)] = f1;
    p[machine_pass::flap(lowerHalf, 4)] = f2;
}

// The flaps of panels 1 and 3 of a slotted body with length panels first, or of panels 2 and
// 4 when the glue flap sits on the width panel.
std::array<FlapShape, 4> onLengthPanels(const Model& m, FlapShape length, FlapShape width) {
    if (m.pattesurtete)
        return {width, length, width, length};
    return {length, width, length, width};
}

// --- Carry box ------------------------------------------------------------------------------

struct Handle {
    float cover;  // half the top, up to the middle
    float wall;   // the handle wall above it, back to back with the other one
};

Handle handleSizes(const Model& m) {
    const SlottedAllowances a = slottedAllowances(m);
    return {roundedFlap(m.Largeur / 2) + a.oddFlaps, m.DPoign + m.HPoign + 2 * m.EpaisseurCarton};
}

// The hand-hole of a handle wall is always cut, as a plain hole unless a type is chosen, and
// left out when the wall is too narrow for it.
void handleHole(Drawing& d, const BlankSettings& settings, float left, float right, float top) {
    const WallHandHole& hole = settings.handHole;
    if (!(hole.shape.length + 4 * settings.thickness <= right - left))
        return;
    HandHole(d, alwaysCutHandHoleShape(hole.shape),
             {.x = (left + right) / 2, .y = top - hole.drop});
}

FlapShape handleFlap(Handle s, const BlankSettings& settings) {
    return [s, settings](Drawing& d, float left, float right, float h) {
        const float top = h + s.cover + s.wall;
        lineTo(d, right, top);
        lineTo(d, left, top);
        lineTo(d, left, h);
        {
            const PenScope crease(d, kind::Crease);
            line(d, left, h, right, h);
            line(d, left, h + s.cover, right, h + s.cover);
        }
        handleHole(d, settings, left, right, top);
    };
}

void drawCarryTop(Model& m, Drawing& d, const SlottedBody& b, const Handle& s) {
    recordFlapPasses(m, false, s.cover + s.wall, b.f2);
    const BlankSettings settings = blankSettingsOf(m);
    recordPasses(
        m, ShapedBodyHalf(d,
                          {.panels = {b.p1, b.p2, b.p3, b.p4},
                           .h = b.h,
                           .flaps = onLengthPanels(m, handleFlap(s, settings), plainFlap(b.f2)),
                           .glue = b.glue},
                          settings));
}

// --- Liner flaps ----------------------------------------------------------------------------

// A flap that folds down inside its wall: bevelled at both ends so that the liners of two
// walls meeting in a corner do not bind.
FlapShape linerFlap(float height) {
    return [height](Drawing& d, float left, float right, float h) {
        const float bevel = std::min(height, (right - left) / 4);
        lineTo(d, right - bevel, h + height);
        lineTo(d, left + bevel, h + height);
        lineTo(d, left, h);
        const PenScope crease(d, kind::Crease);
        line(d, left, h, right, h);
    };
}

// --- Tongue lock ----------------------------------------------------------------------------

struct TongueLock {
    float flap;  // outer flaps, overlapping by `overlap`
    float overlap;
    float tongue;  // how far the tongue stands out of the flap's edge
};

TongueLock tongueLock(const Model& m) {
    const SlottedAllowances a = slottedAllowances(m);
    const float overlap = std::max(m.hrecouvr, 2 * m.EpaisseurCarton);
    return {roundedFlap((m.Largeur + overlap) / 2) + a.oddFlaps, overlap, overlap / 2};
}

// The outer flap whose tongue goes through the slot of the other one.
FlapShape tongueFlap(TongueLock s, float thickness) {
    return [s, thickness](Drawing& d, float left, float right, float h) {
        const float t = thickness;
        const float width = (right - left) / 3;
        // On a narrow panel the bevels would cross: the tongue keeps half its width flat.
        const float bevel = std::min({t, s.tongue / 2, width / 4});
        const float x0 = left + width, x1 = right - width;
        const float edge = h + s.flap;
        lineTo(d, right, edge);
        lineTo(d, x1, edge);
        lineTo(d, x1, edge + s.tongue - bevel);
        lineTo(d, x1 - bevel, edge + s.tongue);
        lineTo(d, x0 + bevel, edge + s.tongue);
        lineTo(d, x0, edge + s.tongue - bevel);
        lineTo(d, x0, edge);
        lineTo(d, left, edge);
        lineTo(d, left, h);
        const PenScope crease(d, kind::Crease);
        line(d, left, h, right, h);
        // The tongue bends down into the slot at its root.
        line(d, x0, edge, x1, edge);
    };
}

// The inner outer flap with the slot that takes the tongue: where the other flap's edge comes
// down, two thicknesses high and a thickness wider than the tongue on each side.
FlapShape slottedFlap(TongueLock s, float width, float thickness) {
    return [s, width, thickness](Drawing& d, float left, float right, float h) {
        plainFlap(s.flap)(d, left, right, h);
        const float t = thickness;
        const float middle = (left + right) / 2;
        const float half = (right - left) / 6 + t;
        const float y = h + width - s.flap;
        if (width - s.flap < t)
            return;  // flaps too short to reach past each other: nothing to lock
        chainStart(d, middle - half, y);
        lineTo(d, middle + half, y);
        lineTo(d, middle + half, y + 2 * t);
        lineTo(d, middle - half, y + 2 * t);
        lineTo(d, middle - half, y);
    };
}

void drawTongueLockedHalf(Model& m, Drawing& d, const SlottedBody& b, const TongueLock& s,
                          bool mirrored) {
    const float width = m.pattesurtete ? b.p1 : b.p2;
    const float inner = roundedFlap(m.Largeur / 2) + slottedAllowances(m).evenFlaps;
    recordFlapPasses(m, mirrored, s.flap + s.tongue, inner);
    const FlapShape dust = plainFlap(inner);
    std::array<FlapShape, 4> flaps = onLengthPanels(m, tongueFlap(s, m.EpaisseurCarton), dust);
    flaps[m.pattesurtete ? 3 : 2] = slottedFlap(s, width, m.EpaisseurCarton);
    recordPasses(
        m, ShapedBodyHalf(
               d, {.panels = {b.p1, b.p2, b.p3, b.p4}, .h = b.h, .flaps = flaps, .glue = b.glue},
               blankSettingsOf(m), {.mirrored = mirrored}));
}

}  // namespace

void Fco0217(Model& m, Drawing& d) {
    const SlottedBody b = regularFlaps(m);
    const Handle s = handleSizes(m);
    GenerationPass pass(d);
    drawCarryTop(m, d, b, s);
    drawSnapLockBottom(m, d, {.h = b.h, .p1 = b.p1, .p2 = b.p2, .p3 = b.p3, .p4 = b.p4});
    finishSlottedBody(m, d, 217, b, snapLockDepth(m, b.p1, b.p2), s.cover + s.wall);
}

void Fco0218(Model& m, Drawing& d) {
    const SlottedBody b = regularFlaps(m);
    const Handle s = handleSizes(m);
    GenerationPass pass(d);
    drawCarryTop(m, d, b, s);
    recordPasses(m, SlottedBodyHalf(d, b, blankSettingsOf(m), {.mirrored = true}));
    finishSlottedBody(m, d, 218, b, largerFlap(b.f1, b.f2), s.cover + s.wall);
}

void Fco0225(Model& m, Drawing& d) {
    const BlankSettings settings = blankSettingsOf(m);
    const SlottedBody b = regularFlaps(m);
    // A liner deeper than the box would stand on the bottom.
    const float liner = std::min(m.hrabat, m.Hauteur);
    GenerationPass pass(d);
    recordFlapPasses(m, false, liner, liner);
    const FlapShape flap = linerFlap(liner);
    recordPasses(m, ShapedBodyHalf(d,
                                   {.panels = {b.p1, b.p2, b.p3, b.p4},
                                    .h = b.h,
                                    .flaps = {flap, flap, flap, flap},
                                    .glue = b.glue},
                                   settings));
    recordPasses(m, SlottedBodyHalf(d, b, settings, {.mirrored = true}));
    const float size = std::max(1.0f, std::min(liner / 3, 8.0f));
    // The note and the chains after it are in the text kind.
    const PenScope textKind(d, kind::Text);
    text(d, {m.lgPatte + b.p1 / 2, b.h + liner / 2}, "( h ) =< ( H )", 0, size, 0);
    finishSlottedBody(m, d, 225, b, largerFlap(b.f1, b.f2), liner);
}

void Fco0226(Model& m, Drawing& d) {
    const SlottedBody b = regularFlaps(m);
    const TongueLock s = tongueLock(m);
    GenerationPass pass(d);
    drawTongueLockedHalf(m, d, b, s, false);
    recordPasses(m, SlottedBodyHalf(d, b, blankSettingsOf(m), {.mirrored = true}));
    finishSlottedBody(m, d, 226, b, largerFlap(b.f1, b.f2), s.flap + s.tongue);
}

void Fco0227(Model& m, Drawing& d) {
    const SlottedBody b = regularFlaps(m);
    const TongueLock s = tongueLock(m);
    GenerationPass pass(d);
    drawTongueLockedHalf(m, d, b, s, false);
    drawTongueLockedHalf(m, d, b, s, true);
    finishSlottedBody(m, d, 227, b, s.flap + s.tongue, s.flap + s.tongue);
}

}  // namespace brontaxe
