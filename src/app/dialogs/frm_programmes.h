#pragma once
// "Brontaxe - Programmes extérieurs": where the 3D viewer, the compression calculator and the
// CAD program are, and the palletisation program's folder and start command (kept in that
// program's own settings file). An empty palletisation command leaves the pallet studies to
// Brontaxe's built-in pattern.

#include <QDialog>

class QLineEdit;

namespace brontaxe {
class Workbench;
}

namespace brontaxe::app {

class frmProgrammes : public QDialog {
    Q_OBJECT
  public:
    explicit frmProgrammes(Workbench& wb, QWidget* parent = nullptr);

    void Valider_Click();

  private:
    Workbench& wb_;
    QLineEdit* txtKorvane3D_ = nullptr;
    QLineEdit* txtKorRcv_ = nullptr;
    QLineEdit* txtKorGeom_ = nullptr;
    QLineEdit* txtCapePath_ = nullptr;
    QLineEdit* txtCapeCmd_ = nullptr;
};

}  // namespace brontaxe::app
