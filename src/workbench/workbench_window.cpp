// The main window's handlers that end in a regeneration, without the toolkit.

#include "platform/number_text.h"
#include "platform/rounding.h"
#include "workbench/catalogue.h"
#include "workbench/workbench.h"

namespace brontaxe {

std::vector<std::string> Workbench::familyCodes(int numFamille) const {
    std::vector<std::string> codes;
    const Family* family = findFamily(numFamille);
    if (!family)
        return codes;
    for (std::string_view code : family->codes) {
        codes.emplace_back(code == kTopBottomEntry ? window_.topBottomEntry : std::string(code));
    }
    return codes;
}

// 990 and 991 trade the height box for the creases box, which every other code hides and
// empties.
void Workbench::applyLayoutOf(double styleNumber) {
    window_.refoulageLayout = usesRefoulageLayout(styleNumber);
    if (!window_.refoulageLayout)
        window_.listeFoulages.clear();
}

RegenerationReport Workbench::changeStyle(const std::function<void()>& select) {
    const Model model = model_;
    const MainWindowState window = window_;
    select();
    IniMajo();
    RegenerationReport report = Modifier();
    if (report.keptPrevious) {
        // What is shown is what is drawn: code, lists, allowances and figures stay together.
        // The code box already held what was typed; the drawn code is the model's.
        model_ = model;
        window_ = window;
        window_.txtModel = model_.CodeModele;
    }
    return report;
}

RegenerationReport Workbench::codeBoxLeft() {
    return changeStyle([this] {
        const CodeBoxEntry entry = codeBoxEntry(window_.txtModel);
        window_.txtModel = entry.text;
        if (entry.typeDessus) {
            model_.TypeDessus = *entry.typeDessus;
            model_.TypeDessous = *entry.typeDessous;
            if (window_.NumFamille == 1)
                window_.topBottomEntry = entry.text;
        }
        // The lists follow the code typed.
        if (auto place = findCodeInCatalogue(entry.text)) {
            window_.NumFamille = place->family;
            window_.NumModule = place->module;
        }
        applyLayoutOf(platform::leadingNumber(entry.text));
    });
}

RegenerationReport Workbench::familyChosen(int numFamille) {
    if (!findFamily(numFamille))
        return {};
    // The family's first code that is drawn; a family without any says so.
    const std::vector<std::string> codes = familyCodes(numFamille);
    int first = 1;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (isDrawn(codes[i])) {
            first = static_cast<int>(i) + 1;
            break;
        }
    }
    const int previous = window_.NumFamille;
    window_.NumFamille = numFamille;
    RegenerationReport report = codeChosen(first);
    if (report.keptPrevious)
        window_.NumFamille = previous;
    return report;
}

RegenerationReport Workbench::codeChosen(int numModule) {
    const std::vector<std::string> codes = familyCodes(window_.NumFamille);
    if (numModule < 1 || numModule > static_cast<int>(codes.size()))
        return {};
    return changeStyle([this, numModule, &codes] {
        window_.NumModule = numModule;
        const std::string& code = codes[static_cast<std::size_t>(numModule - 1)];
        const bool topBottom =
            window_.NumFamille == 1 && numModule == static_cast<int>(codes.size());
        double styleNumber = platform::leadingNumber(code);
        if (topBottom) {
            // The chooser of the two styles sets TypeDessus and TypeDessous before this.
            window_.topBottomEntry =
                "0" + std::to_string(model_.TypeDessus) + "/0" + std::to_string(model_.TypeDessous);
            window_.txtModel = window_.topBottomEntry;
            styleNumber = model_.TypeDessus != 0 ? model_.TypeDessus : model_.TypeDessous;
        } else {
            window_.txtModel = code;
        }
        applyLayoutOf(styleNumber);
    });
}

bool Workbench::isDrawn(std::string_view code) const {
    // The last entry of the 02 list, "Haut / Bas" or the combination that replaced it.
    if (code == kTopBottomEntry || code.find('/') != std::string_view::npos)
        return generatorOf(dispatchCode("/", false, 0, 0)) != nullptr;
    return generatorOf(dispatchCode(code, false, 0, 0)) != nullptr;
}

bool Workbench::familyIsDrawn(int numFamille) const {
    for (const std::string& code : familyCodes(numFamille)) {
        if (isDrawn(code))
            return true;
    }
    return false;
}

RegenerationReport Workbench::gradeChosen(int numQualite) {
    model_.NumQualite = static_cast<std::int16_t>(numQualite);
    IniMajo();
    model_.EPoign = 2 * model_.EpaisseurCarton;
    return Modifier();
}

RegenerationReport Workbench::orientationChosen(int option) {
    switch (option) {
        case 0:
        case 1:
        case 2:
            model_.senscann = static_cast<std::int16_t>(option);
            break;
        case 3:
        case 4:
        case 5:
            model_.senspass = static_cast<std::int16_t>(option - 3);
            break;
        default:
            return {};
    }
    return Modifier();
}

RegenerationReport Workbench::toggleSymVerticale() {
    model_.Sym_Verticale = !model_.Sym_Verticale;
    return Modifier();
}

}  // namespace brontaxe
