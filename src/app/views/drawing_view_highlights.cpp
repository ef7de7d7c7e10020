// The design-rule check's findings over the drawing: the elements at fault traced in a wide
// translucent pen, a ring round each place, both sized in pixels so they show at any zoom.

#include <QPainter>

#include "app/views/drawing_view.h"
#include "drawing/contour.h"
#include "drawing/dimension_layout.h"

namespace brontaxe::app {
namespace {

const QColor kHighlight(255, 120, 0, 170);
constexpr double kHighlightWidthPx = 6;
constexpr double kRingRadiusPx = 12;

void addSegment(QPainterPath& path, const Segment& s) {
    path.moveTo(s.a.x, s.a.y);
    path.lineTo(s.b.x, s.b.y);
}

void addShape(QPainterPath& path, const Element& e, const Box& blank) {
    if (const auto* d = std::get_if<DimensionShape>(&e.shape)) {
        // Where the view draws it: the dimension line and its extension lines.
        const DimensionLayout lay = layoutDimension(*d, DimensionStyle::forExtents(blank), blank);
        addSegment(path, lay.dimensionLine);
        for (const Segment& s : lay.extensionLines)
            addSegment(path, s);
    } else if (const auto* l = std::get_if<LineShape>(&e.shape)) {
        path.moveTo(l->a.x, l->a.y);
        path.lineTo(l->b.x, l->b.y);
    } else if (const auto* a = std::get_if<ArcShape>(&e.shape)) {
        const std::vector<Segment> chords = flattenArc(*a, kScreenChordTolerance);
        if (chords.empty())
            return;
        path.moveTo(chords.front().a.x, chords.front().a.y);
        for (const Segment& s : chords)
            path.lineTo(s.b.x, s.b.y);
    }
}

}  // namespace

void DrawingView::setHighlights(const std::vector<ElementId>& ids,
                                const std::vector<Point>& places) {
    highlighted_ = ids;
    highlightPlaces_ = places;
    highlightPath_ = QPainterPath();
    const Box blank = drawing_.extents();
    for (ElementId id : ids)
        if (drawing_.contains(id))
            addShape(highlightPath_, drawing_.element(id), blank);
    update();
}

void DrawingView::paintHighlights(QPainter& painter) const {
    if (highlightPath_.isEmpty() && highlightPlaces_.empty())
        return;
    QPen pen(kHighlight, kHighlightWidthPx);
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(worldToScreen().map(highlightPath_));
    pen.setWidthF(2);
    painter.setPen(pen);
    for (const Point& p : highlightPlaces_)
        painter.drawEllipse(toScreen(p), kRingRadiusPx, kRingRadiusPx);
}

}  // namespace brontaxe::app
