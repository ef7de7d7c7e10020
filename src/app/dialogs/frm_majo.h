#pragma once
// Frm_Majo, "Majorations": the sixteen allowances of the style on show in a grade, with the
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
struct MajoHost {
    // The regeneration, with the window's grade list and figures brought up to date.
    std::function<void()> modifier;
    // The dimensions to highlight in the drawing (none: no highlight).
    std::function<void(const std::vector<ElementId>&)> highlight;
    std::function<void(const QString&)> showRefusal;
    std::function<void()> help;
};

class Frm_Majo : public QDialog {
    Q_OBJECT
  public:
    Frm_Majo(Workbench& wb, MajoHost host, QWidget* parent = nullptr);
    ~Frm_Majo() override;

    // Fields 1 to 16 are the allowances, then the thickness and the double wall.
    EntryBox* field(int field) const { return fields_[static_cast<std::size_t>(field)]; }
    QLabel* meaning(int position) const { return meanings_[static_cast<std::size_t>(position)]; }
    QComboBox* Cmb_Qual() const { return Cmb_Qual_; }
    const AllowanceEditor& editor() const { return editor_; }

    void cmd_valid_Click();
    void Cmd_Quit_Click();
    void but_ajout_Click();

    // Escape and the window's close button abandon, as "Abandonner" does.
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Cmb_Qual_Click(int index);
    void MajMajo(int field);
    void fillGrades();
    void showValues();
    void showMeanings();
    void highlightField(int field);
    void modifier();

    Workbench& wb_;
    MajoHost host_;
    AllowanceEditor editor_;
    AllowanceEffects effects_{};
    int focused_ = 0;  // the field being edited, 0 when none

    QLineEdit* txt_code_ = nullptr;
    QComboBox* Cmb_Qual_ = nullptr;
    std::array<EntryBox*, kDoubleWallField + 1> fields_{};
    std::array<QLabel*, kAllowanceCount + 1> captions_{};  // Label4
    std::array<QLabel*, kAllowanceCount + 1> meanings_{};
    QLabel* lbMessage_ = nullptr;
};

}  // namespace brontaxe::app
