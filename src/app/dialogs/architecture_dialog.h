#pragma once
// ArchitectureDialog, "Architecture": the top and bottom closures of a combined box, or a lid alone
// ("Couvercle") or a bottom alone ("Fond"), each list beside a picture of its half.

#include <QDialog>

#include "model/model.h"

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

namespace brontaxe::app {

class ArchitectureDialog : public QDialog {
    Q_OBJECT
  public:
    // Shows the model's closures; "OK" writes them back, "Annuler" leaves the window's as they
    // were.
    explicit ArchitectureDialog(Model& model, QWidget* parent = nullptr);

    void caseChosen();
    void lidChosen();
    void bottomChosen();
    void topStyleChosen();
    void bottomStyleChosen();
    void validate();

  private:
    struct Group {
        QFrame* shape = nullptr;  // around the heading, caption, list and picture
        QComboBox* combo = nullptr;
        QLabel* picture = nullptr;
    };
    Group makeGroup(const char* suffix, const QString& heading, const QString& caption, bool top);
    void showPicture(const Group& group, bool top);

    Model& model_;
    QRadioButton* caseButton_ = nullptr;
    QRadioButton* lidButton_ = nullptr;
    QRadioButton* bottomButton_ = nullptr;
    Group top_;
    Group bottom_;
    QPushButton* okButton_ = nullptr;
};

}  // namespace brontaxe::app
