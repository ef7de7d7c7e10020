#pragma once
// frm_choixFT, "Modèle Fiche Technique": the technical-sheet template chosen in a file chooser
// of drawings (*.des), shown in a preview drawing as it is clicked, and the customer
// personalisation. "Valider" stores both in the preferences.

#include <QDialog>

#include "drawing/drawing.h"

class QFileDialog;
class QLineEdit;

namespace brontaxe {
class Workbench;
}

namespace brontaxe::app {

class DrawingView;

class frm_choixFT : public QDialog {
    Q_OBJECT
  public:
    frm_choixFT(Workbench& wb, QWidget* parent = nullptr);

    QFileDialog* chooser() const { return File1_; }
    QLineEdit* Text1() const { return Text1_; }
    QLineEdit* TxtPerso() const { return TxtPerso_; }
    DrawingView* Trazel2() const { return Trazel2_; }
    const Drawing& preview() const { return preview_; }

    // A file clicked: its path into Text1 and its drawing into the preview.
    void File1_Click(const QString& path);
    void Command1_Click();  // "Valider"

  private:
    Workbench& wb_;
    Drawing preview_;
    QFileDialog* File1_ = nullptr;
    QLineEdit* Text1_ = nullptr;
    QLineEdit* TxtPerso_ = nullptr;
    DrawingView* Trazel2_ = nullptr;
};

}  // namespace brontaxe::app
