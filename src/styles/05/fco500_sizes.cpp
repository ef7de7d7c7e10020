#include "styles/05/fco500_sizes.h"

#include <cstdio>

#include "builders/emit.h"

namespace brontaxe {
namespace {

std::string mm(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", static_cast<double>(v));
    std::string s(buf);
    if (s.size() > 2 && s.compare(s.size() - 2, 2, ".0") == 0)
        s.resize(s.size() - 2);
    for (char& c : s)
        if (c == '.')
            c = ',';
    return s + " mm";
}

// The passage 0.01 mm tighter than the wrap still counts: the sizes are single precision.
constexpr float kFitTolerance = 0.01f;

std::optional<std::string> fitRefusal(const SlidePair& s, float thickness) {
    const std::size_t first = s.lengthFirst ? 1 : 0;  // the outer sleeve's width panels
    for (std::size_t i = first; i < 4; i += 2) {
        const float passage = s.outer.p[i] - thickness;
        if (s.inner.h > passage + kFitTolerance)
            return "Le fourreau intérieur ne passe pas dans l'extérieur : " + mm(s.inner.h) +
                   " de long pour un passage de " + mm(passage) +
                   " ; la majoration 5 doit rester sous les majorations 2 et 4 plus "
                   "l'épaisseur du carton";
    }
    return std::nullopt;
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

SleeveSizes sleeve0501(const Model& m) {
    const SleeveAllowances a = sleeveAllowances(m);
    const float first = m.pattesurtete ? m.Largeur : m.Longueur;
    const float second = m.pattesurtete ? m.Longueur : m.Largeur;
    return {{first + a.panels[0], second + a.panels[1], first + a.panels[2], second + a.panels[3]},
            m.Hauteur + a.height};
}

SlidePair slidePair(const Model& m, bool glueOnWidth) {
    const float L = m.Longueur, W = m.Largeur, H = m.Hauteur;
    const float grow = 2 * m.EpaisseurCarton;
    const SleeveAllowances a = sleeveAllowances(m);
    SlidePair s;
    s.lengthFirst = !glueOnWidth;
    const float outerA = glueOnWidth ? W : L;
    const float outerB = glueOnWidth ? L : W;
    const float innerA = glueOnWidth ? H : L;
    const float innerB = glueOnWidth ? L : H;
    for (std::size_t i = 0; i < 4; ++i) {
        const float k = a.panels[i];
        s.outer.p[i] = (i % 2 == 0 ? outerA : outerB) + k + grow;
        s.inner.p[i] = (i % 2 == 0 ? innerA : innerB) + k;
    }
    s.outer.h = H + a.height;
    s.inner.h = W + a.height;
    return s;
}

std::optional<std::string> slideFitRefusal(const Model& m) {
    return fitRefusal(slidePair(m, m.pattesurtete), m.EpaisseurCarton);
}

std::optional<std::string> slideFitRefusal0510(const Model& m) {
    return fitRefusal(slidePair(m, false), m.EpaisseurCarton);
}

Box registeredBox(const Model&, const Drawing& d, int first) {
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
        if (s.sleeve.p[i] - e + kFitTolerance < wrappedLength)
            return "La bande ne passe pas dans le fourreau : " + mm(wrappedLength) +
                   " de long pour un passage de " + mm(s.sleeve.p[i] - e) +
                   " (majorations 11 et 13)";
    for (std::size_t i : {1u, 3u})
        if (s.sleeve.p[i] - e + kFitTolerance < s.stripWidth)
            return "La bande ne passe pas dans le fourreau : " + mm(s.stripWidth) +
                   " de large pour un passage de " + mm(s.sleeve.p[i] - e) +
                   " (majorations 12 et 14)";
    return std::nullopt;
}

float chainSpacing(const Box& box) {
    return static_cast<float>((box.width() + box.height()) / 25);
}

void chainAlongX(Model&, Drawing& d, float x0, float y, const std::vector<float>& widths) {
    float x = x0;
    for (float w : widths) {
        if (w > 0)
            dimension(d, {.from = {x, y}, .to = {x + w, y}, .at = {0, y}});
        x += w;
    }
}

void chainAlongY(Model&, Drawing& d, float x, float y0, const std::vector<float>& heights) {
    float y = y0;
    for (float h : heights) {
        if (h > 0)
            dimension(d, {.from = {x, y}, .to = {x, y + h}, .at = {x, 0}});
        y += h;
    }
}

}  // namespace brontaxe
