#include "app/window/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace brontaxe::app {
namespace {

constexpr int kIconSize = 32;
const QColor kInk(40, 48, 60);
const QColor kAccent(0, 110, 190);
const QColor kWarn(200, 40, 40);
const QColor kBoard(196, 160, 110);

QPen ink(const QColor& c = kInk, double w = 2.0) {
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void arrow(QPainter& p, QPointF from, QPointF to, double head) {
    p.drawLine(from, to);
    const QPointF d = to - from;
    const double len = std::hypot(d.x(), d.y());
    if (len <= 0)
        return;
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    QPainterPath tip;
    tip.moveTo(to);
    tip.lineTo(to - u * head + n * head * 0.55);
    tip.lineTo(to - u * head - n * head * 0.55);
    tip.closeSubpath();
    p.fillPath(tip, p.pen().color());
}

void funnel(QPainter& p) {
    QPainterPath f;
    f.moveTo(5, 6);
    f.lineTo(27, 6);
    f.lineTo(18, 17);
    f.lineTo(18, 26);
    f.lineTo(14, 28);
    f.lineTo(14, 17);
    f.closeSubpath();
    p.setPen(ink());
    p.setBrush(QColor(120, 170, 220));
    p.drawPath(f);
}

void magnifier(QPainter& p, bool plus) {
    p.setPen(ink(kInk, 2.5));
    p.setBrush(QColor(230, 240, 250));
    p.drawEllipse(QPointF(13, 13), 8, 8);
    p.drawLine(QPointF(19, 19), QPointF(28, 28));
    p.setPen(ink(kAccent, 2.2));
    p.drawLine(QPointF(9, 13), QPointF(17, 13));
    if (plus)
        p.drawLine(QPointF(13, 9), QPointF(13, 17));
}

void page(QPainter& p, QRectF r) {
    p.setPen(ink(kInk, 1.5));
    p.setBrush(Qt::white);
    p.drawRect(r);
}

// A flat blank: the body panels with their flaps, cut outline and creases.
void blank(QPainter& p, QRectF r) {
    p.setPen(ink(kInk, 1.5));
    p.setBrush(kBoard);
    p.drawRect(r);
    p.setPen(QPen(kWarn, 1.2, Qt::DashLine));
    p.drawLine(QPointF(r.left(), r.top() + r.height() / 3),
               QPointF(r.right(), r.top() + r.height() / 3));
    p.drawLine(QPointF(r.left(), r.bottom() - r.height() / 3),
               QPointF(r.right(), r.bottom() - r.height() / 3));
    p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
}

void drawTool(QPainter& p, ToolImage image) {
    switch (image) {
        case ToolImage::Filters:
            funnel(p);
            break;
        case ToolImage::RemoveFilter:
            funnel(p);
            p.setPen(ink(kWarn, 3));
            p.drawLine(QPointF(19, 19), QPointF(29, 29));
            p.drawLine(QPointF(29, 19), QPointF(19, 29));
            break;
        case ToolImage::ZoomIn:
            magnifier(p, true);
            break;
        case ToolImage::Print:
            page(p, QRectF(9, 3, 14, 10));
            p.setPen(ink());
            p.setBrush(QColor(170, 180, 195));
            p.drawRoundedRect(QRectF(4, 12, 24, 11), 2, 2);
            page(p, QRectF(9, 19, 14, 10));
            break;
        case ToolImage::Configuration: {
            p.setPen(ink(kInk, 3.5));
            for (int i = 0; i < 8; ++i) {
                const double a = i * std::numbers::pi / 4;
                p.drawLine(QPointF(16 + 8 * std::cos(a), 16 + 8 * std::sin(a)),
                           QPointF(16 + 12 * std::cos(a), 16 + 12 * std::sin(a)));
            }
            p.setPen(ink(kInk, 2));
            p.setBrush(QColor(170, 180, 195));
            p.drawEllipse(QPointF(16, 16), 9, 9);
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(16, 16), 3.5, 3.5);
            break;
        }
        case ToolImage::KorGeom:
            page(p, QRectF(4, 4, 24, 24));
            p.setPen(ink(kAccent, 2));
            p.drawLine(QPointF(8, 24), QPointF(24, 8));
            p.drawEllipse(QPointF(12, 12), 4, 4);
            p.drawRect(QRectF(17, 17, 7, 7));
            break;
        case ToolImage::Pens:
            p.setPen(ink());
            p.setBrush(QColor(240, 200, 60));
            p.drawPolygon(QPolygonF({QPointF(7, 25), QPointF(22, 6), QPointF(26, 10),
                                     QPointF(11, 29), QPointF(5, 30)}));
            p.setPen(ink(kWarn, 2.5));
            p.drawLine(QPointF(4, 30), QPointF(7, 27));
            break;
        case ToolImage::Save:
            p.setPen(ink());
            p.setBrush(kAccent);
            p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(9, 4, 14, 9));
            p.setBrush(QColor(220, 225, 232));
            p.drawRect(QRectF(8, 18, 16, 10));
            break;
        case ToolImage::TechnicalSheet:
            page(p, QRectF(6, 3, 20, 26));
            p.setPen(ink(kInk, 1.2));
            for (int y = 9; y <= 24; y += 5) {
                p.drawLine(QPointF(9, y), QPointF(14, y));
                p.drawLine(QPointF(16, y), QPointF(23, y));
            }
            break;
        case ToolImage::PageSetup:
            page(p, QRectF(6, 3, 20, 26));
            p.setPen(QPen(kAccent, 1.2, Qt::DashLine));
            p.drawRect(QRectF(9, 6, 14, 20));
            break;
        case ToolImage::MirrorVertical:
            p.setPen(QPen(kInk, 1.5, Qt::DashDotLine));
            p.drawLine(QPointF(16, 2), QPointF(16, 30));
            p.setPen(ink());
            p.setBrush(kBoard);
            p.drawPolygon(QPolygonF({QPointF(13, 8), QPointF(13, 24), QPointF(4, 24)}));
            p.setBrush(QColor(230, 210, 180));
            p.drawPolygon(QPolygonF({QPointF(19, 8), QPointF(19, 24), QPointF(28, 24)}));
            break;
        case ToolImage::FilterDimensions:
            p.setPen(ink(kAccent, 1.5));
            p.setBrush(kAccent);
            arrow(p, QPointF(16, 11), QPointF(4, 11), 5);
            arrow(p, QPointF(16, 11), QPointF(28, 11), 5);
            p.drawLine(QPointF(4, 5), QPointF(4, 17));
            p.drawLine(QPointF(28, 5), QPointF(28, 17));
            p.setPen(ink(kWarn, 3));
            p.drawLine(QPointF(8, 20), QPointF(24, 30));
            p.drawLine(QPointF(24, 20), QPointF(8, 30));
            break;
        case ToolImage::Folding3D:
            p.setPen(ink(kInk, 1.5));
            p.setBrush(kBoard);
            p.drawPolygon(
                QPolygonF({QPointF(4, 12), QPointF(16, 7), QPointF(28, 12), QPointF(16, 17)}));
            p.setBrush(QColor(170, 130, 85));
            p.drawPolygon(
                QPolygonF({QPointF(4, 12), QPointF(16, 17), QPointF(16, 29), QPointF(4, 24)}));
            p.setBrush(QColor(215, 180, 130));
            p.drawPolygon(
                QPolygonF({QPointF(16, 17), QPointF(28, 12), QPointF(28, 24), QPointF(16, 29)}));
            break;
        case ToolImage::Quit:
            p.setPen(ink());
            p.setBrush(QColor(150, 110, 70));
            p.drawRect(QRectF(6, 3, 14, 26));
            p.setPen(ink(kWarn, 2.5));
            arrow(p, QPointF(14, 16), QPointF(29, 16), 6);
            break;
        case ToolImage::AllPieces:
            blank(p, QRectF(3, 5, 12, 22));
            blank(p, QRectF(17, 5, 12, 22));
            break;
        case ToolImage::Palletisation:
            p.setPen(ink(kInk, 1.2));
            p.setBrush(kBoard);
            for (int row = 0; row < 2; ++row)
                for (int col = 0; col < 3; ++col)
                    p.drawRect(QRectF(4 + col * 8, 6 + row * 8, 8, 8));
            p.setBrush(QColor(150, 110, 70));
            p.drawRect(QRectF(3, 22, 26, 3));
            p.drawRect(QRectF(4, 25, 4, 4));
            p.drawRect(QRectF(14, 25, 4, 4));
            p.drawRect(QRectF(24, 25, 4, 4));
            break;
        case ToolImage::Rcv:
            p.setPen(ink(kInk, 1.5));
            p.setBrush(kBoard);
            p.drawRect(QRectF(7, 14, 18, 15));
            p.setPen(ink(kWarn, 2.5));
            arrow(p, QPointF(16, 1), QPointF(16, 12), 6);
            break;
    }
}

// Wavy flutes seen edge-on, running along X (or turned a quarter turn).
void flutes(QPainter& p, int size, bool alongX) {
    p.save();
    if (!alongX) {
        p.translate(size / 2.0, size / 2.0);
        p.rotate(90);
        p.translate(-size / 2.0, -size / 2.0);
    }
    p.setPen(QPen(QColor(150, 110, 70), 1.4));
    for (double y = size * 0.2; y < size * 0.85; y += size * 0.22) {
        QPainterPath wave;
        wave.moveTo(size * 0.08, y);
        for (double x = size * 0.08; x <= size * 0.92; x += 1)
            wave.lineTo(
                x, y + std::sin((x - size * 0.08) / size * 6 * std::numbers::pi) * size * 0.05);
        p.drawPath(wave);
    }
    p.restore();
}

}  // namespace

QIcon toolIcon(ToolImage image) {
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawTool(p, image);
    return QIcon(pixmap);
}

QPixmap orientationImage(OrientationImage image, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(170, 170, 170), 1));
    p.drawRect(QRectF(0.5, 0.5, size - 1, size - 1));
    const double m = size * 0.12;
    const bool flute =
        image == OrientationImage::FluteAlongX || image == OrientationImage::FluteAlongY;
    const bool alongX =
        image == OrientationImage::FluteAlongX || image == OrientationImage::PassAlongX;
    if (flute) {
        flutes(p, size, alongX);
        p.setPen(ink(QColor(0, 90, 40), 2.5));
    } else {
        // The machine's rollers, the blank passing between them.
        p.setPen(QPen(QColor(120, 120, 120), 1.2));
        p.setBrush(QColor(225, 225, 225));
        if (alongX) {
            p.drawEllipse(QPointF(size / 2.0, size * 0.18), size * 0.1, size * 0.1);
            p.drawEllipse(QPointF(size / 2.0, size * 0.82), size * 0.1, size * 0.1);
        } else {
            p.drawEllipse(QPointF(size * 0.18, size / 2.0), size * 0.1, size * 0.1);
            p.drawEllipse(QPointF(size * 0.82, size / 2.0), size * 0.1, size * 0.1);
        }
        p.setPen(ink(kAccent, 3));
    }
    if (alongX)
        arrow(p, QPointF(m, size / 2.0), QPointF(size - m, size / 2.0), size * 0.2);
    else
        arrow(p, QPointF(size / 2.0, size - m), QPointF(size / 2.0, m), size * 0.2);
    return pixmap;
}

}  // namespace brontaxe::app
