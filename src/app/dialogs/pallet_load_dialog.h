#pragma once
// PalletLoadDialog, "Brontaxe - Palettisation": what is loaded on the pallet, flat blanks or
// erected and filled cases. A click on either picture chooses and closes.

#include <QDialog>

#include "pallet/pallet_study.h"

class QToolButton;

namespace brontaxe::app {

class PalletLoadDialog : public QDialog {
    Q_OBJECT
  public:
    explicit PalletLoadDialog(QWidget* parent = nullptr);

    // None until a picture is clicked.
    pallet::LoadKind loadKind() const { return loadKind_; }
    void flatBlanksChosen();  // flat blanks
    void casesChosen();       // erected cases

  private:
    pallet::LoadKind loadKind_ = pallet::LoadKind::None;
};

}  // namespace brontaxe::app
