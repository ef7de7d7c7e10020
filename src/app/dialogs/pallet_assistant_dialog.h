#pragma once
// PalletAssistantDialog, "Brontaxe - Optimisation Palette": the load unit, the pallet and its
// limits, then "Calcul / Optimisation" by the outside palletisation program when its settings name
// one, else by Brontaxe's own layer pattern; the results fill one grid and one image either way.

#include <QDialog>
#include <array>

#include "pallet/pallet_study.h"
#include "pallet/result_grid.h"
#include "platform/paths.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace brontaxe {
class Workbench;
}

namespace brontaxe::app {

class PalletImage;

class PalletAssistantDialog : public QDialog {
    Q_OBJECT
  public:
    // `styleText` is the main window's style list text; `preview` its preview picture.
    PalletAssistantDialog(Workbench& wb, pallet::LoadKind kind, const QString& styleText,
                          const QPixmap& preview, QWidget* parent = nullptr);

    void compute();       // "Calcul / Optimisation"
    void palletChosen();  // another pallet: its description
    bool usesOutsideProgram() const { return outside_; }
    pallet::PalletStudy study() const;
    const pallet::ResultGrid& results() const { return grid_; }

  private:
    QWidget* buildInputs(const QPixmap& preview);
    QGroupBox* buildResults();
    void startValues(const QString& styleText);
    bool runOutsideProgram(const pallet::PalletStudy& s);
    bool runBuiltIn(const pallet::PalletStudy& s);
    void showResults();
    void readResults(const pallet::ResultGrid& grid);

    Workbench& wb_;
    pallet::LoadKind kind_;
    platform::EnvironmentLookup env_;
    bool outside_ = false;
    pallet::ResultGrid grid_;

    QLineEdit* styleBox_ = nullptr;
    QLineEdit *lengthBox_ = nullptr, *widthBox_ = nullptr, *heightBox_ = nullptr;
    QLineEdit *grossWeightBox_ = nullptr, *netWeightBox_ = nullptr;
    QLabel *heightCaption_ = nullptr, *grossWeightCaption_ = nullptr, *netWeightCaption_ = nullptr,
           *netWeightUnit_ = nullptr;
    QComboBox* palletCombo_ = nullptr;
    QLabel* palletDescription_ = nullptr;
    std::array<QLineEdit*, 2> palletLimitBoxes_{};
    std::array<QLineEdit*, 3> reportBoxes_{};
    QWidget* reportSettings_ = nullptr;
    std::array<QLineEdit*, 2> truckLimitBoxes_{};
    QComboBox* truckCombo_ = nullptr;
    QLabel* methodNote_ = nullptr;
    QLabel* planSource_ = nullptr;
    QWidget* inputs_ = nullptr;
    QPushButton* computeButton_ = nullptr;
    QGroupBox* results_ = nullptr;
    std::array<QLineEdit*, 23> resultBoxes_{};
    std::array<QLineEdit*, 2> fillBoxes_{};
    PalletImage* image_ = nullptr;
};

}  // namespace brontaxe::app
