#include "app/commands/print_job.h"

#include <QFile>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "app/views/drawing_scene.h"
#include "drawing/tolerances.h"

namespace brontaxe::app {
namespace {

constexpr double kMmPerInch = 25.4;
// Room left around the drawing inside the printable area when it is fitted.
constexpr double kPageFitMargin = 0.97;
// Path elements painted between two progress reports: a few milliseconds of painting.
constexpr int kElementsPerPiece = 2048;
// Room around a page, in paper millimetres, for pens that reach in from lines just outside.
constexpr double kPenReachMm = 5;

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

bool reaches(const QRectF& piece, const QRectF& page) {
    return piece.left() <= page.right() && piece.right() >= page.left() &&
           piece.top() <= page.bottom() && piece.bottom() >= page.top();
}

bool isPreview(QPrinter& printer) {
    // The preview swaps the printer's engine for one that records pages as pictures.
    const QPaintEngine* engine = printer.paintEngine();
    return engine && engine->type() == QPaintEngine::Picture;
}

bool printsToFile(QPrinter& printer) {
    return !isPreview(printer) && !printer.outputFileName().isEmpty();
}

}  // namespace

PageGrid pageGrid(const Box& shown, QSizeF pageMm, PrintScale scale) {
    if (scale == PrintScale::FitToPage || shown.empty || pageMm.isEmpty())
        return {};
    // A hair over a page is still one page: the blank's own extents are exact.
    auto pagesFor = [](double length, double page) {
        return std::max(1, static_cast<int>(std::ceil(length / page - kPageFit)));
    };
    return {pagesFor(shown.width(), pageMm.width()), pagesFor(shown.height(), pageMm.height())};
}

int paintPages(QPainter& painter, QPagedPaintDevice& device, const Drawing& d,
               const PrintOptions& options, const io::WriteProgress& progress) {
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
        scale = kPageFitMargin * std::min(pageDevice.width() / w, pageDevice.height() / h);
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
    const std::vector<DrawingScene::StrokePiece> pieces = scene.strokePieces(kElementsPerPiece);
    const std::size_t total = pieces.size() * static_cast<std::size_t>(grid.count()) + 1;
    const double reach = kPenReachMm * devicePerMm;

    int painted = 0;
    std::size_t done = 0;
    for (int row = 0; row < grid.rows; ++row) {
        for (int column = 0; column < grid.columns; ++column) {
            if (painted > 0)
                device.newPage();
            ++painted;
            // Drawing millimetres, y up, to this page's device units.
            const QTransform toDevice(scale, 0, 0, -scale,
                                      offset.x() - shown.xmin * scale - column * pageDevice.width(),
                                      offset.y() + shown.ymax * scale - row * pageDevice.height());
            const QRectF page = toDevice.inverted().mapRect(
                QRectF(QPointF(0, 0), pageDevice).adjusted(-reach, -reach, reach, reach));
            painter.save();
            painter.setClipRect(QRectF(QPointF(0, 0), pageDevice));
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setTransform(toDevice);
            bool stopped = false;
            for (const DrawingScene::StrokePiece& piece : pieces) {
                ++done;
                if (!reaches(piece.bounds, page))
                    continue;
                painter.setPen(piece.arrowheads ? QPen(Qt::NoPen) : penFor(piece.role));
                painter.setBrush(piece.arrowheads ? QBrush(arrows) : QBrush(Qt::NoBrush));
                painter.drawPath(piece.path);
                if (!progress.report(done, total)) {
                    stopped = true;
                    break;
                }
            }
            painter.resetTransform();
            if (!stopped)
                paintTexts(painter, scene, options.pens, toDevice, scale);
            painter.restore();
            if (stopped || !progress.report(done, total))
                return painted;
        }
    }
    progress.report(total, total);
    return painted;
}

bool printCanBeStopped(QPrinter& printer) {
    return isPreview(printer) || printsToFile(printer);
}

PrintOutcome printDrawing(QPrinter& printer, const Drawing& d, const PrintOptions& options,
                          const io::WriteProgress& progress) {
    printer.setDocName(options.title);
    QPainter painter;
    if (!painter.begin(&printer))
        return PrintOutcome::NotOpened;
    const bool toFile = printsToFile(printer);
    paintPages(painter, printer, d, options, progress);
    const bool ended = painter.end();
    if (progress.stopped()) {
        if (toFile)
            QFile::remove(printer.outputFileName());
        return PrintOutcome::Stopped;
    }
    return ended ? PrintOutcome::Printed : PrintOutcome::NotOpened;
}

}  // namespace brontaxe::app
