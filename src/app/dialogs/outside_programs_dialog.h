#pragma once
// "Brontaxe - Programmes extérieurs": where the 3D viewer, the compression calculator, the
// CAD program and the palletisation program Stapelix are, and the palletisation program's folder
// and start command (kept in that program's own settings file). An empty palletisation command
// leaves the pallet studies to Brontaxe's built-in pattern.

#include <QDialog>

class QLineEdit;

namespace brontaxe {
class Workbench;
}

namespace brontaxe::app {

class OutsideProgramsDialog : public QDialog {
    Q_OBJECT
  public:
    explicit OutsideProgramsDialog(Workbench& wb, QWidget* parent = nullptr);

    void validate();

  private:
    Workbench& wb_;
    QLineEdit* korvane3DBox_ = nullptr;
    QLineEdit* korRcvBox_ = nullptr;
    QLineEdit* korGeomBox_ = nullptr;
    QLineEdit* stapelixBox_ = nullptr;
    QLineEdit* capeFolderBox_ = nullptr;
    QLineEdit* capeCommandBox_ = nullptr;
};

}  // namespace brontaxe::app
