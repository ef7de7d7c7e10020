#include "app/print_job.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "app/drawing_scene.h"

namespace brontaxe::app {
namespace {

constexpr double kMmPerInch = 25.4;
// Room left around the drawing inside the printable area when it is fitted.
constexpr double kFitMargin = 0.97;

// The pen on paper: width and dashes in millimetres of paper whatever the drawing's scale.
// The pen is drawn through the page's transform (drawing millimetres to device units), so its
// width is given in drawing millimetres; a cosmetic pen would keep its device width in the
// preview, which shows the page smaller.
QPen paperPen(const PenSet& pens, PenRole role, double devicePerPaperMm,
              double devicePerDrawingMm) {
    const ScreenPen& p = pens.pen(role);
    const double widthMm = std::max(p.widthMm, 0.1);
    QPen pen(p.colour, widthMm * devicePerPaperMm / devicePerDrawingMm, Qt::SolidLine, Qt::RoundCap,
             Qt::RoundJoin);
    const auto dash = defaultPen(role).dashMm;
    if (!dash.empty()) {
        QList<qreal> pattern;
        for (double d : dash)
            pattern.append(std::max(0.05, d / widthMm));  // Qt counts dashes in pen widths
        pen.setCapStyle(Qt::FlatCap);
        pen.setDashPattern(pattern);
    }
    return pen;
}

void paintTexts(QPainter& painter, const DrawingScene& scene, const PenSet& pens,
                const QTransform& toDevice, double devicePerDrawingMm) {
    QFont font("DejaVu Sans");
    for (const DrawingScene::TextItem& t : scene.texts()) {
        const int px = static_cast<int>(std::lround(t.heightMm * devicePerDrawingMm));
        if (px < 1 || t.text.isEmpty())
            continue;
        font.setPixelSize(px);
        painter.setFont(font);
        painter.setPen(pens.pen(t.role).colour);
        painter.save();
        painter.translate(toDevice.map(QPointF(t.anchor.x, t.anchor.y)));
        painter.rotate(-t.angleDeg);
        const double w = t.centred ? painter.fontMetrics().horizontalAdvance(t.text) : 0;
        painter.drawText(QPointF(-w / 2, 0), t.text);
        painter.restore();
    }
}

}  // namespace

PageGrid pageGrid(const Box& shown, QSizeF pageMm, PrintScale scale) {
    if (scale == PrintScale::FitToPage || shown.empty || pageMm.isEmpty())
        return {};
    // A hair over a page is still one page: the blank's own extents are exact.
    auto pagesFor = [](double length, double page) {
        return std::max(1, static_cast<int>(std::ceil(length / page - 1e-6)));
    };
    return {pagesFor(shown.width(), pageMm.width()), pagesFor(shown.height(), pageMm.height())};
}

int paintPages(QPainter& painter, QPagedPaintDevice& device, const Drawing& d,
               const PrintOptions& options) {
    DrawingScene scene;
    scene.rebuild(d, options.hiddenKinds);
    const Box& shown = scene.bounds();
    const double devicePerMm = device.logicalDpiX() / kMmPerInch;
    const QSizeF pageDevice(device.width(), device.height());
    const QSizeF pageMm(pageDevice.width() / devicePerMm, pageDevice.height() / devicePerMm);
    if (shown.empty)
        return 1;  // an empty page: nothing is drawn

    double scale = devicePerMm;  // device units per millimetre of drawing
    QPointF offset;              // where the drawing's top left corner goes on the first page
    if (options.scale == PrintScale::FitToPage) {
        const double w = std::max(shown.width(), 1.0);
        const double h = std::max(shown.height(), 1.0);
        scale = kFitMargin * std::min(pageDevice.width() / w, pageDevice.height() / h);
        offset = {(pageDevice.width() - w * scale) / 2, (pageDevice.height() - h * scale) / 2};
    } else if (pageGrid(shown, pageMm, options.scale).count() == 1) {
        offset = {(pageDevice.width() - shown.width() * scale) / 2,
                  (pageDevice.height() - shown.height() * scale) / 2};
    }
    const PageGrid grid = pageGrid(shown, pageMm, options.scale);
    const auto penFor = [&](PenRole role) {
        return paperPen(options.pens, role, devicePerMm, scale);
    };
    const QColor arrows = options.pens.pen(PenRole::Dimension).colour;

    int painted = 0;
    for (int row = 0; row < grid.rows; ++row) {
        for (int column = 0; column < grid.columns; ++column) {
            if (painted > 0)
                device.newPage();
            // Drawing millimetres, y up, to this page's device units.
            const QTransform toDevice(scale, 0, 0, -scale,
                                      offset.x() - shown.xmin * scale - column * pageDevice.width(),
                                      offset.y() + shown.ymax * scale - row * pageDevice.height());
            painter.save();
            painter.setClipRect(QRectF(QPointF(0, 0), pageDevice));
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setTransform(toDevice);
            scene.paintStrokes(painter, penFor, arrows);
            painter.resetTransform();
            paintTexts(painter, scene, options.pens, toDevice, scale);
            painter.restore();
            ++painted;
        }
    }
    return painted;
}

bool printDrawing(QPrinter& printer, const Drawing& d, const PrintOptions& options) {
    printer.setDocName(kPrintJobTitle);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    paintPages(painter, printer, d, options);
    return painter.end();
}

}  // namespace brontaxe::app
