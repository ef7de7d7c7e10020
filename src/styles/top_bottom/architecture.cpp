#include "styles/top_bottom/architecture.h"

#include <algorithm>
#include <array>

#include "builders/crash_lock_body_half.h"
#include "builders/emit.h"
#include "builders/lidded_body_half.h"
#include "builders/second_lid_body_half.h"
#include "builders/slotted_body_half.h"
#include "builders/slotted_dimensions.h"
#include "builders/snap_lock_body_half.h"
#include "builders/tucked_cover_body_half.h"
#include "model/model_choices.h"
#include "platform/errors.h"
#include "platform/rounding.h"
#include "styles/02/fco200_common.h"
#include "styles/02/fco200_lid_common.h"
#include "styles/blank_settings.h"
#include "styles/style_rules.h"

namespace brontaxe {
namespace {

constexpr std::array<ClosureEntry, 14> kEntries{{
    {201, "201", "201"},
    {202, "202", "202"},
    {203, "203", "203"},
    {204, "204", "204"},
    {205, "205", "205"},
    {206, "206", "206"},
    {208, "208", "208"},
    {209, "209", "209"},
    {210, "210", "210"},
    {211, "211", "211"},
    {216, "216 ( semi-auto)", "216 (semi-auto)"},
    {711, "711 (auto)", "711 (auto)"},
    {232, "232", "232"},
    {233, "233", "233"},
}};

using Allowances = std::array<float, 17>;

// The body both halves share.
struct Body {
    std::array<float, 4> p{};  // panels left to right
    float h = 0;               // half body height
};

bool isLid(int closure) {
    return closure == 210 || closure == 211;
}

// Where the half's flaps end beyond the body, for the dimension chains.
float slottedHalf(Model& m, Drawing& d, const Body& b, float f1, float f2, bool lower) {
    recordPasses(m, SlottedBodyHalf(d,
                                    {.p1 = b.p[0],
                                     .p2 = b.p[1],
                                     .p3 = b.p[2],
                                     .p4 = b.p[3],
                                     .h = b.h,
                                     .f1 = f1,
                                     .f2 = f2,
                                     .glue = glueFlapOf(m)},
                                    blankSettingsOf(m), {.mirrored = lower}));
    return largerFlap(f1, f2);
}

// Flaps f on the length panels and g on the width panels, whichever panel comes first.
std::pair<float, float> allowanceByPanelKind(const Model& m, float onLength, float onWidth) {
    return m.pattesurtete ? std::pair{onWidth, onLength} : std::pair{onLength, onWidth};
}

// The lidded half of 0210 (lid on panel 1) or 0211 (lid on panel 3), with the closure's own
// allowances for the lid.
float architectureLidHalf(Model& m, Drawing& d, int closure, const Body& b, const LidAllowances& a,
                          bool lower) {
    const float q = m.Largeur + a.lidDepth + a.lidHinge;
    const float F = m.Personnalisation == CustomerProfile::Pelsiran ? b.p[0] / 2 : m.hrabat;
    const float p5 = m.Longueur + a.tuckInWidth;
    auto builder = closure == 210 ? &LiddedBodyHalf : &SecondLidBodyHalf;
    const LidBody lid{.p1 = b.p[0],
                      .p2 = b.p[1],
                      .p3 = b.p[2],
                      .p4 = b.p[3],
                      .h = b.h,
                      .q = q,
                      .T = m.hpatrent,
                      .r = m.rarrondi,
                      .F = F,
                      .lip = a.lidHinge,
                      .p5 = p5,
                      .glue = glueFlapOf(m),
                      .glueAfterPanel4 = m.pattesurtete};
    recordPasses(m, builder(d, lid, blankSettingsOf(m), {.mirrored = lower}));
    return q + m.hpatrent;
}

// The snap-lock half of 0216: the builder draws it below the mid-line; a top is turned over.
float snapLockHalf(Model& m, Drawing& d, const Body& b, bool lower) {
    const SnapLockBottom s = snapLockBottom(m, b.p[0], b.p[1]);
    const int first = beginFeature(d);
    recordPasses(m, SnapLockBodyHalf(d,
                                     {.h = b.h,
                                      .p1 = b.p[0],
                                      .p2 = b.p[1],
                                      .p3 = b.p[2],
                                      .p4 = b.p[3],
                                      .notch = s.a6,
                                      .depth = s.a7,
                                      .shoulder = s.a8,
                                      .step = s.a9,
                                      .radius = s.a10,
                                      .glue = glueFlapOf(m)},
                                     blankSettingsOf(m)));
    if (!lower)
        placeFeature(d, first, {.mirrored = true});
    return snapLockDepth(m, b.p[0], b.p[1]);
}

float crashLockHalf(Model& m, Drawing& d, const Body& b, bool lower) {
    const CrashLockSizes s = crashLockSizes(b.p);
    recordPasses(m,
                 CrashLockBodyHalf(d, {.panels = b.p, .h = b.h, .lock = s, .glue = glueFlapOf(m)},
                                   blankSettingsOf(m), {.mirrored = lower}));
    return std::max(s.lockDepth + s.tongue, s.glueDepth);
}

// One half by its closure, with that closure's allowances 6 to 8 for its flaps.
float drawArchitectureHalf(Model& m, Drawing& d, int closure, const Body& b, const Allowances& own,
                           bool lower) {
    const SlottedAllowances a = slottedAllowances(own);
    const float W = m.Largeur, L = m.Longueur;
    const float halfWidth = roundedFlap(W / 2);
    switch (closure) {
        case 201:
            return slottedHalf(m, d, b, halfWidth + a.oddFlaps, halfWidth + a.evenFlaps, lower);
        case 202: {
            const float base = roundedFlap((W + m.hrecouvr) / 2);
            return slottedHalf(m, d, b, base + a.oddFlaps, base + a.evenFlaps, lower);
        }
        case 203:
            return slottedHalf(m, d, b, W + a.oddFlaps, W + a.evenFlaps, lower);
        case 204: {
            const auto [f1, f2] =
                allowanceByPanelKind(m, halfWidth + a.oddFlaps, roundedFlap(L / 2) + a.evenFlaps);
            return slottedHalf(m, d, b, f1, f2, lower);
        }
        case 205: {
            const float base = roundedFlap(L / 2);
            return slottedHalf(m, d, b, base + a.oddFlaps, base + a.evenFlaps, lower);
        }
        case 206: {
            const auto [f1, f2] =
                allowanceByPanelKind(m, W + a.oddFlaps, roundedFlap(L / 2) + a.evenFlaps);
            return slottedHalf(m, d, b, f1, f2, lower);
        }
        case 208: {
            // The covers span the width panel they close over; the dust flaps meet in the middle.
            const float cover = m.pattesurtete ? b.p[0] : b.p[1];
            const float dust = halfWidth + a.evenFlaps;
            recordPasses(m, TuckedCoverBodyHalf(
                                d,
                                {.p1 = b.p[0],
                                 .p2 = b.p[1],
                                 .p3 = b.p[2],
                                 .p4 = b.p[3],
                                 .h = b.h,
                                 .cover = cover,
                                 .tuck = m.hpatrent,
                                 .dust = dust,
                                 .covers = m.pattesurtete ? TuckedPanels::Even : TuckedPanels::Odd,
                                 // The top's table, in the lower half too.
                                 .tuckInAllowance = slottedAllowances(m).tuckInWidth,
                                 .glue = glueFlapOf(m)},
                                blankSettingsOf(m), {.mirrored = lower}));
            return std::max(cover + m.hpatrent, dust);
        }
        case 209:
            // The 0209's top is short flaps, its bottom the regular one.
            if (lower)
                return slottedHalf(m, d, b, halfWidth + a.oddFlaps, halfWidth + a.evenFlaps, lower);
            return slottedHalf(m, d, b, m.hrabat, m.hrabat, lower);
        case 210:
        case 211:
            return architectureLidHalf(m, d, closure, b, lidAllowances(own), lower);
        case 216:
            return snapLockHalf(m, d, b, lower);
        case 232:
            return slottedHalf(m, d, b, m.hrabat, m.hrabat, lower);
        case 233:
            return slottedHalf(m, d, b, m.hpatrent, m.hpatrent, lower);
        case 700:
        case 711:
            return crashLockHalf(m, d, b, lower);
        default:
            return 0;
    }
}

// The body both halves share; a half on its own carries the whole height.
Body bodyOf(const Model& m, bool single) {
    const float first = m.pattesurtete ? m.Largeur : m.Longueur;
    const float second = m.pattesurtete ? m.Longueur : m.Largeur;
    const SlottedAllowances a = slottedAllowances(m);
    Body b;
    b.p = {first + a.panel1, second + a.panel2, first + a.panel3, second + a.panel4};
    b.h = (single ? m.Hauteur : m.Hauteur / 2) + a.bodyHeight / 2;
    // A half on its own is cut to the whole millimetre.
    if (single)
        b.h = static_cast<float>(nearestInt16(b.h + 0.1F));
    return b;
}

std::string styleCode(int closure) {
    return "0" + std::to_string(closure);
}

}  // namespace

bool closureAccepted(int number) {
    return (number >= 201 && number <= 206) || (number >= 208 && number <= 211) || number == 216 ||
           number == 232 || number == 233 || number == 700 || number == 711;
}

const std::array<ClosureEntry, 14>& closureEntries() {
    return kEntries;
}

std::int16_t closureOfEntry(int index) {
    if (index < 0 || index >= static_cast<int>(kEntries.size()))
        return 201;
    return kEntries[static_cast<std::size_t>(index)].number;
}

int entryOfClosure(std::int16_t number) {
    for (std::size_t i = 0; i < kEntries.size(); ++i) {
        if (kEntries[i].number == number)
            return static_cast<int>(i);
    }
    return -1;
}

std::optional<std::string> architectureRule(const Model& m) {
    for (int closure : {static_cast<int>(m.TypeDessus), static_cast<int>(m.TypeDessous)}) {
        if (!closureAccepted(closure))
            continue;
        if (isLid(closure) && m.pattesurtete)
            return "Boîte haut / bas : le couvercle " + styleCode(closure) +
                   " demande la patte de collage sur la longueur";
        if (m.CaisseEn2 || fourPieces(m) != FourPieces::None)
            return "Boîte haut / bas : elle se fabrique d'une seule pièce";
        if (auto refusal = domainRefusal(styleCode(closure), m))
            return "Boîte haut / bas, " + styleCode(closure) + " : " + *refusal;
    }
    return std::nullopt;
}

void Architecture(Model& m, Drawing& d) {
    GenerationPass pass(d);
    const bool single = (m.TypeDessus == 0) != (m.TypeDessous == 0);
    const Body b = bodyOf(m, single);

    float above = 0, below = 0;
    bool rejected = false;
    if (m.TypeDessus != 0) {
        if (closureAccepted(m.TypeDessus)) {
            above = drawArchitectureHalf(m, d, m.TypeDessus, b, m.Majo, false);
        } else {
            m.TypeDessus = 0;
            rejected = true;
        }
    }
    if (m.TypeDessous != 0) {
        if (closureAccepted(m.TypeDessous)) {
            below = drawArchitectureHalf(m, d, m.TypeDessous, b, m.MajoDessous, true);
        } else {
            m.TypeDessous = 0;
            rejected = true;
        }
    }
    // A dropped half leaves the drawing without its chains, as a sign that it is not the box
    // that was asked for.
    if (rejected)
        m.GenEnCours = false;
    if (m.TypeDessus == 0 && m.TypeDessous == 0)
        return;  // nothing left to draw

    // One half alone is open along the mid-line.
    if ((m.TypeDessus == 0) != (m.TypeDessous == 0))
        line(d, 0, 0, b.p[0] + b.p[1] + b.p[2] + b.p[3] + m.lgPatte, 0);
    if (m.Sym_Verticale)
        reverseMachinePasses(m.PassesMachine);
    if (rejected)
        return;
    const float bodyBelow = m.TypeDessous != 0 ? b.h : 0;
    const float bodyAbove = m.TypeDessus != 0 ? b.h : 0;
    SlottedBodyDimensions(d,
                          {.glueWidth = m.lgPatte,
                           .p1 = b.p[0],
                           .p2 = b.p[1],
                           .p3 = b.p[2],
                           .p4 = b.p[3],
                           .flapBelow = below,
                           .body = bodyBelow + bodyAbove,
                           .flapAbove = above},
                          blankSettingsOf(m));
}

}  // namespace brontaxe
