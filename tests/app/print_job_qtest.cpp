// Printing to a PDF printer, read back by poppler and Ghostscript: the pages, a dimension
// value in the text, and at true scale the blank's width on paper in millimetres.

#include <QPageSize>
#include <QPrinter>
#include <QtTest>
#include <algorithm>
#include <sstream>

#include "app/commands/print_job.h"
#include "app/views/drawing_scene.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "workbench/workbench.h"

using brontaxe::Workbench;
using brontaxe::app::PrintOptions;
using brontaxe::app::PrintOutcome;
using brontaxe::app::PrintScale;
using brontaxe::platform::runProcess;
namespace fs = std::filesystem;

namespace {

constexpr double kPointsPerMm = 72.0 / 25.4;

struct Printed {
    int pages = 0;
    std::string text;
    QSizeF pageMm;
};

Printed readPdf(const fs::path& pdf) {
    Printed out;
    const auto info = runProcess({"pdfinfo", pdf.string()});
    std::istringstream in(info.out);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("Pages:", 0) == 0)
            out.pages = std::stoi(line.substr(6));
        if (line.rfind("Page size:", 0) == 0) {
            double w = 0, h = 0;
            std::string x;
            std::istringstream(line.substr(10)) >> w >> x >> h;
            out.pageMm = {w / kPointsPerMm, h / kPointsPerMm};
        }
    }
    out.text = runProcess({"pdftotext", pdf.string(), "-"}).out;
    return out;
}

// The ink of each page as Ghostscript's bounding-box device finds it, in millimetres.
std::vector<QRectF> inkBoxes(const fs::path& pdf) {
    const auto r =
        runProcess({"gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=bbox", pdf.string()});
    std::vector<QRectF> boxes;
    std::istringstream in(r.err);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("%%HiResBoundingBox:", 0) != 0)
            continue;
        double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        std::istringstream(line.substr(19)) >> x0 >> y0 >> x1 >> y1;
        boxes.emplace_back(QPointF(x0 / kPointsPerMm, y0 / kPointsPerMm),
                           QPointF(x1 / kPointsPerMm, y1 / kPointsPerMm));
    }
    return boxes;
}

void pdfPrinter(QPrinter& printer, const fs::path& file) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(file.string()));
}

}  // namespace

class PrintJobTest : public QObject {
    Q_OBJECT
  private:
    fs::path dir_ = fs::path(QDir::tempPath().toStdString()) / "brontaxe-print-qtest";
    std::unique_ptr<Workbench> wb_;

    const brontaxe::Drawing& drawing() { return wb_->drawing(); }
    std::string firstDimensionValue() {
        brontaxe::app::DrawingScene scene;
        scene.rebuild(drawing());
        for (const auto& t : scene.texts())
            if (t.centred)
                return t.text.toStdString();
        return {};
    }

  private slots:
    void initTestCase() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
        fs::create_directories(dir_);
        const auto env = brontaxe::platform::processEnvironment();
        wb_ = std::make_unique<Workbench>(
            brontaxe::platform::PrivateProfile(brontaxe::platform::windowsDirectory(env)),
            &brontaxe::findGenerator, env);
        wb_->startUp();
        QVERIFY(wb_->regenerate().drawn);
    }

    void fittedToTheDefaultPageOnOnePageWithItsDimensions() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Landscape);
        pdfPrinter(printer, dir_ / "fit.pdf");
        QVERIFY(brontaxe::app::printDrawing(printer, drawing(), PrintOptions{}) ==
                PrintOutcome::Printed);
        QCOMPARE(printer.docName(), QString("paramQMT"));
        const Printed p = readPdf(dir_ / "fit.pdf");
        QCOMPARE(p.pages, 1);
        QVERIFY(std::abs(p.pageMm.width() - 297) < 1);
        const std::string value = firstDimensionValue();
        QVERIFY(!value.empty());
        QVERIFY2(p.text.find(value) != std::string::npos, (value + " in " + p.text).c_str());
        // Fitted: the ink fills most of the page's width, and stays on the page.
        const auto ink = inkBoxes(dir_ / "fit.pdf");
        QCOMPARE(ink.size(), std::size_t(1));
        QVERIFY(ink[0].width() > 0.8 * (297 - 20));
        QVERIFY(ink[0].width() < 297);
    }

    void atTrueScaleTheBlankIsAsWideOnPaperAsInMillimetres() {
        // A page wide enough for the whole blank, without margins, and the dimensions hidden
        // so that the ink is the blank itself.
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QSizeF(1800, 800), QPageSize::Millimeter));
        printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        pdfPrinter(printer, dir_ / "true.pdf");
        wb_->drawing().SetFilter("COTATION");
        PrintOptions options;
        options.scale = PrintScale::TrueScale;
        QVERIFY(brontaxe::app::printDrawing(printer, drawing(), options) == PrintOutcome::Printed);
        wb_->drawing().SetFilter("");
        QCOMPARE(readPdf(dir_ / "true.pdf").pages, 1);
        const auto ink = inkBoxes(dir_ / "true.pdf");
        QCOMPARE(ink.size(), std::size_t(1));
        const double cutPen = 0.5;  // round ends stick out half a pen width each side
        const double width = wb_->model().HorsToutX;
        const double height = wb_->model().HorsToutY;
        QVERIFY2(std::abs(ink[0].width() - (width + cutPen)) < 0.5,
                 qPrintable(QString("%1 for %2").arg(ink[0].width()).arg(width)));
        QVERIFY2(std::abs(ink[0].height() - (height + cutPen)) < 0.5,
                 qPrintable(QString("%1 for %2").arg(ink[0].height()).arg(height)));
    }

    void atTrueScaleOnA4TheBlankTakesSeveralPages() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Landscape);
        pdfPrinter(printer, dir_ / "tiles.pdf");
        PrintOptions options;
        options.scale = PrintScale::TrueScale;
        QVERIFY(brontaxe::app::printDrawing(printer, drawing(), options) == PrintOutcome::Printed);
        const QRectF area = printer.pageLayout().paintRect(QPageLayout::Millimeter);
        brontaxe::app::DrawingScene scene;
        scene.rebuild(drawing());
        const auto grid =
            brontaxe::app::pageGrid(scene.bounds(), area.size(), PrintScale::TrueScale);
        // 1.6 m by 0.7 m of drawing on 277 by 190 mm of paper.
        QVERIFY(grid.columns >= 6);
        QVERIFY(grid.rows >= 3);
        const Printed p = readPdf(dir_ / "tiles.pdf");
        QCOMPARE(p.pages, grid.count());
        QVERIFY(p.text.find(firstDimensionValue()) != std::string::npos);
    }

    void aLongPrintToAFileTellsItsProgressAndAStopLeavesNoFile() {
        brontaxe::Drawing many;  // enough lines for a dozen reports
        for (int i = 0; i < 25'000; ++i)
            many.AddLine(0, i * 0.02, 300, i * 0.02);
        std::vector<double> shares;
        const brontaxe::io::WriteProgress watched([&](double share) {
            shares.push_back(share);
            return true;
        });
        QPrinter printer(QPrinter::HighResolution);
        pdfPrinter(printer, dir_ / "long.pdf");
        QVERIFY(brontaxe::app::printDrawing(printer, many, PrintOptions{}, watched) ==
                PrintOutcome::Printed);
        QVERIFY(shares.size() >= 12);
        QVERIFY(std::is_sorted(shares.begin(), shares.end()));
        QCOMPARE(shares.back(), 1.0);
        QCOMPARE(readPdf(dir_ / "long.pdf").pages, 1);

        int reports = 0;
        const brontaxe::io::WriteProgress stopping([&](double) { return ++reports < 3; });
        QPrinter stopped(QPrinter::HighResolution);
        pdfPrinter(stopped, dir_ / "stopped.pdf");
        QVERIFY(brontaxe::app::printCanBeStopped(stopped));
        QVERIFY(brontaxe::app::printDrawing(stopped, many, PrintOptions{}, stopping) ==
                PrintOutcome::Stopped);
        QCOMPARE(reports, 3);
        QVERIFY(!fs::exists(dir_ / "stopped.pdf"));
    }

    void pageGridCountsPagesAcrossAndDown_data() {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::newRow("fits") << 200.0 << 100.0 << 1 << 1;
        QTest::newRow("exactly one page") << 277.0 << 190.0 << 1 << 1;
        QTest::newRow("a hair over") << 277.5 << 190.0 << 2 << 1;
        QTest::newRow("1447 x 509") << 1447.0 << 509.0 << 6 << 3;
    }
    void pageGridCountsPagesAcrossAndDown() {
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(int, columns);
        QFETCH(int, rows);
        brontaxe::Box shown;
        shown.add(brontaxe::Point{0, 0});
        shown.add(brontaxe::Point{width, height});
        const auto grid = brontaxe::app::pageGrid(shown, QSizeF(277, 190), PrintScale::TrueScale);
        QCOMPARE(grid.columns, columns);
        QCOMPARE(grid.rows, rows);
        QCOMPARE(brontaxe::app::pageGrid(shown, QSizeF(277, 190), PrintScale::FitToPage).count(),
                 1);
    }
};

QTEST_MAIN(PrintJobTest)
#include "print_job_qtest.moc"
