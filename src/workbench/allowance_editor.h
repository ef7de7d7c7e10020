#pragma once
// What the allowance editor ("Majorations") does, without the toolkit: it edits the sixteen
// allowances of the style on show in any grade, and that grade's thickness and double wall,
// straight into the model and the tables so that every value taken redraws the blank. Nothing
// is written before "Valider", which saves both tables together; "Abandonner" puts the model
// and both tables back as they were on opening. The caller regenerates when told to.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "workbench/workbench.h"

namespace brontaxe {

// The fields of the editor: allowances 1 to 16, then the thickness and the double wall.
inline constexpr int kThicknessField = 17;
inline constexpr int kDoubleWallField = 18;

// An entry in one field: refused with the reason (the field shows its value again), or taken;
// a taken entry that changed a value asks for a regeneration.
struct EditorEntry {
    std::optional<std::string> refusal;
    bool changed = false;
};

class AllowanceEditor {
  public:
    // Opens on the style of the code box and the grade of the model.
    explicit AllowanceEditor(Workbench& wb);

    std::int16_t styleCode() const { return code_; }
    int grade() const { return wb_.model().NumQualite; }
    std::vector<std::string> gradeLabels() const;

    // The text each field shows for the values in force (a number with a leading blank).
    std::string fieldText(int field) const;
    // "Majoration  k" and, where the style's use of it is known, what it does.
    std::string fieldCaption(int field) const;
    std::string fieldMeaning(int field) const;

    // A grade chosen in the editor's list: the design takes it, with its allowances.
    void selectGrade(int grade);
    // A field left or Enter pressed in it.
    EditorEntry enter(int field, std::string_view text);
    // "Ajouter Profil": a grade added, or the one with that code rewritten; nullopt when done.
    // The editor then shows the new grade (or stays on its own when one was rewritten).
    std::optional<std::string> addGrade(std::string_view code, std::string_view designation,
                                        std::string_view thickness, std::string_view doubleWall);

    // "Valider": both tables saved together; the reason when they could not be, and then
    // neither file changed.
    std::optional<std::string> validate();
    // "Abandonner": the model and the tables as on opening.
    void abandon();

  private:
    EditorEntry enterAllowance(int position, std::string_view text);
    EditorEntry enterGradeValue(int field, std::string_view text);

    Workbench& wb_;
    Workbench::EditState opening_;
    std::int16_t code_ = 0;
};

}  // namespace brontaxe
