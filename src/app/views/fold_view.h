#pragma once
// The folded blank in a widget: drag to turn it, wheel to zoom.

#include <QWidget>
#include <memory>

#include "app/views/fold_painter.h"
#include "model/model.h"
#include "workbench/workbench.h"

namespace brontaxe::app {

// What the views show: the folded blank of the drawing on screen, and where it stands.
struct FoldScene {
    std::shared_ptr<const fold::FoldedBlank> model;
    fold::Vec3 up{0, 0, 1};
};

// The blank on screen folded as its style folds (`code`, `m`), and what the window says of
// it: why it does not fold yet, or how many faces pass through one another (empty when none).
FoldScene foldScene(const Drawing& d, const std::string& code, const Model& m, QString* note);
// The same for the workbench's design: a blank edited out of its style's faces lies flat, and
// the note says why.
FoldScene foldScene(const Workbench& wb, QString* note);

class FoldView : public QWidget {
    Q_OBJECT
  public:
    explicit FoldView(QWidget* parent = nullptr);

    void setScene(FoldScene scene);
    const FoldScene& scene() const { return scene_; }
    // 0 flat, 1 erected.
    void setFraction(double fraction);
    double fraction() const { return fraction_; }
    FoldCamera& camera() { return camera_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    FoldScene scene_;
    double fraction_ = 1;
    FoldCamera camera_;
    QPointF lastDrag_;
};

}  // namespace brontaxe::app
