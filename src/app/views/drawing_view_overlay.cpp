// The edit mode over the drawing: the selection in a wide blue pen, the rubber band in thin
// dashes, the snap marker as a square with its name, and the selection window (solid when it
// takes what lies inside, dashed when it takes what it crosses). Sizes are in pixels so that
// they show at any zoom.

#include <QPainter>

#include "app/views/drawing_view.h"
#include "drawing/contour.h"

namespace brontaxe::app {
namespace {

const QColor kSelected(0, 110, 230, 200);
const QColor kPreview(200, 0, 160);
const QColor kSnap(0, 150, 60);
const QColor kWindowInside(0, 90, 200);
const QColor kWindowCrossing(0, 150, 60);
constexpr double kSelectedWidthPx = 4;
constexpr double kSnapHalfSidePx = 6;

void addStroke(QPainterPath& path, const Element& e) {
    if (const auto* l = std::get_if<LineShape>(&e.shape)) {
        path.moveTo(l->a.x, l->a.y);
        path.lineTo(l->b.x, l->b.y);
    } else if (const auto* a = std::get_if<ArcShape>(&e.shape)) {
        const std::vector<Segment> chords = flattenArc(*a, kScreenChordTolerance);
        if (chords.empty())
            return;
        path.moveTo(chords.front().a.x, chords.front().a.y);
        for (const Segment& s : chords)
            path.lineTo(s.b.x, s.b.y);
    } else if (const auto* t = std::get_if<TextShape>(&e.shape)) {
        // A text is shown selected by a cross on its reference point.
        path.moveTo(t->position.x - 1, t->position.y);
        path.lineTo(t->position.x + 1, t->position.y);
        path.moveTo(t->position.x, t->position.y - 1);
        path.lineTo(t->position.x, t->position.y + 1);
    }
}

QPainterPath strokesOf(const std::vector<Element>& elements) {
    QPainterPath path;
    for (const Element& e : elements)
        addStroke(path, e);
    return path;
}

}  // namespace

void DrawingView::setOverlay(EditOverlay overlay) {
    if (overlay.selected != overlay_.selected)
        selectedPath_ = strokesOf(overlay.selected);
    if (overlay.preview != overlay_.preview)
        previewPath_ = strokesOf(overlay.preview);
    overlay_ = std::move(overlay);
    update();
}

void DrawingView::paintOverlay(QPainter& painter) const {
    const QTransform toView = worldToScreen();
    painter.setBrush(Qt::NoBrush);
    if (!selectedPath_.isEmpty()) {
        QPen pen(kSelected, kSelectedWidthPx);
        pen.setCapStyle(Qt::RoundCap);
        painter.setPen(pen);
        painter.drawPath(toView.map(selectedPath_));
    }
    if (!previewPath_.isEmpty()) {
        painter.setPen(QPen(kPreview, 1.5, Qt::DashLine));
        painter.drawPath(toView.map(previewPath_));
    }
    if (overlay_.window) {
        const Box& w = *overlay_.window;
        const QRectF r =
            QRectF(toScreen({w.xmin, w.ymax}), toScreen({w.xmax, w.ymin})).normalized();
        const QColor colour = overlay_.crossing ? kWindowCrossing : kWindowInside;
        painter.setPen(QPen(colour, 1, overlay_.crossing ? Qt::DashLine : Qt::SolidLine));
        QColor fill = colour;
        fill.setAlpha(30);
        painter.setBrush(fill);
        painter.drawRect(r);
        painter.setBrush(Qt::NoBrush);
    }
    if (overlay_.snap) {
        const QPointF at = toScreen(*overlay_.snap);
        painter.setPen(QPen(kSnap, 2));
        painter.drawRect(QRectF(at.x() - kSnapHalfSidePx, at.y() - kSnapHalfSidePx,
                                2 * kSnapHalfSidePx, 2 * kSnapHalfSidePx));
        QFont font("DejaVu Sans");
        font.setPixelSize(11);
        painter.setFont(font);
        painter.drawText(at + QPointF(kSnapHalfSidePx + 3, -kSnapHalfSidePx - 3),
                         overlay_.snapName);
    }
}

}  // namespace brontaxe::app
