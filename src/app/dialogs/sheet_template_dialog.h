#pragma once
// SheetTemplateDialog, "Modèle Fiche Technique": the technical-sheet template chosen in a file
// chooser of drawings (*.des), shown in a preview drawing as it is clicked, and the customer
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

class SheetTemplateDialog : public QDialog {
    Q_OBJECT
  public:
    SheetTemplateDialog(Workbench& wb, QWidget* parent = nullptr);

    QFileDialog* chooser() const { return chooser_; }
    QLineEdit* pathBox() const { return pathBox_; }
    QLineEdit* personalisationBox() const { return personalisationBox_; }
    DrawingView* previewView() const { return previewView_; }
    const Drawing& preview() const { return preview_; }

    // A file clicked: its path into pathBox and its drawing into the preview.
    void fileClicked(const QString& path);
    void validate();  // "Valider"

  private:
    Workbench& wb_;
    Drawing preview_;
    QFileDialog* chooser_ = nullptr;
    QLineEdit* pathBox_ = nullptr;
    QLineEdit* personalisationBox_ = nullptr;
    DrawingView* previewView_ = nullptr;
};

}  // namespace brontaxe::app
