#include "app/drawing_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>
#include <variant>

#include "io/overloaded.h"

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
constexpr double kMinScale = 1e-4;
constexpr double kMaxScale = 2000;
// Above this many shapes the pens are drawn one pixel wide (see paintEvent).
constexpr int kThickPenElementLimit = 1500;

QPointF toQ(Point p) {
    return {p.x, p.y};
}

Point middle(Point a, Point b) {
    return (a + b) * 0.5;
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

void DrawingView::setHiddenKinds(std::set<int> kinds) {
    hiddenKinds_ = std::move(kinds);
    drawingChanged();
}

void DrawingView::rebuild() {
    for (QPainterPath& path : strokes_)
        path = QPainterPath();
    arrowheads_ = QPainterPath();
    texts_.clear();
    numbers_.clear();
    shownCount_ = 0;

    const Box blank = drawing_.extents();
    const DimensionStyle style = DimensionStyle::forExtents(blank);
    bounds_ = drawingBounds(drawing_, style);
    int id = kFirstElementId;
    for (const Element& e : drawing_.elements()) {
        const bool hiddenKind =
            hiddenKinds_.count(e.lineKind) != 0 && !std::holds_alternative<DimensionShape>(e.shape);
        if (drawing_.isShown(e) && !hiddenKind && !std::holds_alternative<ContourShape>(e.shape)) {
            addElement(e, id, blank, style);
        }
        ++id;
    }
}

void DrawingView::addElement(const Element& e, int id, const Box& blank,
                             const DimensionStyle& style) {
    const PenRole role = penRoleOf(e);
    QPainterPath& path = strokes_[static_cast<std::size_t>(role)];
    Point numberAt;
    std::visit(io::Overloaded{
                   [&](const LineShape& l) {
                       path.moveTo(toQ(l.a));
                       path.lineTo(toQ(l.b));
                       numberAt = middle(l.a, l.b);
                   },
                   [&](const ArcShape& a) {
                       const QRectF box(a.centre.x - a.radius, a.centre.y - a.radius, 2 * a.radius,
                                        2 * a.radius);
                       // Qt turns clockwise in y-up coordinates: negated angles go our way.
                       path.arcMoveTo(box, -a.startDeg);
                       path.arcTo(box, -a.startDeg, -a.sweepDeg);
                       numberAt = pointOnCircle(a.centre, a.radius, a.startDeg + a.sweepDeg / 2);
                   },
                   [&](const DimensionShape& d) {
                       const DimensionLayout lay = layoutDimension(d, style, blank);
                       path.moveTo(toQ(lay.dimensionLine.a));
                       path.lineTo(toQ(lay.dimensionLine.b));
                       for (const Segment& s : lay.extensionLines) {
                           path.moveTo(toQ(s.a));
                           path.lineTo(toQ(s.b));
                       }
                       if (lay.hasArrows) {
                           for (const Arrowhead& h : lay.arrows) {
                               arrowheads_.moveTo(toQ(h.tip));
                               arrowheads_.lineTo(toQ(h.left));
                               arrowheads_.lineTo(toQ(h.right));
                               arrowheads_.closeSubpath();
                           }
                       }
                       texts_.push_back({lay.textAnchor, QString::fromStdString(lay.text),
                                         lay.textHeight, lay.textAngleDeg, true, role});
                       numberAt = middle(d.p1, d.p2);
                   },
                   [&](const TextShape& t) {
                       texts_.push_back({t.position, QString::fromStdString(t.text), t.height,
                                         t.angleDeg, false, role});
                       numberAt = t.position;
                   },
                   [&](const SheetShape& s) {
                       path.addRect(QRectF(toQ(s.min), toQ(s.max)).normalized());
                       numberAt = s.min;
                   },
                   [](const ContourShape&) {},
                   [&](const SymbolShape& s) {
                       for (const Segment& seg : s.placedStrokes()) {
                           path.moveTo(toQ(seg.a));
                           path.lineTo(toQ(seg.b));
                       }
                       numberAt = s.position;
                   },
               },
               e.shape);
    ++shownCount_;
    numbers_.push_back({numberAt, id});
}

QTransform DrawingView::worldToScreen() const {
    return QTransform(scale_, 0, 0, -scale_, width() / 2.0 - centre_.x * scale_,
                      height() / 2.0 + centre_.y * scale_);
}

QPointF DrawingView::toScreen(Point p) const {
    return worldToScreen().map(toQ(p));
}

Point DrawingView::toWorld(QPointF screen) const {
    const QPointF w = worldToScreen().inverted().map(screen);
    return {w.x(), w.y()};
}

void DrawingView::fitToWindow() {
    fitting_ = true;
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
    // Sheets and helpers first, cuts last, so that the cut line is what one sees on top.
    static constexpr std::array kOrder{
        PenRole::SheetOutline, PenRole::Auxiliary, PenRole::Dimension,   PenRole::SectionLine,
        PenRole::Crease,       PenRole::HalfCut,   PenRole::Perforation, PenRole::PerforatedCrease,
        PenRole::Text,         PenRole::Cut,
    };
    for (PenRole role : kOrder) {
        const QPainterPath& path = strokes_[static_cast<std::size_t>(role)];
        if (path.isEmpty())
            continue;
        QPen pen = pens_.screenPen(role);
        // Qt strokes a pen wider than one pixel through its general stroker, whose cost grows
        // far faster than the path: a 100-pose imposition took a fifth of a second. Large
        // drawings are drawn with one-pixel lines and stay fluid.
        if (shownCount_ > kThickPenElementLimit)
            pen.setWidthF(0);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }
    if (!arrowheads_.isEmpty()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(pens_.pen(PenRole::Dimension).colour);
        painter.drawPath(arrowheads_);
    }
    painter.resetTransform();
    paintTexts(painter);
    if (numbering_)
        paintNumbers(painter);
    paintHighlights(painter);
}

void DrawingView::paintTexts(QPainter& painter) const {
    QFont font("DejaVu Sans");
    const QRectF visible = rect();
    for (const TextItem& t : texts_) {
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
    for (const NumberItem& n : numbers_)
        painter.drawText(toScreen(n.at) + QPointF(2, -2), QString::number(n.id));
}

void DrawingView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (fitting_)
        fitToWindow();
}

void DrawingView::wheelEvent(QWheelEvent* event) {
    const double steps = event->angleDelta().y() / 120.0;
    if (steps != 0)
        zoomAbout(std::pow(1.25, steps), event->position());
    event->accept();
}

void DrawingView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
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
    if (!dragging_)
        return;
    panBy(event->position() - lastMouse_);
    lastMouse_ = event->position();
}

void DrawingView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragging_)
        return;
    dragging_ = false;
    setTool(Tool::None);
}

}  // namespace brontaxe::app
