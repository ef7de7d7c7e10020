#include "app/manual/manual_pdf.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/manual/manual_contents.h"
#include "app/manual/manual_navigation.h"
#include "app/manual/manual_pages.h"
#include "app/manual/manual_pictures.h"
#include "app/manual/manual_tables.h"
#include "io/pdf_navigation.h"

namespace brontaxe::manual {
namespace {

// Screenshots are shown about as large as on a screen of this many dots an inch.
constexpr qreal kScreenDpi = 120;
// A picture fitted smaller on the page keeps no more dots than print needs, so that the file
// stays light (the catalogue's contact sheets are large).
constexpr qreal kPrintDpi = 150;
constexpr qreal kMarginMm = 20;
constexpr qreal kFooterMm = 10;
constexpr int kPdfBodyPoints = 10;
// A picture leaves room on its page for its caption.
constexpr qreal kTallestPicture = 0.6;

struct PageSize {
    qreal width = 0;
    qreal height = 0;  // of the text, the foot with its number below it
    qreal foot = 0;
};

std::optional<QString> readMarkdown(const QString& path, QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("impossible de lire %1").arg(path);
    text = QString::fromUtf8(file.readAll());
    return std::nullopt;
}

// A screenshot at about its size on a screen, within the page and leaving room for its
// caption.
QSizeF fitToPage(QImage& picture, const QSizeF& page) {
    const qreal aspect = qreal(picture.height()) / picture.width();
    const qreal points = std::min({page.width() * kPointsPerDot, picture.width() * 72 / kScreenDpi,
                                   page.height() * kPointsPerDot * kTallestPicture / aspect});
    const int printed = static_cast<int>(std::ceil(points / 72 * kPrintDpi));
    if (picture.width() > printed)
        picture = picture.scaledToWidth(printed, Qt::SmoothTransformation);
    const qreal width = points * kPixelsPerPoint;
    return {width, width * aspect};
}

// In whole dots: the layout keeps lengths in 1/64 of a dot, and a page height it cannot hold
// exactly would put the top of a page a hair above where its text is painted.
PageSize pageSize(const QPdfWriter& writer) {
    const qreal foot = std::floor(kFooterMm * kDpi / 25.4);
    return {static_cast<qreal>(writer.width()), writer.height() - foot, foot};
}

bool paintPages(QTextDocument& doc, QPdfWriter& writer, const PageSize& size) {
    QPainter painter(&writer);
    if (!painter.isActive())
        return false;
    QFont footFont = doc.defaultFont();
    footFont.setPointSize(kPdfBodyPoints - 1);
    const int pages = doc.pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            writer.newPage();
        painter.save();
        painter.translate(0, -i * size.height);
        // A line is drawn on every page its box touches, the edges included: the band painted
        // stops a hair inside the page, or the first line of the next page would be written
        // at the foot of this one too.
        const qreal top = i * size.height + kLineReach;
        doc.drawContents(&painter, QRectF(0, top, size.width, size.height - 2 * kLineReach));
        painter.restore();
        if (i == 0)
            continue;  // the title page goes without its number
        painter.setFont(footFont);
        painter.drawText(QRectF(0, size.height, size.width, size.foot), Qt::AlignCenter,
                         QString::number(i + 1));
    }
    return painter.end();
}

// Painted by Qt, which leaves out bookmarks, links and language: they are added afterwards.
std::optional<QString> paintManual(const QString& markdown, const QString& pdf,
                                   io::PdfNavigation& navigation) {
    QString text;
    if (auto problem = readMarkdown(markdown, text))
        return problem;

    QPdfWriter writer(pdf);
    writer.setResolution(kDpi);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                          QPageLayout::Millimeter);
    writer.setTitle(QStringLiteral("Brontaxe — manuel de l'utilisateur"));
    writer.setCreator(QStringLiteral("brontaxe-manual"));
    const PageSize size = pageSize(writer);

    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&writer);
    doc.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), kPdfBodyPoints));
    doc.setDocumentMargin(0);
    doc.setMarkdown(text, QTextDocument::MarkdownDialectGitHub);
    const QSizeF page(size.width, size.height);
    if (auto missing = placePictures(
            doc, QFileInfo(markdown).absoluteDir(),
            [&page](QImage& picture) { return fitToPage(picture, page); }, MissingPicture::Refuse))
        return QStringLiteral("image introuvable : %1").arg(*missing);
    QTextCursor edit(&doc);
    edit.beginEditBlock();  // one layout for all the changes
    padTables(doc);
    breakBeforeChapters(doc);
    const std::vector<ContentsEntry> entries = insertContents(doc, size.width);
    edit.endEditBlock();
    // Laid out in pages only now, once the text is complete.
    doc.setPageSize(page);
    keepTogether(doc, size.height);
    fillPageNumbers(doc, entries, size.height);
    if (!paintPages(doc, writer, size))
        return QStringLiteral("impossible d'écrire %1").arg(pdf);
    const QPageLayout layout = writer.pageLayout();
    navigation = navigationOf(doc, entries,
                              {.text = layout.paintRect(QPageLayout::Point),
                               .pageHeight = layout.fullRect(QPageLayout::Point).height(),
                               .textHeight = size.height});
    return std::nullopt;
}

std::optional<QString> addNavigation(const QString& pdf, const io::PdfNavigation& navigation) {
    QFile file(pdf);
    if (!file.open(QIODevice::ReadWrite))
        return QStringLiteral("impossible de compléter %1").arg(pdf);
    const QByteArray painted = file.readAll();
    std::string text(painted.constData(), static_cast<std::size_t>(painted.size()));
    if (auto problem = io::appendNavigation(text, navigation))
        return QStringLiteral("signets et liens de %1 : %2")
            .arg(pdf, QString::fromStdString(*problem));
    // Only the update is written, after the file as Qt left it.
    const auto added = static_cast<qint64>(text.size()) - painted.size();
    if (file.write(text.data() + painted.size(), added) != added || !file.flush())
        return QStringLiteral("impossible de compléter %1").arg(pdf);
    return std::nullopt;
}

}  // namespace

std::optional<QString> writeManualPdf(const QString& markdown, const QString& pdf) {
    io::PdfNavigation navigation;
    if (auto problem = paintManual(markdown, pdf, navigation))
        return problem;
    return addNavigation(pdf, navigation);
}

}  // namespace brontaxe::manual
