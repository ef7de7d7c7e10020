#pragma once
// "Vue pliée 3D": the blank folded in a window of its own, from flat to erected with a slider
// or an animation, turned with the mouse, and written as a 3D file.

#include <QDialog>
#include <functional>

#include "app/views/fold_view.h"

class QLabel;
class QSlider;
class QPushButton;
class QVariantAnimation;

namespace brontaxe::app {

class FoldWindow : public QDialog {
    Q_OBJECT
  public:
    // `exporter` writes the folded design to the path chosen and returns the failure's text
    // (empty when written).
    FoldWindow(std::function<QString(const QString&)> exporter, QWidget* parent = nullptr);

    // The file the export proposes, asked each time: the design's name and folder.
    void setProposedFile(std::function<QString()> proposedFile) {
        proposedFile_ = std::move(proposedFile);
    }

    // The folded blank of a new drawing, and what is known about its folding.
    void setScene(FoldScene scene, const QString& note);
    FoldView* view() { return view_; }
    QSlider* slider() { return slider_; }
    // Folds from flat to erected.
    void animate();

  private:
    void exportModel();

    FoldView* view_;
    QSlider* slider_;
    QLabel* note_;
    QVariantAnimation* animation_;
    std::function<QString(const QString&)> exporter_;
    std::function<QString()> proposedFile_;
};

}  // namespace brontaxe::app
