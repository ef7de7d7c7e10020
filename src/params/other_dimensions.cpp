#include "params/other_dimensions.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/number_text.h"
#include "platform/rounding.h"
#include "platform/text.h"
#include "platform/user_number.h"

namespace brontaxe {
namespace {

template <typename M>
auto* dimensionFieldOf(M& m, int field) {
    using Ptr = decltype(&m.lgPatte);
    switch (field) {
        case 0:
            return Ptr{&m.lgPatte};
        case 1:
            return Ptr{&m.anglPc};
        case 2:
            return Ptr{&m.patProlong};
        case 3:
            return Ptr{&m.encoche};
        case 4:
            return Ptr{&m.decalenc};
        case 5:
            return Ptr{&m.hrabat};
        case 6:
            return Ptr{&m.rarrondi};
        case 7:
            return Ptr{&m.hrecouvr};
        case 8:
            return Ptr{&m.hpatrent};
        case 9:
            return Ptr{&m.RcoupPouce};
        case 10:
            return Ptr{&m.Dblmur};
        case 11:
            return Ptr{&m.htenon};
        case 12:
            return Ptr{&m.lgtenon};
        case 13:
            return Ptr{&m.AngTenon};
        case 14:
            return Ptr{&m.RMortaise};
        case 15:
            return Ptr{&m.pmortaise};
        case 16:
            return Ptr{&m.hmortaise};
        case 17:
            return Ptr{&m.lgmortaise};
        case 18:
            return Ptr{&m.DecPatte};
        case 23:
            return Ptr{&m.CroisPar4};
        case 24:
            return Ptr{&m.CroisPar1};
        case 25:
            return Ptr{&m.CroisPar2};
        case 26:
            return Ptr{&m.CroisPar3};
        case 27:
            return Ptr{&m.LPoign};
        case 28:
            return Ptr{&m.HPoign};
        case 29:
            return Ptr{&m.DPoign};
        case 30:
            return Ptr{&m.EPoign};
        case 31:
            return Ptr{&m.lgPont};
        case 32:
            return Ptr{&m.pasPonts};
        case 33:
            return Ptr{&m.degPonts};
        default:
            return Ptr{nullptr};
    }
}

struct FieldNames {
    const char* name;
    const char* refusal;
};

constexpr FieldNames kFieldNames[kAutreDimFieldCount] = {
    {"lgPatte", "Largeur de patte de collage incorrecte"},
    {"anglPc", "Angle de patte de collage incorrect"},
    {"patProlong", "Prolongement de patte de collage incorrect"},
    {"encoche", "Largeur d'encoche incorrecte"},
    {"decalenc", "Décentrage d'encoche incorrect"},
    {"hrabat", "Hauteur de rabat incorrecte"},
    {"rarrondi", "Rayon d'arrondi incorrect"},
    {"hrecouvr", "Hauteur de recouvrement incorrecte"},
    {"hpatrent", "Hauteur de patte rentrante incorrecte"},
    {"RcoupPouce", "Rayon de coup de pouce incorrect"},
    {"Dblmur", "Largeur de double mur incorrecte"},
    {"htenon", "Hauteur de tenon incorrecte"},
    {"lgtenon", "Longueur de tenon incorrecte"},
    {"AngTenon", "Angle de tenon incorrect"},
    {"RMortaise", "Rayon de mortaise incorrect"},
    {"pmortaise", "Position de mortaise incorrecte"},
    {"hmortaise", "Hauteur de mortaise incorrecte"},
    {"lgmortaise", "Longueur de mortaise incorrecte"},
    {"DecPatte", "Décalage des pattes rentrantes incorrect"},
    {"nbmortaise", "Nombre de tenons/mortaises incorrect"},
    {"", ""},
    {"", ""},
    {"NbCases", "Nombre de cases incorrect"},
    {"CroisPar4", "Profondeur de croisillon incorrecte"},
    {"CroisPar1", "Rayon de croisillon incorrect"},
    {"CroisPar2", "Chanfrein X de croisillon incorrect"},
    {"CroisPar3", "Angle de chanfrein de croisillon incorrect"},
    {"LPoign", "Longueur de poignée incorrecte"},
    {"HPoign", "Hauteur de poignée incorrecte"},
    {"DPoign", "Distance de poignée incorrecte"},
    {"EPoign", "Écart refoulage de poignée incorrect"},
    {"lgPont", "Largeur de pont incorrecte"},
    {"pasPonts", "Pas des ponts incorrect"},
    {"degPonts", "Dégagement des ponts incorrect"},
};

// What a user typed: a decimal comma reads as a point.
double typedNumber(std::string_view text) {
    const std::optional<double> typed = platform::readUserNumber(text);
    return typed ? *typed : platform::leadingNumber(text);
}

}  // namespace

std::string_view autreDimFieldName(int field) {
    return field >= 0 && field < kAutreDimFieldCount ? kFieldNames[field].name : "";
}

std::string_view autreDimRefusalCaption(int field) {
    return field >= 0 && field < kAutreDimFieldCount ? kFieldNames[field].refusal : "";
}

std::string FormatDim(double value) {
    return platform::shownNumber(static_cast<float>(value));
}

float* dimensionField(Model& m, int field) {
    return dimensionFieldOf(m, field);
}
const float* dimensionField(const Model& m, int field) {
    return dimensionFieldOf(m, field);
}

std::int16_t readFieldInteger(std::string_view text) {
    constexpr double lowest = std::numeric_limits<std::int16_t>::min();
    constexpr double highest = std::numeric_limits<std::int16_t>::max();
    const double value = std::clamp(typedNumber(text), lowest, highest);
    return roundToInt16(value).value_or(0);
}

void normaliseForDialog(Model& m) {
    if (m.OptionCrois < 0 || m.OptionCrois > 2)
        m.OptionCrois = 0;
    if (m.nbmortaise < 1)
        m.nbmortaise = 1;
    if (m.NbCases < 1)
        m.NbCases = 2;
}

std::string fieldTextForDialog(const Model& m, int field, std::string_view creaseList) {
    if (const float* value = dimensionField(m, field))
        return FormatDim(*value);
    switch (field) {
        case kFieldNbMortaise:
            return platform::shownNumber(m.nbmortaise);
        case kFieldNbCases:
            return platform::shownNumber(m.NbCases);
        case kFieldCreasesHorizontal:
            return splitCreaseList(creaseList).widthPart;
        case kFieldCreasesVertical:
            return splitCreaseList(creaseList).lengthPart;
        default:
            return {};
    }
}

std::string joinCreaseList(std::string_view horizontal, std::string_view vertical) {
    std::string list(platform::trimBlanks(horizontal));
    const std::string_view v = platform::trimBlanks(vertical);
    if (!v.empty())
        list.append("/").append(v);
    return list;
}

std::optional<std::string> applyFieldEntry(Model& m, int field, std::string_view text) {
    if (float* value = dimensionField(m, field)) {
        *value = static_cast<float>(typedNumber(text));
        return std::nullopt;
    }
    if (field == kFieldNbMortaise) {
        m.nbmortaise = readFieldInteger(text);
        if (m.nbmortaise <= kMaxNbMortaise)
            return std::nullopt;
        m.nbmortaise = kMaxNbMortaise;
        return platform::shownNumber(m.nbmortaise);
    }
    if (field == kFieldNbCases)
        m.NbCases = readFieldInteger(text);
    return std::nullopt;
}

bool flapHeightTyped(Model& m) {
    if (m.BloqueModif || !m.hrabat_auto)
        return false;
    m.hrabat_auto = false;
    return true;
}

std::int16_t handleMode(bool onEndPanel, int option) {
    if (!onEndPanel)
        return 0;
    return static_cast<std::int16_t>(std::clamp(option, 0, 2) + 1);
}

int handleOption(std::int16_t optionPoign) {
    return optionPoign < 1 ? 0 : std::min(optionPoign - 1, 2);
}

}  // namespace brontaxe
