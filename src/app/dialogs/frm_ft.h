#pragma once
// frm_FT, "Saisir / Modifier QUESTIONNAIRE Fiche Technique": ten rows of question and answer
// over the technical sheet's fields, a scroll bar to move through them, "Valider" writing the
// answers into the drawing and "Abandon" leaving it as it was.

#include <QDialog>
#include <array>

#include "techsheet/questionnaire.h"

class QLabel;
class QLineEdit;
class QScrollBar;

namespace brontaxe {
class Drawing;
}

namespace brontaxe::app {

class frm_FT : public QDialog {
    Q_OBJECT
  public:
    // `questionnaire` is open on the drawing's sheet.
    frm_FT(Drawing& drawing, Questionnaire questionnaire, QWidget* parent = nullptr);

    QLabel* Qst(int row) const { return Qst_[static_cast<std::size_t>(row)]; }
    QLineEdit* Rep(int row) const { return Rep_[static_cast<std::size_t>(row)]; }
    QScrollBar* VScroll1() const { return VScroll1_; }
    const Questionnaire& questionnaire() const { return questionnaire_; }

    void CmdValider_Click();
    void CmdAbandon_Click();

  private:
    void showRows();
    void Rep_Change(int row);

    Drawing& drawing_;
    Questionnaire questionnaire_;
    bool filling_ = false;  // rows being filled: their changes are no edits
    std::array<QLabel*, Questionnaire::kRows> Qst_{};
    std::array<QLineEdit*, Questionnaire::kRows> Rep_{};
    QScrollBar* VScroll1_ = nullptr;
};

}  // namespace brontaxe::app
