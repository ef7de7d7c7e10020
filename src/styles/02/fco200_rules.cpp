#include "styles/02/fco200_rules.h"

#include <algorithm>

#include "builders/emit.h"
#include "platform/number_text.h"
#include "styles/02/fco200_common.h"
#include "styles/blank_settings.h"

namespace brontaxe {
namespace {

// Narrower slots than this give knives closer than a die can hold apart.
constexpr float kNarrowestSlot = 1;

std::string mm(float v) {
    return platform::readableNumber(v, "mm");
}

// The flaps of a slotted body by the panel kind that carries them, with the opening each
// folds across: length-panel flaps fold across the width, width-panel flaps across the length.
std::vector<FoldPair> byPanelKind(const Model& m, const SlottedBody& b, FoldFit lengthFit,
                                  FoldFit widthFit, float lengthOverlap = 0) {
    const bool lengthFirst = !m.pattesurtete;
    const float onLength = lengthFirst ? b.f1 : b.f2;
    const float onWidth = lengthFirst ? b.f2 : b.f1;
    const float acrossWidth = lengthFirst ? b.p2 : b.p1;
    const float acrossLength = lengthFirst ? b.p1 : b.p2;
    return {
        {"rabats des panneaux de longueur", onLength, onLength, acrossWidth + lengthOverlap,
         lengthFit},
        {"rabats des panneaux de largeur", onWidth, onWidth, acrossLength, widthFit},
    };
}

}  // namespace

std::optional<std::string> slottedDomainRule(const Model& m) {
    const auto [a, b] = slotHalfWidths(m);
    if (a < 0 || b < 0)
        return "Encoche impossible : largeur de fente négative (" + mm(a + b) + ")";
    if (a + b > 0 && a + b < kNarrowestSlot)
        return "Encoche trop étroite : " + mm(a + b) + ", une fente mesure 0 mm (une simple " +
               "coupe) ou au moins " + mm(kNarrowestSlot);
    const SlottedBody body = slottedPanels(m);
    const float narrowest = std::min({body.p1, body.p2, body.p3, body.p4});
    if (narrowest <= a + b)
        return "Encoche trop large : la fente de " + mm(a + b) +
               " doit rester plus étroite que le panneau le plus court (" + mm(narrowest) + ")";
    return std::nullopt;
}

std::optional<std::string> glueFlapRule(const Model& m) {
    if (auto r = slottedDomainRule(m))
        return r;
    // The glue flap starts beyond the half slot beside it: a narrower one turns inside out.
    const float halfSlot = slotHalfWidths(m).first;
    if (m.lgPatte > 0 && m.lgPatte < halfSlot + kNarrowestSlot)
        return "Patte de collage trop étroite : " + mm(m.lgPatte) + ", elle doit dépasser " +
               "la demi-fente de " + mm(halfSlot) + " d'au moins " + mm(kNarrowestSlot);
    return std::nullopt;
}

std::optional<std::string> wrapDomainRule(const Model& m) {
    if (auto r = slottedDomainRule(m))
        return r;
    const auto [a, b] = slotHalfWidths(m);
    if (a + b < kNarrowestSlot)
        return "Encoche nulle impossible pour ce modèle : la fente doit mesurer au moins " +
               mm(kNarrowestSlot);
    return std::nullopt;
}

std::optional<std::string> slotRequiredRule(const Model& m) {
    if (auto r = wrapDomainRule(m))
        return r;
    return glueFlapRule(m);
}

std::optional<std::string> tuckRule(const Model& m) {
    if (auto r = glueFlapRule(m))
        return r;
    if (!(m.hpatrent > std::max(m.rarrondi, 0.0f)))
        return "Rabat rentrant trop court : " + mm(m.hpatrent) +
               ", il doit dépasser le rayon de ses coins arrondis (" + mm(m.rarrondi) + ")";
    return std::nullopt;
}

std::optional<std::string> coverRule(const Model& m) {
    if (auto r = slotRequiredRule(m))
        return r;
    if (m.hpatrent < 1)
        return "Rabat rentrant trop court : " + mm(m.hpatrent) + ", il doit mesurer au moins " +
               mm(1);
    return std::nullopt;
}

std::optional<std::string> carryRule(const Model& m) {
    if (auto r = slotRequiredRule(m))
        return r;
    if (m.DPoign < m.EpaisseurCarton)
        return "Poignée trop près du bord : " + mm(m.DPoign) +
               ", elle doit rester à au moins l'épaisseur du carton (" + mm(m.EpaisseurCarton) +
               ") du bord de la poignée";
    return std::nullopt;
}

std::optional<std::string> rule0205(const Model& m) {
    if (auto r = glueFlapRule(m))
        return r;
    if (m.Longueur > 2 * m.Largeur)
        return "Longueur supérieure au double de la largeur : " + mm(m.Longueur) + " pour " +
               mm(m.Largeur) +
               " ; les rabats d'une demi-longueur dépasseraient la largeur de la boîte";
    return std::nullopt;
}

std::optional<std::string> rule0202(const Model& m) {
    if (auto r = glueFlapRule(m))
        return r;
    if (m.Largeur + m.hrecouvr > m.Longueur)
        return "Largeur trop grande pour le recouvrement : " + mm(m.Largeur) + " + " +
               mm(m.hrecouvr) + " dépasse la longueur de " + mm(m.Longueur) +
               " ; les rabats des panneaux de largeur se chevaucheraient";
    return std::nullopt;
}

std::optional<std::string> rule0214(const Model& m) {
    if (auto r = glueFlapRule(m))
        return r;
    const float body = 2 * slottedPanels(m).h;
    if (!(m.hrabat > 0 && m.hrabat < body))
        return "Rebord rentrant impossible : " + mm(m.hrabat) +
               ", il doit rester moins haut que la caisse (" + mm(body) + ")";
    return std::nullopt;
}

std::vector<FoldPair> regularFolds(const Model& m) {
    return byPanelKind(m, regularFlaps(m), FoldFit::Meet, FoldFit::NoCollision);
}

std::vector<FoldPair> overlappingFolds(const Model& m) {
    const SlottedAllowances a = slottedAllowances(m);
    SlottedBody b = slottedPanels(m);
    const float base = roundedFlap((m.Largeur + m.hrecouvr) / 2);
    b.f1 = base + a.oddFlaps;
    b.f2 = base + a.evenFlaps;
    return byPanelKind(m, b, FoldFit::Meet, FoldFit::NoCollision, m.hrecouvr);
}

std::vector<FoldPair> centreSpecialFolds(const Model& m) {
    const SlottedAllowances a = slottedAllowances(m);
    SlottedBody b = slottedPanels(m);
    setFlapsByPanelKind(m, b, roundedFlap(m.Largeur / 2) + a.oddFlaps,
                        roundedFlap(m.Longueur / 2) + a.evenFlaps);
    return byPanelKind(m, b, FoldFit::Meet, FoldFit::Meet);
}

std::vector<FoldPair> folds0205(const Model& m) {
    const SlottedAllowances a = slottedAllowances(m);
    SlottedBody b = slottedPanels(m);
    const float base = roundedFlap(m.Longueur / 2);
    b.f1 = base + a.oddFlaps;
    b.f2 = base + a.evenFlaps;
    std::vector<FoldPair> pairs = byPanelKind(m, b, FoldFit::NoCollision, FoldFit::Meet);
    // The length flaps overlap by design: each one alone must not reach past the far wall.
    FoldPair& across = pairs.front();
    across.what = "rabat d'un panneau de longueur";
    across.depthB = 0;
    return pairs;
}

std::vector<FoldPair> folds0212(const Model& m) {
    // The lidded body keeps its panels in order whatever side the glue flap is on.
    const SlottedBody b = regularBottomFlaps(m);
    return {
        {"rabats du fond sur les panneaux de longueur", b.f1, b.f1, b.p2, FoldFit::Meet},
        {"rabats du fond sur les panneaux de largeur", b.f2, b.f2, b.p1, FoldFit::NoCollision},
    };
}

}  // namespace brontaxe
