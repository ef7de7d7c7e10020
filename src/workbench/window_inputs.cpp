#include "workbench/window_inputs.h"

#include <array>
#include <cmath>

#include "platform/number_text.h"
#include "platform/user_number.h"

namespace brontaxe {
namespace {

struct BoxField {
    const char* field;    // the model field the box stands for
    const char* caption;  // what the status bar calls it
};

constexpr std::array<BoxField, 11> kBoxFields{{
    {"Longueur", "Longueur incorrecte"},
    {"Largeur", "Largeur incorrecte"},
    {"Hauteur", "Hauteur incorrecte"},
    {"FmtCartonX", "Format carton en X incorrect"},
    {"FmtCartonY", "Format carton en Y incorrect"},
    {"Marges", "Marge en X incorrecte"},
    {"Marges", "Marge en Y incorrecte"},
    {"NbPoseX", "Nombre de poses en X incorrect"},
    {"NbPoseY", "Nombre de poses en Y incorrect"},
    {"EspPoseX", "Espace entre poses en X incorrect"},
    {"EspPoseY", "Espace entre poses en Y incorrect"},
}};

bool isPoseCount(NumberBox box) {
    return box == NumberBox::NbPoseX || box == NumberBox::NbPoseY;
}

}  // namespace

bool boxValueDiffers(std::string_view text, float stored) {
    const std::optional<double> typed = platform::readUserNumber(text);
    const double value = typed ? *typed : platform::leadingNumber(text);
    return static_cast<float>(value) != stored;
}

NumberEntry readNumberBox(NumberBox box, std::string_view text) {
    const BoxField& f = kBoxFields[static_cast<std::size_t>(box)];
    NumberEntry entry = readNumberEntry(text, f.field, f.caption);
    // A count of poses is whole: "2,5" is not rounded to some count the user did not ask for.
    if (isPoseCount(box) && entry.taken() && *entry.value != std::trunc(*entry.value)) {
        entry.refusal = std::string(f.caption) + " : " + platform::shownNumber(*entry.value) +
                        " (un nombre entier de 1 à 100)";
        entry.value.reset();
    }
    return entry;
}

std::optional<std::string> fileNameFromCommandLine(std::optional<std::string_view> commandLine) {
    if (!commandLine || commandLine->empty())
        return std::nullopt;
    std::string_view s = *commandLine;
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    if (!s.empty() && s.front() == '"') {
        s.remove_prefix(1);
        if (!s.empty())
            s.remove_suffix(1);
    }
    return std::string(s);
}

}  // namespace brontaxe
