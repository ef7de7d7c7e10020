#include "styles/03/fco300_rules.h"

#include <algorithm>
#include <string_view>

#include "platform/number_text.h"
#include "styles/02/fco200_rules.h"
#include "styles/03/fco300_sizes.h"

namespace brontaxe {
namespace {

std::string bareMm(float v) {
    return platform::readableNumber(v);
}

// A lid whose inside is narrower than the bottom's outside cannot be put on: refused with the
// two sizes, so that the allowances can be put right.
std::optional<std::string> fitRule(std::string_view code, const Model& m) {
    const auto fit = telescopeFit(code, m);
    if (!fit || fit->fits())
        return std::nullopt;
    return "Couvercle trop juste : son intérieur (" + bareMm(fit->outerInsideLength) + " x " +
           bareMm(fit->outerInsideWidth) + "\u00a0mm) ne passe pas sur l'extérieur du fond (" +
           bareMm(fit->innerOutsideLength) + " x " + bareMm(fit->innerOutsideWidth) +
           "\u00a0mm) ; revoir les majorations";
}

// The octagonal trays' walls are joined by laps as wide as the glue flap.
std::optional<std::string> octagonalLapRule(const Model& m) {
    if (m.lgPatte > 0)
        return std::nullopt;
    return "Patte de collage nulle : les parois du plateau octogonal ne seraient pas jointes";
}

}  // namespace

std::optional<std::string> trayLidRule(const Model& m) {
    return fitRule("0300", m);
}

std::optional<std::string> webbedTrayRule(const Model& m) {
    // Each corner's web, folded in two on its diagonal, lies against a wall as far along it as
    // the tray is high: against a shorter wall it would stand out past the corner.
    const float shorter = std::min(m.Longueur, m.Largeur);
    if (m.Hauteur > shorter)
        return "Hauteur supérieure à la largeur : " + bareMm(m.Hauteur) + "\u00a0mm pour " +
               bareMm(shorter) +
               "\u00a0mm ; repliés contre les parois, les coins en soufflet dépasseraient";
    return trayLidRule(m);
}

std::optional<std::string> grownLidRule(const Model& m) {
    return fitRule("0304", m);
}

std::optional<std::string> doubleWallLidRule(const Model& m) {
    // The inner end wall stands H + allowance 6 above its double-wall band.
    const float inner = m.Hauteur + doubleWallAllowances(m).innerEndWall;
    if (inner < m.EpaisseurCarton)
        return "Hauteur trop petite pour la double paroi : la paroi intérieure ferait " +
               bareMm(inner) + "\u00a0mm, il lui faut au moins l'épaisseur du carton (" +
               bareMm(m.EpaisseurCarton) + "\u00a0mm)";
    return fitRule("0331", m);
}

std::optional<std::string> sleeveCapRule(const Model& m) {
    return fitRule("0310", m);
}

std::optional<std::string> bodyCapRule(const Model& m) {
    if (auto r = slottedDomainRule(m))
        return r;
    return fitRule("0312", m);
}

std::optional<std::string> slottedLidRule(const Model& m) {
    if (auto r = slottedDomainRule(m))
        return r;
    return fitRule("0320", m);
}

std::optional<std::string> handHoleBodyRule(const Model& m) {
    if (auto r = slottedLidRule(m))
        return r;
    const SlottedPiece body = slottedBody(m);
    const float depth = m.DPoign + m.HPoign + m.EpaisseurCarton;
    if (body.body < depth)
        return "Hauteur trop petite pour les poignées : le corps de " + bareMm(body.body) +
               "\u00a0mm doit dépasser " + bareMm(depth) +
               "\u00a0mm (distance et hauteur des poignées)";
    const float panel =
        std::min(body.p1 >= body.p2 ? body.p2 : body.p1, body.p1 >= body.p2 ? body.p4 : body.p3);
    const float width = m.LPoign + 2 * m.EpaisseurCarton;
    if (panel < width)
        return "Panneau trop étroit pour les poignées : " + bareMm(panel) +
               "\u00a0mm pour une poignée de " + bareMm(m.LPoign) + "\u00a0mm";
    return std::nullopt;
}

std::optional<std::string> markedLidRule(const Model& m) {
    return fitRule("0330", m);
}

std::optional<std::string> bandTrayRule(const Model& m) {
    if (auto r = octagonalLapRule(m))
        return r;
    return fitRule("0350", m);
}

std::optional<std::string> octagonalLidRule(const Model& m) {
    if (auto r = octagonalLapRule(m))
        return r;
    return fitRule("0351", m);
}

}  // namespace brontaxe
