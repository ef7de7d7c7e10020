#include "model/field_ranges.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

#include "platform/number_text.h"

namespace brontaxe {
namespace {

struct RangeEntry {
    const char* name;
    FieldRange range;
    const char* caption = nullptr;  // the window's own wording, where it has one
};

constexpr double kMaxSize = 10000.0;    // inside dimensions, mm
constexpr double kMaxSheet = 1.0e7;     // sheets, margins and gaps, mm
constexpr double kMaxFeature = 5000.0;  // flaps, holes and other secondary sizes, mm
constexpr FieldRange size(double min, double max) {
    return {min, max, false, "mm"};
}
constexpr FieldRange count(double min, double max) {
    return {min, max, false, ""};
}
constexpr FieldRange angle(double max) {
    return {0, max, false, "°"};
}

// Each range is what a real blank can have, with room to spare: beyond it a value is a typing
// mistake or a damaged file, never a box.
constexpr std::array kRanges{
    RangeEntry{"Longueur", {0, kMaxSize, true, "mm"}, "Longueur incorrecte"},
    RangeEntry{"Largeur", {0, kMaxSize, true, "mm"}, "Largeur incorrecte"},
    RangeEntry{"Hauteur", {0, kMaxSize, true, "mm"}, "Hauteur incorrecte"},
    RangeEntry{"NumModele", count(0, 9999)},
    RangeEntry{"TypeDessus", count(0, 9999)},
    RangeEntry{"TypeDessous", count(0, 9999)},
    RangeEntry{"NumQualite", count(1, 100)},
    RangeEntry{"EpaisseurCarton", {0, 30, true, "mm"}},
    RangeEntry{"Dblmur", size(0, 60)},
    RangeEntry{"Majo", size(-50, 1000)},
    RangeEntry{"lgPatte", size(0, 500)},
    RangeEntry{"patProlong", size(0, 500)},
    RangeEntry{"anglPc", angle(90)},
    RangeEntry{"encoche", size(0, 100)},
    RangeEntry{"decalenc", size(-100, 100)},
    RangeEntry{"hrabat", size(0, kMaxSize)},
    RangeEntry{"rarrondi", size(0, 1000)},
    RangeEntry{"hrecouvr", size(0, kMaxSize)},
    RangeEntry{"hpatrent", size(0, kMaxSize)},
    RangeEntry{"RcoupPouce", size(0, 500)},
    RangeEntry{"nbmortaise", count(0, 3)},
    RangeEntry{"lgmortaise", size(0, 1000)},
    RangeEntry{"hmortaise", size(0, 1000)},
    RangeEntry{"RMortaise", size(0, 500)},
    RangeEntry{"pmortaise", size(0, kMaxFeature)},
    RangeEntry{"lgtenon", size(0, 1000)},
    RangeEntry{"htenon", size(0, 1000)},
    RangeEntry{"AngTenon", angle(89)},
    RangeEntry{"DecPatte", size(0, 1000)},
    RangeEntry{"LPoign", size(0, kMaxFeature)},
    RangeEntry{"HPoign", size(0, 1000)},
    RangeEntry{"DPoign", size(0, kMaxFeature)},
    RangeEntry{"EPoign", size(0, 100)},
    RangeEntry{"OptionPoign", count(0, 3)},
    RangeEntry{"NbCases", count(0, 100)},
    RangeEntry{"OptionCrois", count(0, 10)},
    RangeEntry{"CroisPar1", size(0, kMaxSize)},
    RangeEntry{"CroisPar2", size(0, kMaxSize)},
    RangeEntry{"CroisPar3", angle(89)},  // the chamfer's angle to the edge
    RangeEntry{"CroisPar4", size(0, kMaxSize)},
    RangeEntry{"lgPont", size(0, 10), "Largeur de pont incorrecte"},
    RangeEntry{"pasPonts", size(1, kMaxSheet), "Pas des ponts incorrect"},
    RangeEntry{"degPonts", size(0, 1000), "Dégagement des ponts incorrect"},
    RangeEntry{"senscann", count(0, 2)},  // 0 not shown, 1 and 2 the two directions
    RangeEntry{"senspass", count(0, 2)},
    RangeEntry{"CaisseEn4", count(0, 4)},
    RangeEntry{"AfficheMorceau", count(-1, 1)},
    RangeEntry{"FmtCartonX", size(0, kMaxSheet)},
    RangeEntry{"FmtCartonY", size(0, kMaxSheet)},
    RangeEntry{"Marges", size(0, kMaxSheet)},
    // Poses that overlap are no imposition: two blanks cannot share board.
    RangeEntry{"EspPoseX", size(0, kMaxSheet)},
    RangeEntry{"EspPoseY", size(0, kMaxSheet)},
    RangeEntry{"NbPoseX", count(1, 100)},
    RangeEntry{"NbPoseY", count(1, 100)},
    RangeEntry{"NbPoses", count(1, 10000)},
};

bool rangeNameEquals(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

const RangeEntry* findRange(std::string_view name) {
    const std::string_view base = name.substr(0, name.find('('));
    for (const RangeEntry& e : kRanges) {
        if (rangeNameEquals(e.name, base))
            return &e;
    }
    return nullptr;
}

}  // namespace

bool FieldRange::holds(double value) const {
    if (!std::isfinite(value) || value > max)
        return false;
    return minExcluded ? value > min : value >= min;
}

std::optional<FieldRange> fieldRange(std::string_view name) {
    const RangeEntry* e = findRange(name);
    return e ? std::optional(e->range) : std::nullopt;
}

std::string rangeText(const FieldRange& range) {
    // Whole digits, never the exponent form: users read "10000000 mm", not "1E+07 mm".
    constexpr int kDigits = 15;
    std::string text = "de " + platform::shownNumber(range.min, kDigits);
    if (range.minExcluded)
        text += " exclu";
    text += " à " + platform::shownNumber(range.max, kDigits);
    if (range.unit[0] != '\0')
        text += std::string(platform::kNoBreakSpace) + range.unit;
    return text;
}

std::optional<std::string> checkFieldValue(std::string_view name, double value,
                                           std::string_view caption) {
    const RangeEntry* entry = findRange(name);
    if (!entry || entry->range.holds(value))
        return std::nullopt;
    std::string head(caption);
    if (head.empty())
        head = entry->caption ? entry->caption : "Valeur incorrecte pour " + std::string(name);
    const std::string shown =
        std::isfinite(value) ? platform::shownNumber(value) : std::string("non finie");
    return head + " : " + shown + " (" + rangeText(entry->range) + ")";
}

}  // namespace brontaxe
