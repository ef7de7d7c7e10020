// Crash-lock cases drawn from a table of levels: the lock flap of panel 1 runs the full depth
// of the bottom and hooks behind the tabs of panels 2 and 3, which are glued across the two
// corners the case folds flat on; panel 4 carries a plain flap. The top is slotted, its slots
// ending in half rounds.

#include "styles/07/fco700_point_table.h"

#include <algorithm>
#include <cmath>

#include "builders/emit.h"
#include "platform/errors.h"
#include "platform/rounding.h"
#include "styles/07/fco700.h"

namespace brontaxe {
namespace {

using L = LockLevel;

constexpr float kLockHeight = 14.5f;  // k1: how far the lock reaches above the bottom's edge
constexpr float kLockInset = 4;       // k2

// Offsets of the bottom's lines, in millimetres. They were taken off the case as first drawn,
// in single precision, so most are a round size plus the float error of where they were read
// (0.6100159 for 0.61); the round literal gives another float and would move the lines, so each
// keeps its exact value.
constexpr float kTabEndTrim = 0.6100159f;      // lock tab 2's end, short of its slanted crease
constexpr float kFlap3StartTrim = 0.5999756f;  // lock tab 3's start, short of its crease
constexpr float kNotchRise = 0.2399902f;       // the lock flap's notch above level y9
constexpr float kSlitRise = 5.75f;             // the slit of flap 2 above level y9
constexpr float kGlueTopDrop = 3.840027f;      // the glue flap's upper end below level y11
constexpr float kSlantRise = 0.2599487f;       // the glue flap's slanted end above level y11
constexpr float kLockFoldRun = 3.029999f;      // the lock flap's fold: aimed this far left of x5
constexpr float kLockFoldDrop = 15.53f;        // ... and this far below y4
constexpr float kTabFoldDrop = 1.380005f;      // 0701: the glued tabs' folds below y5
constexpr float kTab2FoldInset = 1.370026f;    // 0701: tab 2's fold, left of x14
constexpr float kTab3FoldInset = 1.369995f;    // 0701: tab 3's fold, right of x26

float tanDeg(float deg) {
    return std::tan(deg * kRadiansPerDegree);
}

}  // namespace

LockCaseAllowances lockCaseAllowances(const Model& m) {
    const auto& k = m.Majo;
    return {.panel1 = k[1],
            .panel2 = k[2],
            .panel3 = k[3],
            .panel4 = k[4],
            .topFlaps = k[5],
            .bodyHeight = k[6],
            .bottomFlaps = k[7],
            .glueFlapShort = k[8]};
}

LockTable lockTable(const Model& m, LockVariant variant) {
    if (!(m.encoche > 0))
        throw GenerationError(
            "Fond automatique impossible : l'encoche est nulle, le verrou ne "
            "peut pas se former");
    const bool is0711 = variant == LockVariant::Fco0711;
    const float L = m.Longueur, W = m.Largeur;
    const bool glueOnWidth = is0711 && m.pattesurtete;
    const float first = glueOnWidth ? W : L, second = glueOnWidth ? L : W;
    const LockCaseAllowances a = lockCaseAllowances(m);

    // Sizes.
    const float g = m.lgPatte;
    const float P1 = first + a.panel1, P2 = second + a.panel2, P3 = first + a.panel3,
                P4 = second + a.panel4;
    const float h = m.Hauteur + a.bodyHeight;
    const float t = nearestInt16(W / 2 - 0.1f) + a.topFlaps;
    const float b = nearestInt16(W / 2 - 0.1f) + a.bottomFlaps;
    const float o = is0711 ? m.hrecouvr - 5 : m.hrecouvr;
    const float enc = m.encoche, dec = m.decalenc;
    const float n = enc / 2;
    const float s =
        is0711 ? n / std::sin(25 * kRadiansPerDegree) : n / std::sin(32.5f * kRadiansPerDegree);
    const float q1 =
        is0711 ? s * std::cos(20 * kRadiansPerDegree) : s * std::cos(77.5f * kRadiansPerDegree);
    const float q2 = s * std::sin(77.5f * kRadiansPerDegree);
    const float k1 = kLockHeight, k2 = kLockInset;
    const float r = ((k1 + q2) - n * 0.5f - k2 - q1) / 2;
    const float u = ((k1 - r + q2) - n * 0.5f) * tanDeg(20);
    const float slant = is0711 ? (b + o) * tanDeg(15) : W * tanDeg(15);
    const float flap2Slope = is0711 ? b * tanDeg(5) : b * tanDeg(30);

    // Step lists, 1-based as the levels read them.
    const std::array<float, 18> dy{0,
                                   b,
                                   o,
                                   o,
                                   b,
                                   W,
                                   b,
                                   k1,
                                   r,
                                   q2 - n / 2,
                                   n / 2,
                                   enc / 4,
                                   g + dec,
                                   enc / 2,
                                   t + enc / 2,
                                   h,
                                   a.glueFlapShort,
                                   n};
    const std::array<float, 39> dx{0,       g,       P1,      P2,         P3,
                                   P4,      slant,   b,       b,          b + 2,
                                   o,       o,       k2,      r,          n,
                                   n,       q1,      r,       n,          n,
                                   k2,      u,       q1,      flap2Slope, b * tanDeg(20),
                                   enc / 2, enc / 2, n,       dec,        n + dec,
                                   enc,     n + dec, n + dec, enc,        dec,
                                   enc,     g + dec, n + dec, dec};

    LockTable T;
    T.W = W;
    T.n = n;
    auto& y = T.y;
    y[L::kBottomEdge] = 0;
    y[L::kBottomFold] = y[L::kBottomEdge] + dy[5];
    y[3] = y[L::kBottomFold] - dy[6];
    y[4] = y[L::kBottomFold] - dy[7];
    y[5] = y[4] + dy[8];
    y[9] = y[L::kBottomFold] + dy[9];
    y[7] = y[L::kBottomFold] + dy[10];
    y[10] = y[L::kBottomFold] + dy[12];
    y[L::kTopFold] = y[L::kBottomFold] + dy[15];
    y[L::kGlueTop] = y[L::kTopFold] - dy[16];
    y[8] = y[L::kBottomFold] + dy[17];
    y[2] = y[3] - dy[2];
    y[12] = y[L::kTopFold] - dy[13];
    y[L::kTopEdge] = y[12] + dy[14];

    auto& x = T.x;
    x[L::kLeftEdge] = 0;
    x[L::kGlueFold] = x[L::kLeftEdge] + dx[1];
    x[L::kFold12] = x[L::kGlueFold] + dx[2];
    x[L::kFold23] = x[L::kFold12] + dx[3];
    x[L::kFold34] = x[L::kFold23] + dx[4];
    x[L::kRightEdge] = x[L::kFold34] + dx[5];
    x[4] = x[L::kFold12] - dx[6];
    x[16] = x[L::kFold12] + dx[7];
    x[24] = x[L::kFold34] - dx[8];
    x[36] = x[L::kRightEdge] - dx[9];
    x[25] = x[24] + dx[10];
    x[15] = x[16] - dx[11];
    x[27] = x[L::kFold34] - dx[12];
    x[26] = x[27] - dx[13];
    x[28] = x[L::kFold34] - dx[14];
    x[33] = x[L::kFold34] + dx[15];
    x[32] = x[L::kFold34] + dx[16];
    x[6] = x[L::kFold12] - dx[18];
    x[11] = x[L::kFold12] + dx[19];
    x[12] = x[L::kFold12] + dx[20];
    x[8] = x[L::kFold12] - dx[22];
    x[17] = x[L::kFold23] - dx[23];
    x[35] = x[L::kFold34] + dx[24];
    x[23] = x[L::kFold23] + dx[25];
    x[19] = x[L::kFold23] - dx[26];
    x[3] = x[L::kGlueFold] + dx[27];
    x[31] = x[L::kFold34] + dx[28];
    x[34] = x[L::kFold34] + dx[29];
    x[29] = x[34] - dx[30];
    x[37] = x[L::kRightEdge] - dx[31];
    x[18] = x[L::kFold23] - dx[32];
    x[22] = x[18] + dx[33];
    x[20] = x[L::kFold23] - dx[34];
    x[13] = x[L::kFold12] + dx[37];
    x[10] = x[L::kFold12] + dx[38];
    x[14] = x[12] + dx[17];
    x[5] = x[8] - dx[21];
    x[7] = x[13] - dx[35];
    return T;
}

namespace {

// Where the line through (x1, y1) and (x2, y2) crosses the level y, and the abscissa x.
float atLevel(float x1, float y1, float x2, float y2, float y) {
    return y1 == y2 ? x1 : x1 + (x2 - x1) * (y - y1) / (y2 - y1);
}
float atAbscissa(float x1, float y1, float x2, float y2, float x) {
    return x1 == x2 ? y1 : y1 + (y2 - y1) * (x - x1) / (x2 - x1);
}

// Top of a panel fold under the half-round end of its slot, centred at xc, of radius r.
float underSlot(float x, float xc, float r, float yc) {
    const float dx = x - xc;
    return std::abs(dx) < r ? yc - std::sqrt(r * r - dx * dx) : yc;
}

void drawLockCase(Model& m, Drawing& d, LockVariant variant) {
    const LockTable T = lockTable(m, variant);
    const auto& x = T.x;
    const auto& y = T.y;
    GenerationPass pass(d);
    d.LineVariant = 1;
    auto cut = [&](float x1, float y1, float x2, float y2) {
        d.LineKind = kind::Cut;
        return line(d, x1, y1, x2, y2);
    };
    auto crease = [&](float x1, float y1, float x2, float y2) {
        d.LineKind = kind::Crease;
        return line(d, x1, y1, x2, y2);
    };
    // Ends of the lock tabs trimmed short of the slanted creases.
    const float tabEnd = kTabEndTrim;
    const float flap3Start = kFlap3StartTrim;
    const float notchTop = y[9] + kNotchRise;
    const float slitTop = y[9] + kSlitRise;
    // The glue flap's upper end: one point shared by its slant and its free edge.
    const float glueTop = y[L::kGlueTop] - kGlueTopDrop;

    // Glue tabs of panels 2 and 3.
    const ElementId tab3Side = cut(x[25], y[2], x[24], y[3]);
    cut(x[16], y[3], x[15], y[2]);
    // Lock flap of panel 1: its fold.
    // Its fold runs on to the lock flap's edge; ending 3 mm short it would leave a crease in
    // the air.
    const float lockFoldX = x[5] - kLockFoldRun, lockFoldY = y[4] - kLockFoldDrop;
    // Past the top of that edge it ends in the edge's corner.
    crease(x[4], y[L::kBottomEdge], x[5],
           std::min(atAbscissa(x[4], y[L::kBottomEdge], lockFoldX, lockFoldY, x[5]), y[5]));
    cut(x[3], y[L::kBottomFold], x[3], y[L::kBottomEdge]);
    cut(x[L::kLeftEdge], y[10], x[3], y[L::kBottomFold]);
    const ElementId lockRight = cut(x[5], y[L::kBottomEdge], x[5], y[5]);
    cut(x[5], y[5], x[8], notchTop);
    cut(x[8], notchTop, x[14], y[5]);
    cut(x[14], y[5], x[12], y[4]);
    const ElementId flap2Slope = cut(x[17], y[3], x[23], slitTop);
    cut(x[23], slitTop, x[23], y[3]);
    cut(x[26] + flap3Start, y[2], x[27], y[4]);
    cut(x[27], y[4], x[26], y[5]);
    cut(x[26], y[5], x[32], y[9]);
    // Bottom folds between the slots, each from cut to cut.
    const float W6 = y[L::kBottomFold];
    crease(atLevel(x[L::kRightEdge], y[8], x[36], y[3], W6), W6,
           atLevel(x[32], y[9], x[35], y[3], W6), W6);
    crease(atLevel(x[26], y[5], x[32], y[9], W6), W6, x[23], W6);
    crease(atLevel(x[17], y[3], x[23], slitTop, W6), W6, atLevel(x[8], notchTop, x[14], y[5], W6),
           W6);
    crease(atLevel(x[5], y[5], x[8], notchTop, W6), W6, x[3], W6);
    // Folds of the glued tabs, at 45° from the corners the case folds flat on.
    const float dyy = kTabFoldDrop;
    if (variant == LockVariant::Fco0701) {
        crease(x[14] - kTab2FoldInset, y[5] - dyy, x[16], y[3]);
        crease(x[24], y[3], x[26] + kTab3FoldInset, y[5] - dyy);
    } else {
        // Its lock offset moves the tab's corner; the fold starts from that corner.
        crease(x[14], y[5], x[16], y[3]);
        crease(x[24], y[3], x[26], y[5]);
    }
    cut(x[37], y[L::kGlueTop], x[L::kRightEdge], y[L::kGlueTop]);
    // Top folds, panel folds, glue flap fold.
    crease(x[37], y[L::kGlueTop], x[34], y[L::kGlueTop]);
    crease(x[13], y[L::kGlueTop], x[18], y[L::kGlueTop]);
    // The first top fold starts on the glue flap's slanted end when that passes above it.
    const float slantTop = y[L::kGlueTop] + kSlantRise;
    crease(slantTop > y[L::kTopFold]
               ? atLevel(x[3], slantTop, x[L::kLeftEdge], glueTop, y[L::kTopFold])
               : x[3],
           y[L::kTopFold], x[7], y[L::kTopFold]);
    // Panel folds from the notch or slit under them up to the round end of their slot; the
    // glue flap's fold between its two slanted ends.
    const float slotRadius = std::abs(x[7] - x[10]);
    crease(x[L::kFold34], atAbscissa(x[26], y[5], x[32], y[9], x[L::kFold34]), x[L::kFold34],
           underSlot(x[L::kFold34], x[31], slotRadius, y[L::kTopFold]));
    crease(x[L::kFold23], atAbscissa(x[17], y[3], x[23], slitTop, x[L::kFold23]), x[L::kFold23],
           underSlot(x[L::kFold23], x[20], slotRadius, y[L::kTopFold]));
    crease(x[L::kFold12], underSlot(x[L::kFold12], x[10], slotRadius, y[L::kTopFold]),
           x[L::kFold12], atAbscissa(x[8], notchTop, x[14], y[5], x[L::kFold12]));
    crease(x[L::kGlueFold], atAbscissa(x[3], slantTop, x[L::kLeftEdge], glueTop, x[L::kGlueFold]),
           x[L::kGlueFold],
           atAbscissa(x[L::kLeftEdge], y[10], x[3], y[L::kBottomFold], x[L::kGlueFold]));
    cut(x[L::kRightEdge], y[L::kGlueTop], x[L::kRightEdge], y[8]);
    cut(x[12], y[4], x[14] - tabEnd, y[2]);
    crease(x[29], y[L::kTopFold], x[22], y[L::kTopFold]);
    const ElementId lockBottom = cut(x[5], y[L::kBottomEdge], x[3], y[L::kBottomEdge]);
    cut(x[7], y[L::kTopEdge], x[7], y[L::kTopFold]);
    const ElementId flap2Bottom = cut(x[17], y[3], x[16], y[3]);
    cut(x[15], y[2], x[14] - tabEnd, y[2]);
    cut(x[24], y[3], x[23], y[3]);
    const ElementId tab3Bottom = cut(x[26] + flap3Start, y[2], x[25], y[2]);
    cut(x[29], y[L::kTopFold], x[29], y[L::kTopEdge]);
    // Half-round ends of the three top slots.
    d.LineKind = kind::Cut;
    arc(d, {x[10], y[L::kTopFold]}, std::abs(x[7] - x[10]), 180, 180);
    arc(d, {x[20], y[L::kTopFold]}, std::abs(x[18] - x[20]), 180, 180);
    arc(d, {x[31], y[L::kTopFold]}, std::abs(x[29] - x[31]), 180, 180);
    cut(x[3], y[L::kTopEdge], x[7], y[L::kTopEdge]);
    cut(x[22], y[L::kTopEdge], x[22], y[L::kTopFold]);
    cut(x[29], y[L::kTopEdge], x[22], y[L::kTopEdge]);
    cut(x[13], y[L::kTopEdge], x[13], y[L::kTopFold]);
    cut(x[18], y[L::kTopEdge], x[13], y[L::kTopEdge]);
    cut(x[18], y[L::kTopFold], x[18], y[L::kTopEdge]);
    cut(x[37], y[L::kTopEdge], x[37], y[L::kGlueTop]);
    cut(x[34], y[L::kTopEdge], x[34], y[L::kTopFold]);
    cut(x[37], y[L::kTopEdge], x[34], y[L::kTopEdge]);
    cut(x[3], y[L::kTopEdge], x[3], slantTop);
    cut(x[L::kLeftEdge], glueTop, x[L::kLeftEdge], y[10]);
    cut(x[3], slantTop, x[L::kLeftEdge], glueTop);
    const ElementId flap4Slope = cut(x[32], y[9], x[35], y[3]);
    const ElementId flap4Right = cut(x[L::kRightEdge], y[8], x[36], y[3]);
    const ElementId flap4Bottom = cut(x[36], y[3], x[35], y[3]);

    // Dimensions: panels and overall length under the bottom, heights on the right.
    d.LineKind = kind::Text;
    const float W = T.W;
    for (auto [a, b] : {std::pair{L::kLeftEdge, L::kGlueFold},
                        {L::kGlueFold, L::kFold12},
                        {L::kFold12, L::kFold23},
                        {L::kFold23, L::kFold34},
                        {L::kFold34, L::kRightEdge}})
        dimension(d, {.from = {x[a], W / 4}, .to = {x[b], W / 4}, .at = {0, W / 4}});
    dimension(
        d, {.from = {x[L::kLeftEdge], W / 2}, .to = {x[L::kRightEdge], W / 2}, .at = {0, W / 2}});
    for (auto [a, b] : {std::pair{L::kBottomEdge, L::kBottomFold},
                        {L::kBottomFold, L::kTopFold},
                        {L::kTopFold, L::kTopEdge}})
        dimension(d, {.from = {x[L::kRightEdge] + 80, y[a]},
                      .to = {x[L::kRightEdge] + 80, y[b]},
                      .at = {x[L::kRightEdge] + 80, 0}});
    dimension(d, {.from = {x[L::kRightEdge] + 160, y[L::kBottomEdge]},
                  .to = {x[L::kRightEdge] + 160, y[L::kTopEdge]},
                  .at = {x[L::kRightEdge] + 160, 0}});

    // Rounded corners of the lock tabs, kept small on a narrow case.
    d.LineKind = kind::Cut;
    const float radius = std::clamp(W / 60, 1.0f, 5.0f);
    fillet(d, lockRight, lockBottom, radius);
    fillet(d, flap4Right, flap4Bottom, radius);
    fillet(d, flap4Bottom, flap4Slope, radius);
    fillet(d, flap2Slope, flap2Bottom, radius);
    fillet(d, tab3Bottom, tab3Side, radius);
}

}  // namespace

void Fco0701(Model& m, Drawing& d) {
    drawLockCase(m, d, LockVariant::Fco0701);
}

void Fco0711(Model& m, Drawing& d) {
    drawLockCase(m, d, LockVariant::Fco0711);
}

}  // namespace brontaxe
