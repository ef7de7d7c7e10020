#include "styles/05/fco500_sizes.h"

#include <string>
#include <utility>

#include "builders/emit.h"
#include "drawing/tolerances.h"
#include "platform/number_text.h"

namespace brontaxe {
namespace {

std::string sizeMm(float v) {
    return platform::readableNumber(v, "mm");
}

float sideOf(const Model& m, Side s) {
    return s == Side::Length ? m.Longueur : s == Side::Width ? m.Largeur : m.Hauteur;
}

const char* sideName(Side s) {
    return s == Side::Length ? "longueur" : s == Side::Width ? "largeur" : "hauteur";
}

}  // namespace

SleeveAllowances sleeveAllowances(const Model& m) {
    const auto& k = m.Majo;
    return {.panels = {k[1], k[2], k[3], k[4]}, .height = k[5]};
}

DrawerAllowances drawerAllowances(const Model& m) {
    const auto& k = m.Majo;
    return {.width = k[1],
            .ends = k[2],
            .length = k[5],
            .sleeveHeight = k[6],
            .bottomGap = k[10],
            .sleevePanels = {k[11], k[12], k[13], k[14]}};
}

RingFrame ringFrame(Ring r, bool glueOnSecond) {
    RingFrame f{};
    switch (r) {
        case Ring::Walls:
            f = {Side::Length, Side::Width, Side::Height};
            break;
        case Ring::TopBottomSides:
            f = {Side::Width, Side::Height, Side::Length};
            break;
        case Ring::TopBottomEnds:
            f = {Side::Length, Side::Height, Side::Width};
            break;
    }
    if (glueOnSecond)
        std::swap(f.first, f.second);
    return f;
}

SleeveSizes ringSizes(const Model& m, Ring r, bool glueOnSecond) {
    const SleeveAllowances a = sleeveAllowances(m);
    const RingFrame f = ringFrame(r, glueOnSecond);
    const float first = sideOf(m, f.first), second = sideOf(m, f.second);
    return {{first + a.panels[0], second + a.panels[1], first + a.panels[2], second + a.panels[3]},
            sideOf(m, f.along) + a.height};
}

std::optional<SlidePairing> slidePairing(std::string_view code) {
    struct Row {
        std::string_view code;
        SlidePairing pairing;
    };
    static constexpr Row kPairings[] = {
        {"0504", {Ring::Walls, Ring::TopBottomEnds}},
        {"0505", {Ring::TopBottomSides, Ring::TopBottomEnds}},
        {"0507", {Ring::Walls, Ring::TopBottomSides}},
        {"0508", {Ring::TopBottomSides, Ring::Walls}},
        {"0510", {Ring::TopBottomEnds, Ring::Walls, false}},
    };
    for (const Row& r : kPairings)
        if (r.code == code)
            return r.pairing;
    return std::nullopt;
}

SlidePair slidePair(const Model& m, const SlidePairing& p) {
    const bool glueOnSecond = p.glueMayMove && m.pattesurtete;
    SlidePair s;
    s.outerFrame = ringFrame(p.outer, glueOnSecond);
    s.innerFrame = ringFrame(p.inner, glueOnSecond);
    s.outer = ringSizes(m, p.outer, glueOnSecond);
    for (float& panel : s.outer.p)
        panel += 2 * m.EpaisseurCarton;
    s.inner = ringSizes(m, p.inner, glueOnSecond);
    return s;
}

std::optional<std::string> slideFitRefusal(const Model& m, std::string_view code) {
    const auto pairing = slidePairing(code);
    if (!pairing)
        return std::nullopt;
    const SlidePair s = slidePair(m, *pairing);
    const Side along = s.innerFrame.along;
    const std::size_t first = s.outerFrame.first == along ? 0 : 1;
    for (std::size_t i = first; i < 4; i += 2) {
        const float passage = s.outer.p[i] - m.EpaisseurCarton;
        if (s.inner.h > passage + kPassageFit)
            return "Le fourreau intérieur ne passe pas dans l'extérieur : " + sizeMm(s.inner.h) +
                   " de long pour un passage de " + sizeMm(passage) + " en " + sideName(along) +
                   " ; la majoration 5 doit rester sous les majorations " +
                   std::to_string(i % 2 + 1) + " et " + std::to_string(i % 2 + 3) +
                   " plus l'épaisseur du carton";
    }
    return std::nullopt;
}

SleeveSizes drawerSleeve(const Model& m) {
    const float e = m.EpaisseurCarton;
    const DrawerAllowances a = drawerAllowances(m);
    auto orDefault = [](float allowance, float fallback) {
        return allowance != 0 ? allowance : fallback;
    };
    // The drawer's bottom is W + m1 between its creases and its walls H + m2 high: the sleeve
    // passes round their outside with a board to spare.
    const float aroundWidth = a.width + 2 * e;
    const float aroundHeight = a.ends + 2 * e;
    const auto& p = a.sleevePanels;
    return {{m.Largeur + orDefault(p[0], aroundWidth), m.Hauteur + orDefault(p[1], aroundHeight),
             m.Largeur + orDefault(p[2], aroundWidth), m.Hauteur + orDefault(p[3], aroundHeight)},
            m.Longueur + orDefault(a.sleeveHeight, a.length)};
}

Box registeredBox(const Drawing& d, int first) {
    Box box;
    for (int i = first; i <= d.tracer().count(); ++i) {
        const Element& e = d.element(d.tracer().id(i));
        if (const auto* l = std::get_if<LineShape>(&e.shape)) {
            box.add(l->a);
            box.add(l->b);
        }
    }
    return box;
}

float StripAndSleeve::stripLength() const {
    float total = 0;
    for (float s : segments)
        total += s;
    return total;
}

StripAndSleeve strip0509(const Model& m) {
    const float e = m.EpaisseurCarton;
    const DrawerAllowances a = drawerAllowances(m);
    auto orDefault = [](float allowance, float fallback) {
        return allowance != 0 ? allowance : fallback;
    };
    const float L5 = m.Longueur + a.length;
    const float end = m.Hauteur + a.ends;
    // The half bottoms stop short of each other so that they fold flat.
    const float halfBottom = L5 / 2 - orDefault(a.bottomGap, e / 2);
    StripAndSleeve s;
    s.segments = {halfBottom, end, L5, end, halfBottom};
    s.stripWidth = m.Largeur + a.width;
    // The sleeve goes round the strip's outside (the wrapped length and the flat width), and
    // is no longer than the strip is high.
    const float aroundLength = a.length + 2 * e;
    const float aroundWidth = a.width + 2 * e;
    const auto& p = a.sleevePanels;
    s.sleeve.p = {
        m.Longueur + orDefault(p[0], aroundLength), m.Largeur + orDefault(p[1], aroundWidth),
        m.Longueur + orDefault(p[2], aroundLength), m.Largeur + orDefault(p[3], aroundWidth)};
    s.sleeve.h = m.Hauteur + orDefault(a.sleeveHeight, a.ends + e);
    return s;
}

std::optional<std::string> rule0509(const Model& m) {
    const StripAndSleeve s = strip0509(m);
    const float e = m.EpaisseurCarton;
    if (!(s.segments[0] > 0))
        return std::string(
            "Longueur trop petite : les demi-fonds de la bande n'ont plus de "
            "largeur (majoration 10)");
    const float wrappedLength = s.segments[2] + e;
    for (std::size_t i : {0u, 2u})
        if (s.sleeve.p[i] - e + kPassageFit < wrappedLength)
            return "La bande ne passe pas dans le fourreau : " + sizeMm(wrappedLength) +
                   " de long pour un passage de " + sizeMm(s.sleeve.p[i] - e) +
                   " (majorations 11 et 13)";
    for (std::size_t i : {1u, 3u})
        if (s.sleeve.p[i] - e + kPassageFit < s.stripWidth)
            return "La bande ne passe pas dans le fourreau : " + sizeMm(s.stripWidth) +
                   " de large pour un passage de " + sizeMm(s.sleeve.p[i] - e) +
                   " (majorations 12 et 14)";
    return std::nullopt;
}

float chainSpacing(const Box& box) {
    return static_cast<float>((box.width() + box.height()) / 25);
}

void chainAlongX(Drawing& d, float x0, float y, const std::vector<float>& widths) {
    float x = x0;
    for (float w : widths) {
        if (w > 0)
            dimension(d, {.from = {x, y}, .to = {x + w, y}, .at = {0, y}});
        x += w;
    }
}

void chainAlongY(Drawing& d, float x, float y0, const std::vector<float>& heights) {
    float y = y0;
    for (float h : heights) {
        if (h > 0)
            dimension(d, {.from = {x, y}, .to = {x, y + h}, .at = {x, 0}});
        y += h;
    }
}

}  // namespace brontaxe
