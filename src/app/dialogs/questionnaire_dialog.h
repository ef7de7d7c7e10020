#pragma once
// QuestionnaireDialog, "Saisir / modifier le questionnaire de la fiche technique": ten rows of
// question and answer over the technical sheet's fields, a scroll bar to move through them,
// "Valider" writing the answers into the drawing and "Abandon" leaving it as it was.

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

class QuestionnaireDialog : public QDialog {
    Q_OBJECT
  public:
    // `questionnaire` is open on the drawing's sheet.
    QuestionnaireDialog(Drawing& drawing, Questionnaire questionnaire, QWidget* parent = nullptr);

    QLabel* question(int row) const { return questions_[static_cast<std::size_t>(row)]; }
    QLineEdit* answer(int row) const { return answers_[static_cast<std::size_t>(row)]; }
    QScrollBar* scrollBar() const { return scrollBar_; }
    const Questionnaire& questionnaire() const { return questionnaire_; }

    void validate();
    void abandon();

  private:
    void showRows();
    void answerEdited(int row);

    Drawing& drawing_;
    Questionnaire questionnaire_;
    bool filling_ = false;  // rows being filled: their changes are no edits
    std::array<QLabel*, Questionnaire::kRows> questions_{};
    std::array<QLineEdit*, Questionnaire::kRows> answers_{};
    QScrollBar* scrollBar_ = nullptr;
};

}  // namespace brontaxe::app
