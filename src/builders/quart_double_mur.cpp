#include <algorithm>

#include "builders/emit.h"
#include "builders/hand_hole.h"
#include "builders/panneau_double_mur.h"

namespace brontaxe {
namespace {

// Flap values selecting the double-wall variants.
constexpr float kVariant455 = -455;
constexpr float kVariant4801 = -4801;
constexpr float kVariant4802 = -4802;
constexpr float kVariantLimit = -4800;

struct QuarterSizes {
    float V;  // side-wall height
    float T;  // end-wall height
    float F;  // corner-flap height
    float D;  // double-wall step of the end wall
    float E() const { return F + D; }
};

QuarterSizes quarterSizes(const Model& m, float b, float h, float f) {
    const auto& mj = m.Majo;
    if (f == kVariant455)
        return {h - mj[5] + mj[8], h, h, h - mj[5] + mj[6] + m.Dblmur};
    if (f == kVariant4801) {
        const float T = h - mj[3] + mj[6];
        return {h, T, T, 2 * b - mj[2] + mj[7]};
    }
    if (f == kVariant4802) {
        const float T = h - mj[3] + mj[5];
        return {h, T, T, 2 * b - mj[2] + mj[4]};
    }
    // A negative height (-4800 among them) leaves the side walls without corner flaps.
    return {h, h, std::max(f, 0.0f), 0};
}

void recordPasses(Model& m, const QuarterSizes& s, float a, float b, float f) {
    auto& p = m.PassesMachine;
    p[0] = s.V;
    p[1] = 2 * a;
    p[2] = s.V;
    p[16] = 2 * b;
    const float flaps[] = {s.E(), s.T + s.D, s.E(), 0};
    for (std::size_t i = 0; i < 4; ++i) {
        if (f != kVariant4802)
            p[6 + i] = flaps[i];
        if (f != kVariant4801)
            p[11 + i] = flaps[i];
    }
}

struct Quarter {
    float a, b, s1, s2, top;
    QuarterSizes s;
};

// Creases across the corner flap only where the flap reaches.
void flapCrease(Model&, Drawing& d, const Quarter& q, float y) {
    if (y < q.top - kEps)
        line(d, q.a + q.s2, y, q.a + q.s.V, y);
}

void drawDoubleWallCreases(Model& m, Drawing& d, const Quarter& q, float f, bool acrossFlap) {
    const float b = q.b;
    const float T = q.s.T;
    line(d, 0, b + T, q.a - q.s1, b + T);
    if (acrossFlap)
        flapCrease(m, d, q, b + T);
    if (f == kVariant455) {
        line(d, 0, b + T + m.Dblmur, q.a - q.s1, b + T + m.Dblmur);
        if (acrossFlap)
            flapCrease(m, d, q, b + T + m.Dblmur);
    }
}

void drawCornerCreases(Model& m, Drawing& d, const Quarter& q, float f, bool k1, bool k2, bool k3) {
    const float a = q.a;
    const float b = q.b;
    const float V = q.s.V;
    if (k1)
        line(d, a - q.s1, b, std::max(0.0f, a - q.s1 - V), b + q.s.T);
    if (k2)
        line(d, a, b, a + V, std::max(0.0f, b - V));
    if (k3 && q.top > b + kEps) {
        const float half = m.Longueur / 2;
        float endY = half >= q.s.E() && f >= kVariantLimit ? b + q.s.F : b + half;
        float endX = a + V;
        // A diagonal longer than the flap stops at the flap's top.
        if (endY > q.top && endY > b) {
            endX = a + q.s2 + (endX - a - q.s2) * (q.top - b) / (endY - b);
            endY = q.top;
        }
        line(d, a + q.s2, b, endX, endY);
    }
}

// Half of the side wall's hand-hole, the other half comes with the mirrored quarter.
void drawHandHoleHalf(Model& m, Drawing& d, float a, float h) {
    const int type = m.OptionPoign;
    if (type < 1)
        return;
    checkHandHoleSize(m);
    const float x0 = a + h - m.DPoign;
    const float H = m.HPoign;
    const float c = (m.LPoign - H) / 2;
    d.LineVariant = 1;
    d.LineKind = type == 1 ? kind::Cut : kind::Crease;
    line(d, x0, 0, x0, c);
    d.LineKind = kind::Cut;
    arc(d, {x0 - H / 2, c}, H / 2, 0, 180);
    line(d, x0 - H, c, x0 - H, 0);
    if (type == 3) {
        const float e = m.EPoign;
        chainStart(d, x0, c);
        lineTo(d, x0 + e, c);
        lineTo(d, x0 + e, c + e);
        d.LineKind = kind::Crease;
        line(d, x0 + e, c, x0 + e, 0);
    }
    d.LineKind = kind::Cut;
    d.LineVariant = 1;
}

}  // namespace

void QuartDoubleMur(Model& m, Drawing& d, float a, float b, float h, float f, bool k1, bool k2,
                    bool k3, float x, float y, float angle, float factor) {
    const QuarterSizes s = quarterSizes(m, b, h, f);
    recordPasses(m, s, a, b, f);
    const auto [s1, s2] = slotHalfWidths(m);
    const float E = s.E();
    const float top = E <= a || f <= kVariantLimit ? b + E : b + a;
    const Quarter q{a, b, s1, s2, top, s};

    d.LineVariant = 1;
    d.LineKind = kind::Cut;
    const int first = beginFeature(d);
    chainStart(d, a + s.V, 0);
    lineTo(d, a + s.V, top);
    lineTo(d, a + s2, top);
    lineTo(d, a + s2, b);
    lineTo(d, a - s1, b);
    lineTo(d, a - s1, b + s.T + s.D);
    lineTo(d, 0, b + s.T + s.D);

    d.LineKind = kind::Crease;
    line(d, 0, b, a - s1, b);
    line(d, a + s2, b, a + s.V, b);
    line(d, a, b, a, 0);
    if (s.D > 0) {
        const bool acrossFlap = !(m.Longueur / 2 <= E && f >= kVariantLimit);
        drawDoubleWallCreases(m, d, q, f, acrossFlap);
    }
    drawCornerCreases(m, d, q, f, k1, k2, k3);
    drawHandHoleHalf(m, d, a, h);
    placeFeature(d, first, {.x = x, .y = y, .angle = angle, .mirrored = factor < 0});
}

}  // namespace brontaxe
