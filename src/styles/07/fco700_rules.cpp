#include "styles/07/fco700_rules.h"

#include <algorithm>
#include <array>

#include "builders/crash_lock_body_half.h"
#include "model/model_choices.h"
#include "platform/number_text.h"
#include "styles/02/fco200_lid_common.h"
#include "styles/02/fco200_rules.h"
#include "styles/07/fco700_common.h"
#include "styles/07/fco700_point_table.h"
#include "styles/blank_settings.h"

namespace brontaxe {
namespace {

std::string caseMm(float v) {
    return platform::readableNumber(v, "mm");
}

std::optional<std::string> crashLockRule(const Model& m, const std::array<float, 4>& panels) {
    if (m.CaisseEn2 || fourPieces(m) != FourPieces::None)
        return "Caisse collée : elle se fabrique d'une seule pièce";
    if (auto r = slottedDomainRule(m))
        return r;
    const std::string fault = crashLockFault(slotHalfWidths(m), panels, crashLockSizes(panels));
    if (!fault.empty())
        return fault;
    return std::nullopt;
}

}  // namespace

std::optional<std::string> gluedCaseRule(const Model& m) {
    return crashLockRule(m, gluedBody(m).panels);
}

std::optional<std::string> rule0748(const Model& m) {
    if (auto r = rule0202(m))
        return r;
    return gluedCaseRule(m);
}

std::optional<std::string> liddedGluedCaseRule(const Model& m) {
    const LidBody lid = lidBody(m);
    return crashLockRule(m, {lid.p1, lid.p2, lid.p3, lid.p4});
}

std::optional<std::string> lockTableRule(const Model& m) {
    if (!(m.encoche > 0))
        return "Fond automatique impossible : l'encoche est nulle, le verrou ne peut pas se "
               "former";
    if (auto r = slottedDomainRule(m))
        return r;
    // The lock's tabs stand on half the width with the overlap under them; the glue flap's
    // slanted ends need the body's height; the first panel carries the slanted fold.
    const float W = m.Largeur, L = m.Longueur;
    const float minWidth = 2 * (kLockHeight + std::max(m.hrecouvr, 0.0f) + m.encoche) + 20;
    if (W < minWidth)
        return "Largeur trop petite pour le fond automatique : " + caseMm(W) +
               ", il demande au moins " + caseMm(minWidth);
    const float minLength = std::max(0.7f * W + 10, W / 2 + m.encoche + 10);
    if (L < minLength)
        return "Longueur trop petite pour le fond automatique : " + caseMm(L) +
               ", il demande au moins " + caseMm(minLength) + " pour cette largeur";
    const LockCaseAllowances a = lockCaseAllowances(m);
    const float body = m.Hauteur + a.bodyHeight - a.glueFlapShort;
    const float minBody = m.lgPatte + std::max(m.decalenc, 0.0f) + m.encoche + 10;
    if (body < minBody)
        return "Hauteur trop faible pour la patte de collage : " + caseMm(body) +
               ", elle demande au moins " + caseMm(minBody);
    return std::nullopt;
}

std::optional<std::string> glueTrayRule(const Model& m) {
    const GlueTrayAllowances a = glueTrayAllowances(m);
    const float walls = m.Hauteur + a.height;
    if (!(walls > m.EpaisseurCarton * 2))
        return "Plateau impossible : bords moins hauts que deux épaisseurs de carton";
    // The corners, squares as high as the walls, fold onto the end walls: a corner higher
    // than the end wall is wide would stand out past its far edge.
    const float ends = m.Largeur + a.width;
    if (walls > ends)
        return "Plateau impossible : bords de " + caseMm(walls) +
               " plus hauts que le fond n'est large (" + caseMm(ends) +
               "), les coins dépasseraient les parois de bout";
    return std::nullopt;
}

}  // namespace brontaxe
