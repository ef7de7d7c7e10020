#include "app/views/preview_image.h"

#include <QMouseEvent>
#include <QPainter>

namespace brontaxe::app {

PreviewImage::PreviewImage(QWidget* parent) : QLabel(parent) {
    setObjectName("Vue3D");
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::StyledPanel);
    setMinimumSize(120, 90);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setCursor(Qt::PointingHandCursor);
    setStyleSheet("color: #8a8a8a;");
}

void PreviewImage::setEmptyText(const QString& text) {
    emptyText_ = text;
    scalePicture();
}

void PreviewImage::load(const QString& path) {
    picture_ = QPixmap();
    if (!path.isEmpty())
        picture_.load(path);
    scalePicture();
}

void PreviewImage::setFold(FoldScene scene) {
    fold_ = std::move(scene);
    update();
}

void PreviewImage::paintEvent(QPaintEvent* event) {
    if (!showsFold()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.fillRect(contentsRect(), Qt::white);
    paintFold(painter, QRectF(contentsRect()).adjusted(4, 4, -4, -4), *fold_.model, 1.0,
              FoldCamera{}, fold_.up);
}

void PreviewImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

void PreviewImage::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    scalePicture();
}

void PreviewImage::scalePicture() {
    if (picture_.isNull()) {
        setPixmap(QPixmap());
        setText(emptyText_);
        return;
    }
    setPixmap(
        picture_.scaled(contentsRect().size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

}  // namespace brontaxe::app
