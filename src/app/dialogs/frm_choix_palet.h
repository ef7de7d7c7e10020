#pragma once
// frmChoixPalet, "Brontaxe - Palettisation": what is loaded on the pallet, flat blanks or
// erected and filled cases. A click on either picture chooses and closes.

#include <QDialog>

#include "pallet/pallet_study.h"

class QToolButton;

namespace brontaxe::app {

class frmChoixPalet : public QDialog {
    Q_OBJECT
  public:
    explicit frmChoixPalet(QWidget* parent = nullptr);

    // None until a picture is clicked.
    pallet::LoadKind TypePalette() const { return TypePalette_; }
    void Image1_Click();  // flat blanks
    void Image2_Click();  // erected cases

  private:
    pallet::LoadKind TypePalette_ = pallet::LoadKind::None;
};

}  // namespace brontaxe::app
