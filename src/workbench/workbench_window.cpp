// The main window's handlers that end in a regeneration, without the toolkit.

#include "platform/number_text.h"
#include "platform/rounding.h"
#include "workbench/catalogue.h"
#include "workbench/workbench.h"

namespace brontaxe {

std::vector<std::string> Workbench::familyCodes(int familyNumber) const {
    std::vector<std::string> codes;
    const Family* family = findFamily(familyNumber);
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
    window_.creaseListLayout = usesCreaseListLayout(styleNumber);
    if (!window_.creaseListLayout)
        window_.creaseList.clear();
}

RegenerationReport Workbench::changeStyle(const std::function<void()>& select) {
    const Model model = model_;
    const MainWindowState window = window_;
    std::optional<std::vector<Element>> dieLine = std::move(dieLine_);
    std::optional<std::vector<Element>> edits = std::move(blankEdits_);
    dieLine_.reset();
    blankEdits_.reset();
    select();
    lookUpAllowances();
    RegenerationReport report = regenerate();
    if (report.keptPrevious) {
        dieLine_ = std::move(dieLine);
        blankEdits_ = std::move(edits);
        // What is shown is what is drawn: code, lists, allowances and figures stay together.
        // The code box already held what was typed; the drawn code is the model's.
        model_ = model;
        window_ = window;
        window_.codeText = model_.CodeModele;
    }
    return report;
}

RegenerationReport Workbench::codeBoxLeft() {
    return changeStyle([this] {
        const CodeBoxEntry entry = codeBoxEntry(window_.codeText);
        window_.codeText = entry.text;
        if (entry.topStyle) {
            model_.TypeDessus = *entry.topStyle;
            model_.TypeDessous = *entry.bottomStyle;
            if (window_.familyNumber == 1)
                window_.topBottomEntry = entry.text;
        }
        // The lists follow the code typed.
        if (auto place = findCodeInCatalogue(entry.text)) {
            window_.familyNumber = place->family;
            window_.codeNumber = place->module;
        }
        applyLayoutOf(platform::leadingNumber(entry.text));
    });
}

RegenerationReport Workbench::familyChosen(int familyNumber) {
    if (!findFamily(familyNumber))
        return {};
    // The family's first code that is drawn; a family without any says so.
    const std::vector<std::string> codes = familyCodes(familyNumber);
    int first = 1;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (isDrawn(codes[i])) {
            first = static_cast<int>(i) + 1;
            break;
        }
    }
    const int previous = window_.familyNumber;
    window_.familyNumber = familyNumber;
    RegenerationReport report = codeChosen(first);
    if (report.keptPrevious)
        window_.familyNumber = previous;
    return report;
}

RegenerationReport Workbench::codeChosen(int codeNumber) {
    const std::vector<std::string> codes = familyCodes(window_.familyNumber);
    if (codeNumber < 1 || codeNumber > static_cast<int>(codes.size()))
        return {};
    return changeStyle([this, codeNumber, &codes] {
        window_.codeNumber = codeNumber;
        const std::string& code = codes[static_cast<std::size_t>(codeNumber - 1)];
        const bool topBottom =
            window_.familyNumber == 1 && codeNumber == static_cast<int>(codes.size());
        double styleNumber = platform::leadingNumber(code);
        if (topBottom) {
            // The chooser of the two styles sets TypeDessus and TypeDessous before this.
            window_.topBottomEntry =
                "0" + std::to_string(model_.TypeDessus) + "/0" + std::to_string(model_.TypeDessous);
            window_.codeText = window_.topBottomEntry;
            styleNumber = model_.TypeDessus != 0 ? model_.TypeDessus : model_.TypeDessous;
        } else {
            window_.codeText = code;
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

bool Workbench::familyIsDrawn(int familyNumber) const {
    for (const std::string& code : familyCodes(familyNumber)) {
        if (isDrawn(code))
            return true;
    }
    return false;
}

RegenerationReport Workbench::gradeChosen(int gradeNumber) {
    model_.NumQualite = static_cast<std::int16_t>(gradeNumber);
    lookUpAllowances();
    model_.EPoign = 2 * model_.EpaisseurCarton;
    return regenerate();
}

RegenerationReport Workbench::fluteDirectionChosen(AlongAxis direction) {
    model_.senscann = direction;
    return regenerate();
}

RegenerationReport Workbench::passDirectionChosen(AlongAxis direction) {
    model_.senspass = direction;
    return regenerate();
}

RegenerationReport Workbench::toggleMirror() {
    model_.Sym_Verticale = !model_.Sym_Verticale;
    return regenerate();
}

}  // namespace brontaxe
