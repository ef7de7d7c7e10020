#include "app/views/style_parameter_images.h"

#include <QPainter>
#include <QPainterPath>

namespace brontaxe::app {
namespace {

constexpr int kImageWidth = 180;
constexpr int kImageHeight = 90;

QPixmap blankPicture() {
    QPixmap picture(kImageWidth, kImageHeight);
    picture.fill(Qt::white);
    return picture;
}

QPen cutPen() {
    return QPen(Qt::black, 1.5);
}
QPen creasePen() {
    return QPen(QColor(0, 90, 200), 1.2, Qt::DashLine);
}

// A slot-shaped handle opening.
QPainterPath slot(const QRectF& r) {
    QPainterPath path;
    path.addRoundedRect(r, r.height() / 2, r.height() / 2);
    return path;
}

}  // namespace

QPixmap glueTabPicture(bool onEndPanel) {
    QPixmap picture = blankPicture();
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    // Four panels, side (wide) and end (narrow) alternating; the glue tab at the left.
    const int top = 20, bottom = 70;
    const int widths[] = {onEndPanel ? 26 : 40, onEndPanel ? 40 : 26, onEndPanel ? 26 : 40,
                          onEndPanel ? 40 : 26};
    int x = 30;
    QPolygonF tab{{QPointF(x, top), QPointF(x - 16, top + 8), QPointF(x - 16, bottom - 8),
                   QPointF(x, bottom)}};
    p.setBrush(QColor(255, 220, 120));
    p.setPen(cutPen());
    p.drawPolygon(tab);
    p.setBrush(Qt::NoBrush);
    for (int w : widths) {
        p.setPen(cutPen());
        p.drawLine(x, top, x + w, top);
        p.drawLine(x, bottom, x + w, bottom);
        p.setPen(creasePen());
        p.drawLine(x, top, x, bottom);
        x += w;
    }
    p.setPen(cutPen());
    p.drawLine(x, top, x, bottom);
    p.setPen(Qt::black);
    p.drawText(QRect(30, bottom + 2, widths[0], 16), Qt::AlignCenter,
               onEndPanel ? QStringLiteral("T") : QStringLiteral("F"));
    return picture;
}

QPixmap handlePicture(int option) {
    QPixmap picture = blankPicture();
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(cutPen());
    p.drawRect(10, 10, kImageWidth - 20, kImageHeight - 20);  // the end panel
    const QRectF opening(kImageWidth / 2.0 - 40, kImageHeight / 2.0 - 10, 80, 20);
    switch (option) {
        case 0:  // cut out all round
            p.setBrush(QColor(200, 200, 200));
            p.drawPath(slot(opening));
            break;
        case 1: {  // the lower half cut, the upper edge folds in
            QPainterPath lower;
            lower.moveTo(opening.left(), opening.center().y());
            lower.arcTo(opening, 180, 180);
            p.drawPath(lower);
            p.setPen(creasePen());
            p.drawLine(QPointF(opening.left(), opening.center().y()),
                       QPointF(opening.right(), opening.center().y()));
            break;
        }
        default:  // a cut with a crease on each side
            p.drawLine(QPointF(opening.left(), opening.center().y()),
                       QPointF(opening.right(), opening.center().y()));
            p.setPen(creasePen());
            p.drawLine(QPointF(opening.left(), opening.top()),
                       QPointF(opening.right(), opening.top()));
            p.drawLine(QPointF(opening.left(), opening.bottom()),
                       QPointF(opening.right(), opening.bottom()));
            break;
    }
    return picture;
}

}  // namespace brontaxe::app
