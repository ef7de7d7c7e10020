#include "app/views/drawing_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>
#include <cmath>

namespace brontaxe::app {
namespace {

// Room left around the drawing when it is fitted.
constexpr double kFitMargin = 0.94;
// A drawing under this fraction of the view both ways is fitted again after a regeneration.
constexpr double kLostFraction = 0.1;
// Below this many pixels a text is a smear: it is left out until the user zooms in.
constexpr double kSmallestTextPx = 4.0;
// Dimension values stay readable on screen however far the blank is zoomed out.
constexpr double kSmallestDimensionPx = 11.0;
// The zoom's limits in pixels a millimetre (bounds, not tolerances): ten kilometres still fit
// a window, a tenth of a millimetre fills two hundred pixels.
constexpr double kMinScale = 1e-4;
constexpr double kMaxScale = 2000;
// Above this many shapes the pens are drawn one pixel wide (see paintEvent).
constexpr int kThickPenElementLimit = 1500;

QPointF toViewPoint(Point p) {
    return {p.x, p.y};
}

}  // namespace

DrawingView::DrawingView(const Drawing& drawing, QWidget* parent)
    : QWidget(parent), drawing_(drawing) {
    setObjectName("Trazel1");
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setMinimumSize(240, 180);
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(false);
}

void DrawingView::drawingChanged() {
    rebuild();
    if (fitting_ || lostFromView())
        fitToWindow();
    update();
}

// A new drawing the user could not find in the view as it stands: nothing of it on screen,
// or so small that it would pass for a speck.
bool DrawingView::lostFromView() const {
    if (bounds_.empty || width() <= 0 || height() <= 0)
        return false;
    const QRectF screen =
        QRectF(toScreen({bounds_.xmin, bounds_.ymax}), toScreen({bounds_.xmax, bounds_.ymin}))
            .normalized()
            .adjusted(-1, -1, 1, 1);  // a drawing one line thin still counts
    const QRectF view(0, 0, width(), height());
    if (!screen.intersects(view))
        return true;
    return screen.width() < width() * kLostFraction && screen.height() < height() * kLostFraction;
}

void DrawingView::setPens(const PenSet& pens) {
    pens_ = pens;
    update();
}

void DrawingView::setNumbering(bool on) {
    numbering_ = on;  // the numbers are always collected: only their painting is switched
    update();
}

void DrawingView::setHiddenKinds(std::set<LineKind> kinds) {
    hiddenKinds_ = std::move(kinds);
    drawingChanged();
}

void DrawingView::rebuild() {
    scene_.rebuild(drawing_, hiddenKinds_);
    bounds_ = scene_.bounds();
}

QTransform DrawingView::worldToScreen() const {
    return QTransform(scale_, 0, 0, -scale_, width() / 2.0 - centre_.x * scale_,
                      height() / 2.0 + centre_.y * scale_);
}

QPointF DrawingView::toScreen(Point p) const {
    return worldToScreen().map(toViewPoint(p));
}

Point DrawingView::toWorld(QPointF screen) const {
    const QPointF w = worldToScreen().inverted().map(screen);
    return {w.x(), w.y()};
}

void DrawingView::fitToWindow() {
    // In edit mode "Recadrage" fits once: the edits that follow keep the view.
    fitting_ = !editing_;
    if (bounds_.empty || width() <= 0 || height() <= 0) {
        scale_ = 1;
        centre_ = {};
    } else {
        const double w = std::max(bounds_.width(), 1.0);
        const double h = std::max(bounds_.height(), 1.0);
        scale_ = kFitMargin * std::min(width() / w, height() / h);
        centre_ = {(bounds_.xmin + bounds_.xmax) / 2, (bounds_.ymin + bounds_.ymax) / 2};
    }
    update();
}

void DrawingView::zoomAbout(double factor, QPointF screenPoint) {
    const Point fixed = toWorld(screenPoint);
    scale_ = std::clamp(scale_ * factor, kMinScale, kMaxScale);
    // The point under the cursor stays under it.
    centre_.x = fixed.x - (screenPoint.x() - width() / 2.0) / scale_;
    centre_.y = fixed.y + (screenPoint.y() - height() / 2.0) / scale_;
    fitting_ = false;
    update();
}

void DrawingView::panBy(QPointF screenDelta) {
    centre_.x -= screenDelta.x() / scale_;
    centre_.y += screenDelta.y() / scale_;
    fitting_ = false;
    update();
}

void DrawingView::setTool(Tool tool) {
    tool_ = tool;
    setCursor(tool == Tool::None ? Qt::ArrowCursor : Qt::CrossCursor);
    if (tool != Tool::None)
        fitting_ = false;
}

void DrawingView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setTransform(worldToScreen());
    // Qt strokes a pen wider than one pixel through its general stroker, whose cost grows far
    // faster than the path: a 100-pose imposition took a fifth of a second. Large drawings are
    // drawn with one-pixel lines and stay fluid.
    const bool thin = scene_.shownCount() > kThickPenElementLimit;
    scene_.paintStrokes(
        painter,
        [&](PenRole role) {
            QPen pen = pens_.screenPen(role);
            if (thin)
                pen.setWidthF(0);
            return pen;
        },
        pens_.pen(PenRole::Dimension).colour);
    painter.resetTransform();
    paintTexts(painter);
    if (numbering_)
        paintNumbers(painter);
    paintHighlights(painter);
    if (editing_)
        paintOverlay(painter);
}

void DrawingView::paintTexts(QPainter& painter) const {
    QFont font("DejaVu Sans");
    const QRectF visible = rect();
    for (const DrawingScene::TextItem& t : scene_.texts()) {
        const double px =
            t.centred ? std::max(kSmallestDimensionPx, t.heightMm * scale_) : t.heightMm * scale_;
        if (px < kSmallestTextPx)
            continue;
        const QPointF at = toScreen(t.anchor);
        if (!visible.adjusted(-px * 20, -px * 20, px * 20, px * 20).contains(at))
            continue;
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(px))));
        painter.setFont(font);
        painter.setPen(pens_.pen(t.role).colour);
        painter.save();
        painter.translate(at);
        painter.rotate(-t.angleDeg);
        const double w = t.centred ? painter.fontMetrics().horizontalAdvance(t.text) : 0;
        painter.drawText(QPointF(-w / 2, 0), t.text);
        painter.restore();
    }
}

void DrawingView::paintNumbers(QPainter& painter) const {
    QFont font("DejaVu Sans");
    font.setPixelSize(10);
    painter.setFont(font);
    painter.setPen(QColor(0, 90, 160));
    for (const DrawingScene::NumberItem& n : scene_.numbers())
        painter.drawText(toScreen(n.at) + QPointF(2, -2), QString::number(n.id));
}

void DrawingView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // In edit mode the view keeps its zoom, unless the bars that came round it would crop a
    // blank that was wholly in sight: then it is fitted again, once.
    const bool cropped = editing_ && event->oldSize().isValid() && wholeInView(event->oldSize()) &&
                         !wholeInView(size());
    if (fitting_ || cropped)
        fitToWindow();
}

bool DrawingView::wholeInView(QSize viewSize) const {
    if (bounds_.empty)
        return true;
    // The same transform as worldToScreen, for a view of that size.
    const auto x = [&](double wx) { return viewSize.width() / 2.0 + (wx - centre_.x) * scale_; };
    const auto y = [&](double wy) { return viewSize.height() / 2.0 - (wy - centre_.y) * scale_; };
    const QRectF drawing =
        QRectF(QPointF(x(bounds_.xmin), y(bounds_.ymax)), QPointF(x(bounds_.xmax), y(bounds_.ymin)))
            .normalized();
    return QRectF(0, 0, viewSize.width(), viewSize.height())
        .adjusted(-1, -1, 1, 1)
        .contains(drawing);
}

void DrawingView::wheelEvent(QWheelEvent* event) {
    const double steps = event->angleDelta().y() / 120.0;
    if (steps != 0)
        zoomAbout(std::pow(1.25, steps), event->position());
    event->accept();
}

void DrawingView::setEditing(bool on) {
    editing_ = on;
    editButtonDown_ = false;
    fitting_ = false;
    setMouseTracking(on);
    setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
    setCursor(on ? Qt::CrossCursor : Qt::ArrowCursor);
    if (!on)
        setOverlay({});
    update();
}

void DrawingView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        dragging_ = true;
        lastMouse_ = event->position();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    if (editing_) {
        editButtonDown_ = true;
        emit editPressed(event->position(), event->modifiers());
        return;
    }
    if (tool_ == Tool::ZoomIn || tool_ == Tool::ZoomOut) {
        zoomAbout(tool_ == Tool::ZoomIn ? 2.0 : 0.5, event->position());
        setTool(Tool::None);
        return;
    }
    dragging_ = true;
    lastMouse_ = event->position();
    setCursor(Qt::ClosedHandCursor);
}

void DrawingView::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) {
        panBy(event->position() - lastMouse_);
        lastMouse_ = event->position();
        return;
    }
    if (editing_)
        emit editMoved(event->position(), editButtonDown_);
}

void DrawingView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        dragging_ = false;
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    if (editing_ && editButtonDown_) {
        editButtonDown_ = false;
        emit editReleased(event->position(), event->modifiers());
        return;
    }
    if (!dragging_)
        return;
    dragging_ = false;
    setTool(Tool::None);
}

void DrawingView::keyPressEvent(QKeyEvent* event) {
    if (!editing_) {
        QWidget::keyPressEvent(event);
        return;
    }
    emit editKey(event->key(), event->text());
}

}  // namespace brontaxe::app
