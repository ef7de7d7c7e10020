#pragma once
// DeleteGradeDialog, "Suppression Qualité": a board grade deleted with its allowances, the later
// grades renumbered; both tables are saved at once, or neither when they cannot be.

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;

namespace brontaxe {
class Workbench;
}

namespace brontaxe::app {

class DeleteGradeDialog : public QDialog {
    Q_OBJECT
  public:
    DeleteGradeDialog(Workbench& wb, QWidget* parent = nullptr);

    QComboBox* gradeCombo() const { return gradeCombo_; }
    // "Supprimer ce profil": a failed save is said and the dialog stays open.
    void deleteChosenGrade();

  private:
    void gradeChosen(int index);

    Workbench& wb_;
    QComboBox* gradeCombo_ = nullptr;
    QLineEdit* codeBox_ = nullptr;
    QLineEdit* thicknessBox_ = nullptr;
};

}  // namespace brontaxe::app
