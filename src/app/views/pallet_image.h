#pragma once
// The pallet assistant's result image: the outside program's picture, or the layer plan the
// built-in pattern drew. It can be dragged with the left button and zoomed by dragging with the
// right one.

#include <QFrame>
#include <QPixmap>
#include <QPoint>

#include "pallet/layer_pattern.h"

class QLabel;

namespace brontaxe::app {

// The layer seen from above: the pallet in wood colour, each unit a box with its number.
QImage drawLayerPlan(const pallet::PalletType& pallet, const pallet::LayerPattern& layer,
                     QSize size);

class PalletImage : public QFrame {
    Q_OBJECT
  public:
    explicit PalletImage(QWidget* parent = nullptr);

    // The picture fitted to the frame; false when it is empty.
    bool showPicture(const QPixmap& picture);
    QLabel* image() const { return image_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fit();
    QLabel* image_ = nullptr;
    QPixmap picture_;
    bool dragging_ = false;
    QPoint grabbed_;  // where the pointer took the image, in image coordinates
    int lastY_ = 0;   // the pointer's height at the previous zoom step
};

}  // namespace brontaxe::app
