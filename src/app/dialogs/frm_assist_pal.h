#pragma once
// frmAssistPal, "Brontaxe - Optimisation Palette": the load unit, the pallet and its limits,
// then "Calcul / Optimisation" by the outside palletisation program when its settings name
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

class frmAssistPal : public QDialog {
    Q_OBJECT
  public:
    // `styleText` is the main window's style list text; `vue3D` its preview picture.
    frmAssistPal(Workbench& wb, pallet::LoadKind kind, const QString& styleText,
                 const QPixmap& vue3D, QWidget* parent = nullptr);

    void Command1_Click();  // "Calcul / Optimisation"
    void Combo2_Click();    // another pallet: its description
    bool usesOutsideProgram() const { return outside_; }
    pallet::PalletStudy study() const;
    const pallet::ResultGrid& results() const { return grid_; }

  private:
    QWidget* buildInputs(const QPixmap& vue3D);
    QGroupBox* buildResults();
    void startValues(const QString& styleText);
    bool runOutsideProgram(const pallet::PalletStudy& s);
    bool runBuiltIn(const pallet::PalletStudy& s);
    void showResults();
    void LitResultats(const pallet::ResultGrid& grid);

    Workbench& wb_;
    pallet::LoadKind kind_;
    platform::EnvironmentLookup env_;
    bool outside_ = false;
    pallet::ResultGrid grid_;

    QLineEdit* Text1_ = nullptr;
    QLineEdit *Text46_ = nullptr, *Text56_ = nullptr, *Text66_ = nullptr;
    QLineEdit *Text47_ = nullptr, *Text57_ = nullptr;
    QLabel *lbHauteur_ = nullptr, *lbPoids_ = nullptr, *lbPoidsNet_ = nullptr,
           *lbPoidsNetUnit_ = nullptr;
    QComboBox* Combo2_ = nullptr;
    QLabel* lblPalet_ = nullptr;
    std::array<QLineEdit*, 2> Tpal_{};
    std::array<QLineEdit*, 3> Text3_{};
    QWidget* reportSettings_ = nullptr;
    std::array<QLineEdit*, 2> Tcam_{};
    QComboBox* Combo3_ = nullptr;
    QLabel* lblCalcul_ = nullptr;
    QLabel* lblPlan_ = nullptr;
    QWidget* inputs_ = nullptr;
    QPushButton* Command1_ = nullptr;
    QGroupBox* results_ = nullptr;
    std::array<QLineEdit*, 23> Text2_{};
    std::array<QLineEdit*, 2> Text4_{};
    PalletImage* image_ = nullptr;
};

}  // namespace brontaxe::app
