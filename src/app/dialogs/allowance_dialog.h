#pragma once
// AllowanceDialog, "Majorations": the sixteen allowances of the style on show in a grade, with the
// grade's thickness and double wall. Every value taken redraws the blank behind the dialog;
// the dimensions the field being edited moves are highlighted in the drawing. "Valider"
// saves both tables, "Abandonner" (or closing) puts the tables and the drawing back.

#include <QDialog>
#include <array>
#include <functional>
#include <vector>

#include "drawing/element_id.h"
#include "workbench/allowance_editor.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace brontaxe::app {

class EntryBox;

// What the dialog needs from the main window.
struct AllowanceDialogHost {
    // The regeneration, with the window's grade list and figures brought up to date.
    std::function<void()> regenerate;
    // The dimensions to highlight in the drawing (none: no highlight).
    std::function<void(const std::vector<ElementId>&)> highlight;
    std::function<void(const QString&)> showRefusal;
    std::function<void()> help;
};

class AllowanceDialog : public QDialog {
    Q_OBJECT
  public:
    AllowanceDialog(Workbench& wb, AllowanceDialogHost host, QWidget* parent = nullptr);
    ~AllowanceDialog() override;

    // Fields 1 to 16 are the allowances, then the thickness and the double wall.
    EntryBox* field(int field) const { return fields_[static_cast<std::size_t>(field)]; }
    QLabel* meaning(int position) const { return meanings_[static_cast<std::size_t>(position)]; }
    QComboBox* gradeCombo() const { return gradeCombo_; }
    const AllowanceEditor& editor() const { return editor_; }

    void validate();
    void abandon();
    void addGrade();

    // Escape and the window's close button abandon, as "Abandonner" does.
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void gradeChosen(int index);
    void fieldLeft(int field);
    void fillGrades();
    void showValues();
    void showMeanings();
    void highlightField(int field);
    void regenerate();

    Workbench& wb_;
    AllowanceDialogHost host_;
    AllowanceEditor editor_;
    AllowanceEffects effects_{};
    int focused_ = 0;  // the field being edited, 0 when none

    QLineEdit* codeBox_ = nullptr;
    QComboBox* gradeCombo_ = nullptr;
    std::array<EntryBox*, kDoubleWallField + 1> fields_{};
    std::array<QLabel*, kAllowanceCount + 1> captions_{};  // Label4
    std::array<QLabel*, kAllowanceCount + 1> meanings_{};
    QLabel* message_ = nullptr;
};

}  // namespace brontaxe::app
