#pragma once
// frm_Config, "Brontaxe - Configuration": the customer profile, the 3D viewer and the
// allowance folder. Nothing is stored before "Valider", except the allowance folder, which
// "Parcourir" changes at once as the "Chemin Majorations" command does.

#include <QDialog>
#include <functional>

class QComboBox;
class QLineEdit;

namespace brontaxe {
class Workbench;
}

namespace brontaxe::app {

struct ConfigHost {
    // "Parcourir": the folder dialog and the data-directory change; the new folder or nothing.
    std::function<void()> chooseDataFolder;
    // The grade-deletion dialog.
    std::function<void()> deleteGrade;
    // The regeneration after "Valider".
    std::function<void()> modifier;
};

class frm_Config : public QDialog {
    Q_OBJECT
  public:
    frm_Config(Workbench& wb, ConfigHost host, QWidget* parent = nullptr);

    void Command1_Click();  // "Valider"
    void Command3_Click();  // "Parcourir"

  private:
    Workbench& wb_;
    ConfigHost host_;
    QComboBox* CmbPerso_ = nullptr;
    QComboBox* cb3D_ = nullptr;
    QLineEdit* txtMajo_ = nullptr;
};

}  // namespace brontaxe::app
