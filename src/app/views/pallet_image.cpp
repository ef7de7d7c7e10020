#include "app/views/pallet_image.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace brontaxe::app {

QImage drawLayerPlan(const pallet::PalletType& pallet, const pallet::LayerPattern& layer,
                     QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double margin = 12;
    const double scale = std::min((size.width() - 2 * margin) / pallet.length,
                                  (size.height() - 2 * margin) / pallet.width);
    const QPointF origin((size.width() - scale * pallet.length) / 2,
                         (size.height() - scale * pallet.width) / 2);
    const auto rect = [&](double x, double y, double l, double w) {
        return QRectF(origin.x() + x * scale, origin.y() + y * scale, l * scale, w * scale);
    };
    p.setPen(QPen(QColor(120, 80, 40), 1.5));
    p.setBrush(QColor(222, 184, 135));
    p.drawRect(rect(0, 0, pallet.length, pallet.width));
    QFont f = p.font();
    f.setPixelSize(std::max(8, int(std::min(24.0, scale * 60))));
    p.setFont(f);
    int n = 0;
    for (const pallet::PlacedUnit& u : layer.units) {
        const bool turned = u.length < u.width;
        p.setPen(QPen(QColor(90, 60, 30), 1));
        p.setBrush(turned ? QColor(205, 160, 95) : QColor(230, 195, 130));
        const QRectF r = rect(u.x, u.y, u.length, u.width);
        p.drawRect(r);
        if (r.width() > 14 && r.height() > 10) {
            p.setPen(QColor(60, 40, 20));
            p.drawText(r, Qt::AlignCenter, QString::number(++n));
        }
    }
    return image;
}

PalletImage::PalletImage(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    setMinimumSize(280, 200);
    image_ = new QLabel(this);
    image_->setObjectName("Image1");
    image_->setScaledContents(true);
    image_->installEventFilter(this);
    image_->hide();
}

bool PalletImage::showPicture(const QPixmap& picture) {
    if (picture.isNull()) {
        image_->hide();
        return false;
    }
    picture_ = picture;
    image_->setPixmap(picture);
    fit();
    image_->show();
    return true;
}

void PalletImage::fit() {
    if (picture_.isNull())
        return;
    const QSize fitted = picture_.size().scaled(size(), Qt::KeepAspectRatio);
    image_->setGeometry((width() - fitted.width()) / 2, (height() - fitted.height()) / 2,
                        fitted.width(), fitted.height());
}

void PalletImage::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    fit();  // a new frame size starts the picture afresh
}

bool PalletImage::eventFilter(QObject* watched, QEvent* event) {
    if (watched != image_)
        return QFrame::eventFilter(watched, event);
    auto* mouse = dynamic_cast<QMouseEvent*>(event);
    if (!mouse)
        return false;
    const QPoint at = mouse->position().toPoint();
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (!dragging_) {
                grabbed_ = at;
                lastY_ = at.y();
                dragging_ = true;
            }
            return true;
        case QEvent::MouseMove:
            if (!dragging_)
                return false;
            if (mouse->buttons() & Qt::RightButton) {
                // Down enlarges, up shrinks, about the image's middle.
                QRect g = image_->geometry();
                const bool down = at.y() - lastY_ > 0;
                const int shift = int(g.width() * 0.05);
                const double factor = down ? 1.1 : 0.9;
                g.moveTopLeft(g.topLeft() + (down ? QPoint(-shift, -shift) : QPoint(shift, shift)));
                g.setSize(QSize(int(g.width() * factor), int(g.height() * factor)));
                if (g.width() > 8 && g.height() > 8)
                    image_->setGeometry(g);
                lastY_ = at.y();
            } else {
                image_->move(image_->pos() + at - grabbed_);
            }
            return true;
        case QEvent::MouseButtonRelease:
            dragging_ = false;
            return true;
        default:
            return false;
    }
}

}  // namespace brontaxe::app
