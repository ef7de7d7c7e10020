#include "styles/style_rules.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/number_text.h"
#include "styles/style_records.h"

namespace brontaxe {
namespace {

std::string ruleMm(float v) {
    return platform::readableNumber(v, "mm");
}

std::optional<std::string> belowMinimum(const char* name, float value, float minimum) {
    if (minimum > 0 && value < minimum)
        return std::string(name) + " trop petite : " + ruleMm(value) +
               ", ce modèle demande au moins " + ruleMm(minimum);
    return std::nullopt;
}

}  // namespace

std::optional<std::string> domainRefusal(std::string_view code, const Model& m) {
    for (auto [name, value] : {std::pair{"Longueur", m.Longueur}, std::pair{"Largeur", m.Largeur},
                               std::pair{"Hauteur", m.Hauteur}}) {
        if (!std::isfinite(value) || value <= 0)
            return std::string("Dimension impossible : ") + name + " " + ruleMm(value) +
                   ", elle doit être positive";
    }
    const StyleRecord* record = findStyleRecord(code);
    if (!record)
        return std::nullopt;
    const StyleDomain& d = record->domain;
    if (auto r = belowMinimum("Longueur", m.Longueur, d.minLength))
        return r;
    if (auto r = belowMinimum("Largeur", m.Largeur, d.minWidth))
        return r;
    if (auto r = belowMinimum("Hauteur", m.Hauteur, d.minHeight))
        return r;
    if (d.widthAtMostLength && m.Largeur > m.Longueur)
        return "Largeur supérieure à la longueur : " + ruleMm(m.Largeur) + " pour " +
               ruleMm(m.Longueur) +
               " ; les rabats de ce modèle se replient sur la longueur et demandent une largeur "
               "au plus égale à la longueur";
    if (d.extra)
        return d.extra(m);
    return std::nullopt;
}

std::vector<FoldPair> declaredFolds(std::string_view code, const Model& m) {
    const StyleRecord* record = findStyleRecord(code);
    if (!record || !record->folds)
        return {};
    return record->folds(m);
}

}  // namespace brontaxe
