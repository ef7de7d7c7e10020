#include "workbench/allowance_editor.h"

#include "board/allowance_captions.h"
#include "board/allowance_lookup.h"
#include "model/number_entry.h"
#include "platform/number_text.h"
#include "platform/text.h"

namespace brontaxe {
namespace {

// The style of a code box: a top/bottom combination edits its top, else its bottom.
std::int16_t editedStyle(const Workbench& wb) {
    const Model& m = wb.model();
    const std::int16_t code = styleNumber(wb.window().codeText, m);
    if (code != 0)
        return code;
    return m.TypeDessus != 0 ? m.TypeDessus : m.TypeDessous;
}

}  // namespace

AllowanceEditor::AllowanceEditor(Workbench& wb)
    : wb_(wb), opening_(wb.editState()), code_(editedStyle(wb)) {}

std::vector<std::string> AllowanceEditor::gradeLabels() const {
    std::vector<std::string> labels;
    const GradeTable& grades = wb_.boardTables().grades();
    for (int g = 1; g <= grades.count(); ++g)
        labels.push_back(grades.at(g).label);
    return labels;
}

std::string AllowanceEditor::fieldText(int field) const {
    const Model& m = wb_.model();
    if (field == kThicknessField)
        return platform::shownNumber(m.EpaisseurCarton);
    if (field == kDoubleWallField)
        return platform::shownNumber(m.Dblmur);
    return platform::shownNumber(m.Majo[static_cast<std::size_t>(field)]);
}

std::string AllowanceEditor::fieldCaption(int field) const {
    if (field == kThicknessField)
        return "Épaisseur Carton : ";
    if (field == kDoubleWallField)
        return "Double Mur :";
    return allowanceLabel(field);
}

std::string AllowanceEditor::fieldMeaning(int field) const {
    if (field < 1 || field > kAllowanceCount)
        return {};
    return allowanceCaptions(code_, wb_.model().pattesurtete)[static_cast<std::size_t>(field)];
}

void AllowanceEditor::selectGrade(int grade) {
    if (grade <= 0)
        return;
    Model& m = wb_.model();
    m.NumQualite = static_cast<std::int16_t>(grade);
    wb_.lookUpAllowances();
    m.EPoign = 2 * m.EpaisseurCarton;
}

EditorEntry AllowanceEditor::enter(int field, std::string_view text) {
    if (field >= 1 && field <= kAllowanceCount)
        return enterAllowance(field, text);
    if (field == kThicknessField || field == kDoubleWallField)
        return enterGradeValue(field, text);
    return {};
}

EditorEntry AllowanceEditor::enterAllowance(int position, std::string_view text) {
    const NumberEntry entry =
        readNumberEntry(text, "Majo", "Majoration " + std::to_string(position) + " incorrecte");
    if (!entry.taken())
        return {entry.refusal, false};
    Model& m = wb_.model();
    const float value = static_cast<float>(*entry.value);
    float& held = m.Majo[static_cast<std::size_t>(position)];
    if (value == held)
        return {};
    held = value;
    wb_.boardTables().storeAllowances(code_, m.NumQualite, m.Majo);
    wb_.allowancesTyped();
    return {std::nullopt, true};
}

EditorEntry AllowanceEditor::enterGradeValue(int field, std::string_view text) {
    const bool thickness = field == kThicknessField;
    const NumberEntry entry = thickness
                                  ? readNumberEntry(text, "EpaisseurCarton", "Épaisseur incorrecte")
                                  : readNumberEntry(text, "Dblmur", "Double mur incorrect");
    if (!entry.taken())
        return {entry.refusal, false};
    Model& m = wb_.model();
    const float value = static_cast<float>(*entry.value);
    if (value == (thickness ? m.EpaisseurCarton : m.Dblmur))
        return {};
    BoardTables& tables = wb_.boardTables();
    if (!tables.grades().holds(m.NumQualite))
        return {std::string("Aucune qualité choisie : ajoutez d'abord un profil"), false};
    if (auto problem = thickness ? tables.setThickness(m.NumQualite, value)
                                 : tables.setDoubleWall(m.NumQualite, value))
        return {problem, false};
    // The grade's own allowances stay as typed; borrowed ones follow the new thickness, and so
    // do the tenons and mortises, as when the grade is chosen.
    const bool own = tables.hasAllowances(code_, m.NumQualite);
    const AllowanceValues typed = m.Majo;
    wb_.lookUpAllowances();
    if (own) {
        m.Majo = typed;
        wb_.allowancesTyped();
    }
    return {std::nullopt, true};
}

std::optional<std::string> AllowanceEditor::addGrade(std::string_view code,
                                                     std::string_view designation,
                                                     std::string_view thickness,
                                                     std::string_view doubleWall) {
    const std::string key = std::string(platform::trimBlanks(code));
    if (key.empty())
        return std::string("Codification vide : le profil a besoin d'un code");
    const NumberEntry t = readNumberEntry(thickness, "EpaisseurCarton", "Épaisseur incorrecte");
    if (!t.taken())
        return t.refusal;
    const NumberEntry dw = readNumberEntry(doubleWall, "Dblmur", "Double mur incorrect");
    if (!dw.taken())
        return dw.refusal;
    BoardTables& tables = wb_.boardTables();
    const int before = tables.grades().count();
    if (auto problem = tables.setGrade(key, std::string(platform::trimBlanks(designation)),
                                       static_cast<float>(*t.value), static_cast<float>(*dw.value)))
        return problem;
    if (tables.grades().count() > before)
        selectGrade(tables.grades().count());
    else
        selectGrade(grade());  // a rewritten grade may be the one on show
    return std::nullopt;
}

std::optional<std::string> AllowanceEditor::validate() {
    if (auto problem = wb_.boardTables().saveTables())
        return problem;
    return wb_.followSavedTables();
}

void AllowanceEditor::abandon() {
    wb_.restoreEditState(opening_);
}

}  // namespace brontaxe
