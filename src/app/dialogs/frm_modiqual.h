#pragma once
// frm_modiqual, "Suppression Qualité": a board grade deleted with its allowances, the later
// grades renumbered; both tables are saved at once, or neither when they cannot be.

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;

namespace brontaxe {
class Workbench;
}

namespace brontaxe::app {

class frm_modiqual : public QDialog {
    Q_OBJECT
  public:
    frm_modiqual(Workbench& wb, QWidget* parent = nullptr);

    QComboBox* Cmb_Qual() const { return Cmb_Qual_; }
    // "Supprimer ce profil": a failed save is said and the dialog stays open.
    void Command1_Click();

  private:
    void Cmb_Qual_Click(int index);

    Workbench& wb_;
    QComboBox* Cmb_Qual_ = nullptr;
    QLineEdit* txt_code_ = nullptr;
    QLineEdit* txt_epc_ = nullptr;
};

}  // namespace brontaxe::app
