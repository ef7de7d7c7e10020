#include "params/save_defaults.h"

#include <string_view>
#include <utility>
#include <vector>

#include "model/model_init.h"
#include "platform/number_text.h"

namespace brontaxe {
namespace {

std::string flagText(bool value) {
    return value ? "1" : "0";
}

// The keys in the order of the file, as `Init` reads them.
std::vector<std::pair<std::string_view, std::string>> storedValues(const Model& m) {
    return {
        {"longueur", storedNumberText(m.Longueur)},
        {"largeur", storedNumberText(m.Largeur)},
        {"hauteur", storedNumberText(m.Hauteur)},
        {"senscann", storedNumberText(storedNumber(m.senscann))},
        {"senspass", storedNumberText(storedNumber(m.senspass))},
        {"lgPatte", storedNumberText(m.lgPatte)},
        {"patProlong", storedNumberText(m.patProlong)},
        {"anglPc", storedNumberText(m.anglPc)},
        {"pattesurtete", flagText(m.pattesurtete)},
        {"hrabat", storedNumberText(m.hrabat)},
        {"encoche", storedNumberText(m.encoche)},
        {"decalenc", storedNumberText(m.decalenc)},
        {"hrabat_auto", flagText(m.hrabat_auto)},
        {"rarrondi", storedNumberText(m.rarrondi)},
        {"hrecouvr", storedNumberText(m.hrecouvr)},
        {"hpatrent", storedNumberText(m.hpatrent)},
        {"RcoupPouce", storedNumberText(m.RcoupPouce)},
        {"nbmortaise", storedNumberText(m.nbmortaise)},
        {"lgmortaise", storedNumberText(m.lgmortaise)},
        {"hmortaise", storedNumberText(m.hmortaise)},
        {"RMortaise", storedNumberText(m.RMortaise)},
        {"pmortaise", storedNumberText(m.pmortaise)},
        {"lgtenon", storedNumberText(m.lgtenon)},
        {"htenon", storedNumberText(m.htenon)},
        {"AngTenon", storedNumberText(m.AngTenon)},
        {"Dblmur", storedNumberText(m.Dblmur)},
        {"oblique", flagText(m.oblique)},
        {"DecPatte", storedNumberText(m.DecPatte)},
        {"LPoign", storedNumberText(m.LPoign)},
        {"HPoign", storedNumberText(m.HPoign)},
        {"DPoign", storedNumberText(m.DPoign)},
        {"EPoign", storedNumberText(m.EPoign)},
        {"Sym_Verticale", flagText(m.Sym_Verticale)},
        {"ponts", flagText(m.ponts)},
        {"lgPont", storedNumberText(m.lgPont)},
        {"pasPonts", storedNumberText(m.pasPonts)},
        {"degPonts", storedNumberText(m.degPonts)},
    };
}

}  // namespace

std::string storedNumberText(float value) {
    // Seven digits suit every value typed in a box; a computed single may need up to nine.
    for (int digits = 7; digits < 9; ++digits) {
        std::string text = platform::numberTextBlank(value, digits);
        if (static_cast<float>(platform::leadingNumber(text)) == value)
            return text;
    }
    return platform::numberTextBlank(value, 9);
}

std::optional<std::string> saveDefaults(const Model& m, const platform::PrivateProfile& settings) {
    for (const auto& [key, text] : storedValues(m)) {
        if (!settings.WriteString(kParameterSection, key, text, kParameterFileName))
            return "Impossible d'enregistrer les valeurs par défaut dans " +
                   settings.resolve(std::string(kParameterFileName)).string();
    }
    return std::nullopt;
}

}  // namespace brontaxe
