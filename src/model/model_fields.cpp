#include "model/model_fields.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <variant>

#include "model/field_ranges.h"
#include "platform/number_text.h"
#include "platform/rounding.h"

namespace brontaxe {
namespace {

template <typename T, std::size_t N>
struct ArrayField {
    std::array<T, N> Model::*member;
    int first;
    int last;
};

using FieldRef =
    std::variant<float Model::*, std::int16_t Model::*, bool Model::*, std::string Model::*,
                 AlongAxis Model::*, ProfileChoice Model::*, ArrayField<float, 17>,
                 ArrayField<float, 5>, ArrayField<std::int16_t, 5>>;

struct FieldEntry {
    const char* name;
    FieldRef ref;
};

// Fields a user may set. The generation results and the registry are outputs and left out.
const std::vector<FieldEntry>& fieldTable() {
    static const std::vector<FieldEntry> table = {
        {"Mode3D", &Model::Mode3D},
        {"CodeModele", &Model::CodeModele},
        {"NumModele", &Model::NumModele},
        {"TypeDessus", &Model::TypeDessus},
        {"TypeDessous", &Model::TypeDessous},
        {"Personnalisation", &Model::Personnalisation},
        {"Longueur", &Model::Longueur},
        {"Largeur", &Model::Largeur},
        {"Hauteur", &Model::Hauteur},
        {"ListeFoulages", &Model::ListeFoulages},
        {"NumQualite", &Model::NumQualite},
        {"EpaisseurCarton", &Model::EpaisseurCarton},
        {"Dblmur", &Model::Dblmur},
        {"Majo", ArrayField<float, 17>{&Model::Majo, 1, 16}},
        {"lgPatte", &Model::lgPatte},
        {"patProlong", &Model::patProlong},
        {"anglPc", &Model::anglPc},
        {"pattesurtete", &Model::pattesurtete},
        {"encoche", &Model::encoche},
        {"decalenc", &Model::decalenc},
        {"hrabat", &Model::hrabat},
        {"hrabat_auto", &Model::hrabat_auto},
        {"rarrondi", &Model::rarrondi},
        {"hrecouvr", &Model::hrecouvr},
        {"hpatrent", &Model::hpatrent},
        {"RcoupPouce", &Model::RcoupPouce},
        {"nbmortaise", &Model::nbmortaise},
        {"lgmortaise", &Model::lgmortaise},
        {"hmortaise", &Model::hmortaise},
        {"RMortaise", &Model::RMortaise},
        {"pmortaise", &Model::pmortaise},
        {"lgtenon", &Model::lgtenon},
        {"htenon", &Model::htenon},
        {"AngTenon", &Model::AngTenon},
        {"oblique", &Model::oblique},
        {"DecPatte", &Model::DecPatte},
        {"LPoign", &Model::LPoign},
        {"HPoign", &Model::HPoign},
        {"DPoign", &Model::DPoign},
        {"EPoign", &Model::EPoign},
        {"OptionPoign", &Model::OptionPoign},
        {"NbCases", &Model::NbCases},
        {"OptionCrois", &Model::OptionCrois},
        {"CroisPar1", &Model::CroisPar1},
        {"CroisPar2", &Model::CroisPar2},
        {"CroisPar3", &Model::CroisPar3},
        {"CroisPar4", &Model::CroisPar4},
        {"ponts", &Model::ponts},
        {"lgPont", &Model::lgPont},
        {"pasPonts", &Model::pasPonts},
        {"degPonts", &Model::degPonts},
        {"senscann", &Model::senscann},
        {"senspass", &Model::senspass},
        {"Sym_Verticale", &Model::Sym_Verticale},
        {"CaisseEn2", &Model::CaisseEn2},
        {"CaisseEn4", &Model::CaisseEn4},
        {"AfficheMorceau", ArrayField<std::int16_t, 5>{&Model::AfficheMorceau, 0, 4}},
        {"FmtCartonX", &Model::FmtCartonX},
        {"FmtCartonY", &Model::FmtCartonY},
        {"Marges", ArrayField<float, 5>{&Model::Marges, 0, 4}},
        {"EspPoseX", &Model::EspPoseX},
        {"EspPoseY", &Model::EspPoseY},
        {"NbPoseX", &Model::NbPoseX},
        {"NbPoseY", &Model::NbPoseY},
        {"NbPoses", &Model::NbPoses},
        {"ImposManuelle", &Model::ImposManuelle},
        {"MajoFefco", &Model::MajoFefco},
        {"Soft3D", &Model::Soft3D},
        {"Chemin3D", &Model::Chemin3D},
        {"NomModel", &Model::NomModel},
        {"RepPalette", &Model::RepPalette},
        {"TypePalette", &Model::TypePalette},
    };
    return table;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

struct ParsedName {
    std::string_view base;
    std::optional<int> index;
    bool malformed = false;
};

// "Majo(6)" gives ("Majo", 6); "lgPatte" gives ("lgPatte", none).
ParsedName parseName(std::string_view name) {
    ParsedName p{name, std::nullopt};
    const std::size_t open = name.find('(');
    if (open == std::string_view::npos)
        return p;
    p.base = name.substr(0, open);
    if (name.back() != ')') {
        p.malformed = true;
        return p;
    }
    std::string_view inside = name.substr(open + 1, name.size() - open - 2);
    int index = 0;
    auto res = std::from_chars(inside.data(), inside.data() + inside.size(), index);
    if (res.ec != std::errc() || res.ptr != inside.data() + inside.size()) {
        p.malformed = true;
        return p;
    }
    p.index = index;
    return p;
}

const FieldEntry* findField(std::string_view base) {
    const auto& table = fieldTable();
    auto it = std::find_if(table.begin(), table.end(),
                           [&](const FieldEntry& e) { return equalsNoCase(e.name, base); });
    return it == table.end() ? nullptr : &*it;
}

// A whole text that is a number; the relaxed leading-number reading is for window boxes.
std::optional<double> strictNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.empty())
        return std::nullopt;
    std::string_view digits = text;
    if (digits.front() == '+' || digits.front() == '-')
        digits.remove_prefix(1);
    if (digits.empty() || digits.front() == '+' || digits.front() == '-')
        return std::nullopt;
    double value = 0;
    auto res = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (res.ec != std::errc() || res.ptr != digits.data() + digits.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return text.front() == '-' ? -value : value;
}

std::optional<bool> strictBool(std::string_view text) {
    if (equalsNoCase(text, "true") || equalsNoCase(text, "vrai"))
        return true;
    if (equalsNoCase(text, "false") || equalsNoCase(text, "faux"))
        return false;
    auto n = strictNumber(text);
    if (!n)
        return std::nullopt;
    if (*n == 0)
        return false;
    if (*n == 1 || *n == -1)
        return true;
    return std::nullopt;
}

FieldSetResult badValue(std::string_view name, std::string_view value, const char* expected) {
    return {FieldSetStatus::BadValue, "Valeur incorrecte pour " + std::string(name) + " : \"" +
                                          std::string(value) + "\" (" + expected + " attendu)"};
}

FieldSetResult outOfRange(std::string_view name, double value) {
    if (auto reason = checkFieldValue(name, value))
        return {FieldSetStatus::OutOfRange, *reason};
    return {};
}

}  // namespace

FieldSetResult setField(Model& m, std::string_view name, std::string_view value) {
    const ParsedName parsed = parseName(name);
    const FieldEntry* entry = parsed.malformed ? nullptr : findField(parsed.base);
    if (!entry) {
        return {FieldSetStatus::UnknownField, "Champ inconnu : " + std::string(name)};
    }
    const bool isArray = std::holds_alternative<ArrayField<float, 17>>(entry->ref) ||
                         std::holds_alternative<ArrayField<float, 5>>(entry->ref) ||
                         std::holds_alternative<ArrayField<std::int16_t, 5>>(entry->ref);
    if (isArray != parsed.index.has_value()) {
        return {FieldSetStatus::BadIndex,
                isArray ? "Indice manquant : écrire " + std::string(entry->name) + "(n)"
                        : std::string(entry->name) + " n'est pas un tableau"};
    }
    return std::visit(
        [&](auto ref) -> FieldSetResult {
            using Ref = decltype(ref);
            if constexpr (std::is_same_v<Ref, std::string Model::*>) {
                m.*ref = std::string(value);
                return {};
            } else if constexpr (std::is_same_v<Ref, ProfileChoice Model::*>) {
                m.*ref = ProfileChoice::parse(value);
                return {};
            } else if constexpr (std::is_same_v<Ref, AlongAxis Model::*>) {
                auto n = strictNumber(value);
                auto i = n ? roundToInt16(*n) : std::nullopt;
                if (!i)
                    return badValue(name, value, "0, 1 ou 2");
                if (auto r = outOfRange(entry->name, *i); !r.ok())
                    return r;
                const auto axis = alongAxisOf(*i);
                if (!axis)
                    return badValue(name, value, "0, 1 ou 2");
                m.*ref = *axis;
                return {};
            } else if constexpr (std::is_same_v<Ref, bool Model::*>) {
                auto b = strictBool(value);
                if (!b)
                    return badValue(name, value, "0 ou 1");
                m.*ref = *b;
                return {};
            } else if constexpr (std::is_same_v<Ref, float Model::*>) {
                auto n = strictNumber(value);
                if (!n || std::fabs(*n) > 3.0e38)
                    return badValue(name, value, "un nombre");
                if (auto r = outOfRange(entry->name, *n); !r.ok())
                    return r;
                m.*ref = static_cast<float>(*n);
                return {};
            } else if constexpr (std::is_same_v<Ref, std::int16_t Model::*>) {
                auto n = strictNumber(value);
                auto i = n ? roundToInt16(*n) : std::nullopt;
                if (!i)
                    return badValue(name, value, "un entier de -32768 à 32767");
                if (auto r = outOfRange(entry->name, *i); !r.ok())
                    return r;
                m.*ref = *i;
                return {};
            } else {
                const int index = *parsed.index;
                if (index < ref.first || index > ref.last) {
                    return {FieldSetStatus::BadIndex,
                            "Indice hors limites pour " + std::string(entry->name) + " : " +
                                std::to_string(index) + " (de " + std::to_string(ref.first) +
                                " à " + std::to_string(ref.last) + ")"};
                }
                auto& slot = (m.*(ref.member))[static_cast<std::size_t>(index)];
                auto n = strictNumber(value);
                if constexpr (std::is_same_v<std::remove_reference_t<decltype(slot)>, float>) {
                    if (!n || std::fabs(*n) > 3.0e38)
                        return badValue(name, value, "un nombre");
                    if (auto r = outOfRange(entry->name, *n); !r.ok())
                        return r;
                    slot = static_cast<float>(*n);
                } else {
                    auto i = n ? roundToInt16(*n) : std::nullopt;
                    if (!i)
                        return badValue(name, value, "un entier");
                    if (auto r = outOfRange(entry->name, *i); !r.ok())
                        return r;
                    slot = *i;
                }
                return {};
            }
        },
        entry->ref);
}

std::optional<std::string> fieldText(const Model& m, std::string_view name) {
    const ParsedName parsed = parseName(name);
    const FieldEntry* entry = parsed.malformed ? nullptr : findField(parsed.base);
    if (!entry)
        return std::nullopt;
    return std::visit(
        [&](auto ref) -> std::optional<std::string> {
            using Ref = decltype(ref);
            if constexpr (std::is_same_v<Ref, std::string Model::*>) {
                return m.*ref;
            } else if constexpr (std::is_same_v<Ref, ProfileChoice Model::*>) {
                return (m.*ref).name();
            } else if constexpr (std::is_same_v<Ref, AlongAxis Model::*>) {
                return platform::numberText(storedNumber(m.*ref));
            } else if constexpr (std::is_same_v<Ref, bool Model::*>) {
                return std::string(m.*ref ? "1" : "0");
            } else if constexpr (std::is_same_v<Ref, float Model::*> ||
                                 std::is_same_v<Ref, std::int16_t Model::*>) {
                return platform::numberText(m.*ref);
            } else {
                if (!parsed.index || *parsed.index < ref.first || *parsed.index > ref.last) {
                    return std::nullopt;
                }
                return platform::numberText(
                    (m.*(ref.member))[static_cast<std::size_t>(*parsed.index)]);
            }
        },
        entry->ref);
}

std::vector<std::string> fieldNames() {
    std::vector<std::string> names;
    for (const auto& e : fieldTable()) {
        std::string n = e.name;
        std::visit(
            [&](auto ref) {
                using Ref = decltype(ref);
                if constexpr (!std::is_member_object_pointer_v<Ref>) {
                    n += "(" + std::to_string(ref.first) + ".." + std::to_string(ref.last) + ")";
                }
            },
            e.ref);
        names.push_back(n);
    }
    return names;
}

}  // namespace brontaxe
