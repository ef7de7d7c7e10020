#include "styles/02/fco200_lid_common.h"

#include <algorithm>
#include <array>
#include <utility>

#include "builders/emit.h"
#include "builders/snap_lock_body_half.h"
#include "model/machine_pass_entries.h"
#include "styles/blank_settings.h"

namespace brontaxe {

void applyLidDefaultAllowances(Model& m, std::int16_t styleCode) {
    if (m.allowanceRecordCode == styleCode)
        return;
    // Allowances 1 to 8 as multiples of the board thickness; the others stay 0.
    constexpr std::array<float, 8> kMultiples{1, 1, 1, 0, 1, 1, 1, -1};
    const float t = m.EpaisseurCarton;
    m.Majo.fill(0);
    for (std::size_t i = 0; i < kMultiples.size(); ++i)
        m.Majo[i + 1] = kMultiples[i] * t;
}

LidAllowances lidAllowances(const Model& m) {
    return lidAllowances(m.Majo);
}

LidAllowances lidAllowances(const std::array<float, 17>& k) {
    return {.panel1 = k[1],
            .panel2 = k[2],
            .panel3 = k[3],
            .panel4 = k[4],
            .bodyHeight = k[5],
            .lidDepth = k[6],
            .lidHinge = k[7],
            .tuckInWidth = k[8]};
}

LidBody lidBody(const Model& m) {
    const float L = m.Longueur, W = m.Largeur;
    const LidAllowances a = lidAllowances(m);
    LidBody b;
    b.p1 = L + a.panel1;
    b.p2 = W + a.panel2;
    b.p3 = L + a.panel3;
    b.p4 = W + a.panel4;
    b.h = m.Hauteur / 2 + a.bodyHeight / 2;
    b.q = W + a.lidDepth + a.lidHinge;
    b.T = m.hpatrent;
    b.r = m.rarrondi;
    b.F = m.Personnalisation == CustomerProfile::Pelsiran ? b.p1 / 2 : m.hrabat;
    b.lip = a.lidHinge;
    b.p5 = L + a.tuckInWidth;
    b.glue = glueFlapOf(m);
    b.glueAfterPanel4 = m.pattesurtete;
    return b;
}

SnapLockBottom snapLockBottom(const Model& m, float p1, float p2) {
    const float s = std::min(p1, p2) / 2;
    // How far the principal flap reaches past the middle; kept under a quarter of the bottom so
    // that the opposite flap keeps its shoulders on a small box.
    const float overlap = std::min(std::max(m.hrecouvr, 2 * m.EpaisseurCarton), s / 2);
    SnapLockBottom b{};
    b.a7 = s + overlap;                      // principal flap, past the middle
    b.a6 = overlap;                          // its notch, and the opposite flap's tab
    b.a8 = s - overlap;                      // shoulders: the tab reaches the middle
    b.a9 = s / 2;                            // side flaps beside the principal one
    b.a10 = std::min(m.rarrondi, b.a6 / 3);  // roundings that always fit the tab
    return b;
}

float snapLockDepth(const Model& m, float p1, float p2) {
    const SnapLockBottom s = snapLockBottom(m, p1, p2);
    const float D = s.a8 + s.a6;
    const float E = D - 2 * s.a10 < s.a9 ? s.a9 + 2 * s.a10 : D;
    return std::max(s.a7, E);
}

void drawSnapLockBottom(Model& m, Drawing& d, const SnapLockPanels& b) {
    const auto [h, p1, p2, p3, p4] = b;
    const SnapLockBottom s = snapLockBottom(m, p1, p2);
    recordPasses(m, SnapLockBodyHalf(d,
                                     {.h = h,
                                      .p1 = p1,
                                      .p2 = p2,
                                      .p3 = p3,
                                      .p4 = p4,
                                      .notch = s.a6,
                                      .depth = s.a7,
                                      .shoulder = s.a8,
                                      .step = s.a9,
                                      .radius = s.a10,
                                      .glue = glueFlapOf(m)},
                                     blankSettingsOf(m)));
}

void lowerHalfGlueOnRight(Model& m, Drawing& d, const std::array<float, 4>& panels,
                          const std::function<void()>& drawReversed) {
    const auto [p1, p2, p3, p4] = panels;
    auto& passes = m.PassesMachine;
    const int first = beginFeature(d);
    drawReversed();
    // Mirrored back above y = 0, then half a turn: end for end, below y = 0 again.
    placeFeature(d, first,
                 {.x = 2 * m.lgPatte + p1 + p2 + p3 + p4, .angle = 180, .mirrored = true});
    using namespace machine_pass;
    passes[width(1)] = p1;
    passes[width(2)] = p2;
    passes[width(3)] = p3;
    passes[width(4)] = p4;
    std::swap(passes[lowerFlap(1)], passes[lowerFlap(2)]);
    std::swap(passes[lowerFlap(3)], passes[lowerFlap(4)]);
}

}  // namespace brontaxe
