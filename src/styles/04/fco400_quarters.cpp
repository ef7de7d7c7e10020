// Trays and folders drawn as one quarter and mirrored twice: 0412, 0415, 0416, 0435.

#include <algorithm>
#include <cmath>

#include "builders/emit.h"
#include "builders/flat_blank_dimensions.h"
#include "builders/variable_hand_hole.h"
#include "drawing/pen_scope.h"
#include "platform/errors.h"
#include "styles/04/fco400.h"
#include "styles/04/fco400_common.h"
#include "styles/04/fco400_lid_folder.h"
#include "styles/04/fco400_rules.h"
#include "styles/blank_settings.h"

namespace brontaxe {
namespace {

// Mirrors the quarter about both axes through the origin.
// 0412: end walls with glue flaps glued inside the side walls.
struct GluedEndAllowances {
    float length;     // 1: the base's length
    float width;      // 3: the base's width
    float sideWalls;  // 5: the side walls
    float endWalls;   // 6: the end walls
    float flapTrim;   // 7: how far the glue flaps stay below the end walls' top (0 or more)
};

GluedEndAllowances gluedEndAllowances(const Model& m) {
    const auto& k = m.Majo;
    return {.length = k[1], .width = k[3], .sideWalls = k[5], .endWalls = k[6], .flapTrim = k[7]};
}

// 0415: end walls with tuck-in flaps, side walls whose flaps meet over the middle.
struct SideFlapTrayAllowances {
    float length;     // 1: the base's length
    float width;      // 2: the base's width
    float sideWalls;  // 3: the side walls
    float sideFlaps;  // 4: the side walls' flaps, on half the width
    float endWalls;   // 5: the end walls
};

SideFlapTrayAllowances sideFlapTrayAllowances(const Model& m) {
    const auto& k = m.Majo;
    return {.length = k[1], .width = k[2], .sideWalls = k[3], .sideFlaps = k[4], .endWalls = k[5]};
}

// 0416 "VORANIS": tucked double end walls, the inner one a little lower, lid halves.
struct TuckedDoubleEndAllowances {
    float length;     // 1: the base's length
    float width;      // 2: the base's width
    float sideWalls;  // 4: the side walls
    float endWalls;   // 5: the outer end walls
    float innerDrop;  // 7: how much lower the inner end walls stand
    float lidHalves;  // 8: the lid halves over the side walls, on half the width
};

TuckedDoubleEndAllowances tuckedDoubleEndAllowances(const Model& m) {
    const auto& k = m.Majo;
    return {.length = k[1],
            .width = k[2],
            .sideWalls = k[4],
            .endWalls = k[5],
            .innerDrop = k[7],
            .lidHalves = k[8]};
}

// 0435: double end walls locked in the base, ears held between their layers.
struct LockedDoubleEndAllowances {
    float length;     // 1: the base's length
    float width;      // 2: the base's width
    float sideWalls;  // 3: the side walls
    float endWalls;   // 4: the outer end walls
    float innerDrop;  // 5: how much lower the inner end walls stand
    float earShort;   // 6: how far the ears stop short of the side walls' height
};

LockedDoubleEndAllowances lockedDoubleEndAllowances(const Model& m) {
    const auto& k = m.Majo;
    return {.length = k[1],
            .width = k[2],
            .sideWalls = k[3],
            .endWalls = k[4],
            .innerDrop = k[5],
            .earShort = k[6]};
}

// 0416: the one-piece folder's allowances.
struct TuckedTrayAllowances {
    float length;  // 1: the base's length
    float width;   // 3: the base's width
    float walls;   // 6: every wall
};

TuckedTrayAllowances tuckedTrayAllowances(const Model& m) {
    const auto& k = m.Majo;
    return {.length = k[1], .width = k[3], .walls = k[6]};
}

void mirrorQuarter(Drawing& d, int first) {
    mirrorRegistered(d, first, 0, 0, 0);
    mirrorRegistered(d, first, 0, 0, 90);
}

// Walls and base across and up, symmetric.
void symmetricChains(Drawing& d, float wallX, float baseX, float wallY, float baseY,
                     CustomerProfile profile) {
    FlatBlankChains c;
    c.across = {wallX, baseX, wallX};
    c.up = {wallY, baseY, wallY};
    FlatBlankDimensions(d, c, profile);
}

// 0416's quarter: a side wall beyond y = B with a corner ear on its end, an end wall beyond
// x = A folded double (outer wall, then an inner wall a board thinner that tucks inside over
// the ears), and a slot between ear and end wall. A lid half on the side wall when lid > 0.
struct TuckedQuarter {
    float A, B;
    float side;   // side wall
    float end;    // outer end wall
    float inner;  // inner end wall
    float lid;    // lid half over the side wall, 0 for none
    float slot;
    float e;
};

void drawTuckedQuarter(Drawing& d, const TuckedQuarter& q) {
    const float A = q.A, B = q.B, E = q.slot / 2;
    const float reach = std::min(q.end, B) - E;
    const float xEnd = A + q.end + q.inner;
    const float yInner = B - E - q.e;
    if (!(reach > 0) || !(yInner > 0) || !(q.inner > 0) || !(q.side > E))
        throw GenerationError("Dimensions impossibles : parois trop basses pour la largeur");
    const float top = B + q.side;
    PenScope pen(d, kind::Cut);
    chainStart(d, xEnd, 0);
    lineTo(d, xEnd, yInner);
    lineTo(d, A + q.end, yInner);
    lineTo(d, A + q.end, B - E);
    lineTo(d, A, B - E);
    lineTo(d, A, B + E);
    lineTo(d, A + reach, B + E);
    lineTo(d, A + reach, top);
    if (q.lid > 0) {
        lineTo(d, A, top);
        lineTo(d, A, top + q.lid);
        lineTo(d, 0, top + q.lid);
    } else {
        lineTo(d, 0, top);
    }
    pen.setKind(kind::Crease);
    line(d, 0, B, A, B);
    line(d, A, 0, A, B - E);
    line(d, A + q.end, 0, A + q.end, yInner);
    line(d, A, B + E, A, top);
    if (q.lid > 0)
        line(d, 0, top, A, top);
}

void drawTucked(Model& m, Drawing& d, const TuckedQuarter& q) {
    GenerationPass pass(d);
    const int first = beginFeature(d);
    drawTuckedQuarter(d, q);
    mirrorQuarter(d, first);
    FlatBlankChains c;
    c.across = {q.inner, q.end, 2 * q.A, q.end, q.inner};
    c.up = {q.side + q.lid, 2 * q.B, q.side + q.lid};
    FlatBlankDimensions(d, c, m.Personnalisation.profile());
}

}  // namespace

void Fco0412(Model& m, Drawing& d) {
    // Tray whose end walls carry glue flaps with slanted ends, glued inside the side walls;
    // slots at the corners as on a slotted case.
    const GluedEndAllowances k = gluedEndAllowances(m);
    const float a = (m.Longueur + k.length) / 2;
    const float b = (m.Largeur + k.width) / 2;
    const float side = m.Hauteur + k.sideWalls;
    const float end = m.Hauteur + k.endWalls;
    const float g = std::min(m.lgPatte, b);
    const auto [s1, s2] = slotHalfWidths(m);
    const float trim = std::max(k.flapTrim, 0.0f);  // keeps the flap below the wall's top
    const float room = end - trim - s2;             // the flap's length along its hinge
    if (!(room > 0) || !(g > 0) || !(side > 0) || !(a > s1))
        throw GenerationError("Dimensions impossibles : parois trop basses pour les pattes");
    const float taper = std::min(g * std::tan(m.anglPc * kRadiansPerDegree), room / 3);

    GenerationPass pass(d);
    const int first = beginFeature(d);
    PenScope pen(d, kind::Cut);
    chainStart(d, a + end, 0);
    lineTo(d, a + end, b);
    if (trim > 0)
        lineTo(d, a + end - trim, b);
    lineTo(d, a + end - trim - taper, b + g);
    lineTo(d, a + s2 + taper, b + g);
    lineTo(d, a + s2, b);
    lineTo(d, a - s1, b);
    lineTo(d, a - s1, b + side);
    lineTo(d, 0, b + side);
    pen.setKind(kind::Crease);
    line(d, 0, b, a - s1, b);
    line(d, a, 0, a, b);
    line(d, a + s2, b, a + end - trim, b);
    pen.setKind(kind::Cut);
    mirrorQuarter(d, first);
    symmetricChains(d, end, 2 * a, std::max(side, g), 2 * b, m.Personnalisation.profile());
}

void Fco0415(Model& m, Drawing& d) {
    const SideFlapTrayAllowances k = sideFlapTrayAllowances(m);
    const float A = (m.Longueur + k.length) / 2;
    const float B = (m.Largeur + k.width) / 2;
    const float h = m.Hauteur + k.endWalls;
    const float h3 = m.Hauteur + k.sideWalls;
    const float b4 = m.Largeur / 2 + k.sideFlaps;
    const float t = m.hpatrent;
    const float E = m.encoche;
    const float W2 = m.Largeur / 2;
    if (!(B > E / 2) || !(h3 > E) || !(h > 0) || !(A > 0) || t < 0)
        throw GenerationError("Dimensions impossibles : plateau trop petit pour l'encoche");

    GenerationPass pass(d);
    const int first = beginFeature(d);
    const float x = t + h;
    PenScope pen(d, kind::Cut);
    line(d, 0, 0, 0, B - E / 2);
    line(d, 0, B - E / 2, t, B - E / 2);
    line(d, x, B - E / 2, t, B - E / 2);
    pen.setKind(kind::Crease);
    if (t > 0)
        line(d, t, 0, t, B - E / 2);
    line(d, x, 0, x, B - E / 2);
    line(d, x, B, x + A, B);
    pen.setKind(kind::Cut);
    line(d, x, B + E / 2, x, B - E / 2);
    chainStart(d, x, B + E / 2);
    lineTo(d, x - W2, B + E / 2);
    lineTo(d, x - W2, B - E / 2 + h3);
    line(d, x, B - E / 2 + h3, x - W2, B - E / 2 + h3);
    pen.setKind(kind::Crease);
    line(d, x, B + E / 2, x, B - E / 2 + h3);
    line(d, x, B + h3, x + A, B + h3);
    pen.setKind(kind::Cut);
    line(d, x, B + h3 + b4, x, B + h3 - E / 2);
    line(d, x, B + h3 + b4, x + A, B + h3 + b4);
    mirrorRegistered(d, first, 0, 0, 0);
    mirrorRegistered(d, first, x + A, 0, 90);

    // The chain along the ends, the overall length, and up the side: h3 and b4 both ways
    // round the width.
    const float L = m.Longueur, W = m.Largeur, H = m.Hauteur;
    const float rowY = -W - H - L / 8;
    float at = 0;
    for (float step : {t, h, 2 * A, h, t}) {
        if (step > 0)
            dimension(d, {.from = {at, rowY}, .to = {at + step, rowY}, .at = {0, rowY}});
        at += step;
    }
    const float total = 2 * t + 2 * h + 2 * A;
    dimension(d, {.from = {0, rowY - L / 8}, .to = {total, rowY - L / 8}, .at = {0, rowY - L / 8}});
    const float colX = total + L / 8;
    dimension(d, {.from = {colX, -B}, .to = {colX, B}, .at = {colX, 0}});
    for (float sign : {1.0f, -1.0f}) {
        dimension(d, {.from = {colX, sign * B}, .to = {colX, sign * (B + h3)}, .at = {colX, 0}});
        dimension(
            d,
            {.from = {colX, sign * (B + h3)}, .to = {colX, sign * (B + h3 + b4)}, .at = {colX, 0}});
    }
    const Box box = d.extents();
    dimension(d, {.from = {colX + L / 8, static_cast<float>(box.ymin)},
                  .to = {colX + L / 8, static_cast<float>(box.ymax)},
                  .at = {colX + L / 8, 0}});
}

void Fco0416(Model& m, Drawing& d) {
    const float e = m.EpaisseurCarton;
    if (m.Personnalisation == CustomerProfile::Voranis) {
        applyThicknessRule(m, 416, {3, 3, 1, 1.5f, 1.5f, 1, 2, 0.5f, 0.5f, 0.5f, 1, 1.5f, 0.5f});
        const TuckedDoubleEndAllowances k = tuckedDoubleEndAllowances(m);
        const float end = m.Hauteur + k.endWalls;
        const float B = (m.Largeur + k.width) / 2;
        drawTucked(m, d,
                   {(m.Longueur + k.length) / 2, B, m.Hauteur + k.sideWalls, end, end - k.innerDrop,
                    roundedHalf(2 * B) + k.lidHalves, m.encoche, e});
        return;
    }
    // The one-piece folder: ears on the front and back walls, dust flaps on the end walls
    // folded in under the lid, and the lid's tuck flap slipped inside the front wall.
    const TuckedTrayAllowances k = tuckedTrayAllowances(m);
    LidFolder f;
    f.L1 = m.Longueur + k.length;
    f.W2 = m.Largeur + k.width;
    f.front = f.back = f.side = m.Hauteur + k.walls;
    // The lid covers the base and the front wall's board; its tuck clears the end walls.
    f.W5 = f.W2 + e;
    f.L6 = f.L1 + 2 * e;
    f.ear = std::max(0.0f, std::min(f.W2 / 2, f.side) - e);
    f.tuck = m.hpatrent;
    f.tuckInset = 2 * e;
    f.dust = 0;
    f.sideDust = m.hrabat;
    f.radius = m.rarrondi;
    f.notch = 0;
    drawLidFolder(m, d, f);
}

void Fco0435(Model& m, Drawing& d) {
    // Tray with double end walls: the inner wall folds down over a band and its tab locks in a
    // mortise of the base; ears on the side walls are held between the two layers.
    applyThicknessRule(m, 435, {5, 1, 0.5f, 1, 5.0f / 6, 1});
    const LockedDoubleEndAllowances k = lockedDoubleEndAllowances(m);
    const float e = m.EpaisseurCarton;
    const float a = (m.Longueur + k.length) / 2;
    const float b = (m.Largeur + k.width) / 2;
    const float side = m.Hauteur + k.sideWalls;
    const float end = m.Hauteur + k.endWalls;
    const float inner = end - k.innerDrop;
    const float band = m.Dblmur;
    const float reach = std::min(side, b) - k.earShort;
    const float yInner = b - e;
    const float yc = b / 2;
    // A narrow tray takes a shorter mortise; one too short for its own height is left out
    // and the inner wall simply stands on the base.
    const float mortiseLength = std::min(m.lgmortaise, b - 2 * e);
    const float tabWidth = mortiseLength - 2 * e;
    const bool locked =
        tabWidth > 0 && mortiseLength >= m.hmortaise && m.hmortaise > 0 && a > band + m.hmortaise;
    // The tab passes through the base and ends flush with its underside, from the inner
    // wall's foot, which stands the inner wall's drop above the base's middle: any longer, it
    // would stand the tray on its tabs.
    const float tabDepth = locked ? std::clamp(end - inner + e / 2, 0.0f, inner / 2) : 0;
    const float xEnd = a + end + band + inner;
    if (!(reach > 0) || !(inner > 0) || !(yInner > 0))
        throw GenerationError("Dimensions impossibles : plateau trop petit pour ses parois");

    GenerationPass pass(d);
    const int first = beginFeature(d);
    PenScope pen(d, kind::Cut);
    chainStart(d, xEnd, 0);
    if (tabDepth > 0) {
        lineTo(d, xEnd, yc - tabWidth / 2);
        lineTo(d, xEnd + tabDepth, yc - tabWidth / 2);
        lineTo(d, xEnd + tabDepth, yc + tabWidth / 2);
        lineTo(d, xEnd, yc + tabWidth / 2);
    }
    lineTo(d, xEnd, yInner);
    lineTo(d, a + end, yInner);
    lineTo(d, a + end, b);
    cutAlongY(d, b, a + end, a + reach, a);
    chainStart(d, a + reach, b);
    lineTo(d, a + reach, b + side);
    lineTo(d, 0, b + side);
    pen.setKind(kind::Crease);
    line(d, 0, b, a, b);
    line(d, a, 0, a, b);
    line(d, a, b, a, b + side);
    line(d, a + end, 0, a + end, yInner);
    line(d, a + end + band, 0, a + end + band, yInner);
    // The mortise where the tab lands, the band's width in from the end fold.
    if (locked) {
        const VariableHandHoleCutShape mortise{mortiseLength, m.hmortaise};
        VariableHandHoleCut(d, mortise, {a - band, yc, -90, false});
        pen.setKind(kind::Cut);  // the chains of a locked tray are stamped as cuts
    }
    mirrorQuarter(d, first);
    FlatBlankChains c;
    c.across = {inner + tabDepth, band, end, 2 * a, end, band, inner + tabDepth};
    c.up = {side, 2 * b, side};
    FlatBlankDimensions(d, c, m.Personnalisation.profile());
}

std::vector<FoldPair> folds0415(const Model& m) {
    const SideFlapTrayAllowances k = sideFlapTrayAllowances(m);
    const float B2 = m.Largeur + k.width;
    const float b4 = m.Largeur / 2 + k.sideFlaps;
    const float ear = m.Largeur / 2;
    return {{"rabats des parois", b4, b4, B2, FoldFit::Meet},
            {"oreilles", ear, ear, B2, FoldFit::NoCollision}};
}

}  // namespace brontaxe
