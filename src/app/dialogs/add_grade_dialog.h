#pragma once
// AddGradeDialog, "Ajouter Profil Ondulé": a board grade added to the allowance editor's tables, or
// the grade with the same code rewritten. Saved with the editor's "Valider".

#include <QDialog>

class QLabel;
class QLineEdit;

namespace brontaxe {
class AllowanceEditor;
}

namespace brontaxe::app {

class AddGradeDialog : public QDialog {
    Q_OBJECT
  public:
    AddGradeDialog(AllowanceEditor& editor, QWidget* parent = nullptr);

    // Refused entries keep the dialog open with the reason.
    void validate();

  private:
    AllowanceEditor& editor_;
    QLineEdit* codeBox_ = nullptr;
    QLineEdit* designationBox_ = nullptr;
    QLineEdit* thicknessBox_ = nullptr;
    QLineEdit* doubleWallBox_ = nullptr;
    QLabel* message_ = nullptr;
};

}  // namespace brontaxe::app
