#pragma once
// ConfigurationDialog, "Brontaxe - Configuration": the customer profile, the 3D viewer and the
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

struct ConfigurationHost {
    // "Parcourir": the folder dialog and the data-directory change; the new folder or nothing.
    std::function<void()> chooseDataFolder;
    // The grade-deletion dialog.
    std::function<void()> deleteGrade;
    // The regeneration after "Valider".
    std::function<void()> regenerate;
};

class ConfigurationDialog : public QDialog {
    Q_OBJECT
  public:
    ConfigurationDialog(Workbench& wb, ConfigurationHost host, QWidget* parent = nullptr);

    void validate();  // "Valider"
    void browse();    // "Parcourir"

  private:
    Workbench& wb_;
    ConfigurationHost host_;
    QComboBox* profileCombo_ = nullptr;
    QComboBox* viewerCombo_ = nullptr;
    QLineEdit* dataFolderBox_ = nullptr;
};

}  // namespace brontaxe::app
