#include "app/manual/manual_pdf.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <vector>

namespace brontaxe::manual {
namespace {

constexpr int kDpi = 300;
// Screenshots are shown about as large as on a screen of this many dots an inch.
constexpr qreal kScreenDpi = 120;
constexpr qreal kMarginMm = 20;
constexpr qreal kFooterMm = 10;
constexpr int kBodyPoints = 10;
// Lengths in formats (picture sizes, tab stops) are in points, the page in the writer's dots.
constexpr qreal kPointsPerDot = 72.0 / kDpi;
// A picture leaves room on its page for its caption.
constexpr qreal kTallestPicture = 0.6;
constexpr qreal kLineReach = 4;  // dots
const QString kContentsHeading = QStringLiteral("Table des matières");
// Stands for a page number until the pages are known; as wide as the widest one.
const QString kPagePlaceholder = QStringLiteral("000");

struct PageSize {
    qreal width = 0;
    qreal height = 0;  // of the text, the foot with its number below it
    qreal foot = 0;
};

struct Heading {
    QTextBlock block;
    int level = 0;
};

struct ContentsEntry {
    QTextBlock entry;    // the line in the table of contents
    QTextBlock heading;  // the heading it points at
};

std::optional<QString> readMarkdown(const QString& path, QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("impossible de lire %1").arg(path);
    text = QString::fromUtf8(file.readAll());
    return std::nullopt;
}

// Every picture the text names, read from the manual's folder and fitted to the page.
std::optional<QString> placePictures(QTextDocument& doc, const QDir& folder, const QSizeF& page) {
    struct Spot {
        int position;
        int length;
        QTextImageFormat format;
    };
    std::vector<Spot> spots;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (f.charFormat().isImageFormat())
                spots.push_back({f.position(), f.length(), f.charFormat().toImageFormat()});
        }
    }
    QTextCursor edit(&doc);
    edit.beginEditBlock();  // one layout for all the changes, not one a change
    for (Spot& s : spots) {
        const QString name = s.format.name();
        const QImage picture(folder.filePath(name));
        if (picture.isNull())
            return QStringLiteral("image introuvable : %1").arg(folder.filePath(name));
        doc.addResource(QTextDocument::ImageResource, QUrl(name), picture);
        const qreal aspect = qreal(picture.height()) / picture.width();
        const qreal width =
            std::min({page.width() * kPointsPerDot, picture.width() * 72 / kScreenDpi,
                      page.height() * kPointsPerDot * kTallestPicture / aspect});
        s.format.setWidth(width);
        s.format.setHeight(width * aspect);
        QTextCursor c(&doc);
        c.setPosition(s.position);
        c.setPosition(s.position + s.length, QTextCursor::KeepAnchor);
        c.setCharFormat(s.format);
    }
    edit.endEditBlock();
    return std::nullopt;
}

std::vector<Heading> headings(const QTextDocument& doc) {
    std::vector<Heading> all;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const int level = b.blockFormat().headingLevel();
        if (level > 0)
            all.push_back({b, level});
    }
    return all;
}

// Each chapter (a first-level heading after the title) begins a page.
void breakBeforeChapters(const std::vector<Heading>& all) {
    for (std::size_t i = 1; i < all.size(); ++i) {
        if (all[i].level != 1)
            continue;
        QTextCursor c(all[i].block);
        QTextBlockFormat f = all[i].block.blockFormat();
        f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        c.setBlockFormat(f);
    }
}

// The lines of the contents, each with a page number to come, under its heading: the
// chapters and their sections that follow the contents.
std::vector<ContentsEntry> insertContents(QTextDocument& doc, const std::vector<Heading>& all,
                                          qreal textWidth) {
    const auto at = std::find_if(all.begin(), all.end(), [](const Heading& h) {
        return h.block.text().trimmed() == kContentsHeading;
    });
    std::vector<ContentsEntry> entries;
    if (at == all.end())
        return entries;
    QTextCursor c(at->block);
    c.movePosition(QTextCursor::EndOfBlock);
    QTextCharFormat text;
    text.setFont(doc.defaultFont());
    for (auto h = std::next(at); h != all.end(); ++h) {
        if (h->level > 2)
            continue;
        QTextBlockFormat line;
        line.setIndent(h->level - 1);
        // A stop on the very edge would push the number to a line of its own.
        line.setTabPositions(
            {QTextOption::Tab(textWidth * kPointsPerDot * 0.98, QTextOption::RightTab)});
        line.setTopMargin(h->level == 1 ? kBodyPoints : 0);
        QTextCharFormat look = text;
        look.setFontWeight(h->level == 1 ? QFont::Bold : QFont::Normal);
        c.insertBlock(line, look);
        c.insertText(h->block.text() + QLatin1Char('\t') + kPagePlaceholder, look);
        entries.push_back({c.block(), h->block});
    }
    return entries;
}

// The page of a block's first line: a block that begins a page reaches back to the end of the
// page before, its first line does not.
int pageOf(const QTextDocument& doc, const QTextBlock& block, qreal pageHeight) {
    // On the page, not in its table cell, and laid out.
    const qreal blockTop = doc.documentLayout()->blockBoundingRect(block).top();
    const QTextLayout* layout = block.layout();
    const qreal top = blockTop + (layout->lineCount() > 0 ? layout->lineAt(0).position().y() : 0);
    return static_cast<int>(std::floor(top / pageHeight)) + 1;
}

// The page of the foot of a block's last line.
int lastPageOf(const QTextDocument& doc, const QTextBlock& block, qreal pageHeight) {
    const qreal blockTop = doc.documentLayout()->blockBoundingRect(block).top();
    const QTextLayout* layout = block.layout();
    if (layout->lineCount() == 0)
        return pageOf(doc, block, pageHeight);
    const QTextLine last = layout->lineAt(layout->lineCount() - 1);
    const qreal foot = blockTop + last.position().y() + last.height();
    return static_cast<int>(std::floor((foot - kLineReach) / pageHeight)) + 1;
}

// Moves to the next page each paragraph the page foot would cut in two, and each heading it
// would leave alone under its text. (The layout cuts paragraphs between lines, and then draws
// the line above a page on that page too: hidden by the clip, but found by search and copy.)
// Tables keep the layout's own breaks, between their rows (a break set on the heading above
// a table makes the layout lose the text after it).
void keepTogether(QTextDocument& doc, qreal pageHeight) {
    const auto inTable = [](const QTextBlock& b) { return QTextCursor(b).currentTable(); };
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (inTable(b) || b.blockFormat().pageBreakPolicy() != 0)
            continue;
        const int first = pageOf(doc, b, pageHeight);
        bool move = lastPageOf(doc, b, pageHeight) != first;
        const QTextBlock next = b.next();
        if (b.blockFormat().headingLevel() > 0 && next.isValid() && !inTable(next))
            move = move || pageOf(doc, next, pageHeight) != first;
        if (!move)
            continue;
        // The headings above the paragraph go with it.
        QTextBlock moved = b;
        while (moved.previous().isValid() && moved.previous().blockFormat().headingLevel() > 0 &&
               pageOf(doc, moved.previous(), pageHeight) == first)
            moved = moved.previous();
        if (first == 1 || moved.blockFormat().pageBreakPolicy() != 0)
            continue;
        QTextBlockFormat f = moved.blockFormat();
        f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(moved).setBlockFormat(f);
        // The layout redone from here: left to itself, it loses the text after the block.
        doc.markContentsDirty(moved.position(), doc.characterCount() - moved.position());
    }
}

void fillPageNumbers(QTextDocument& doc, const std::vector<ContentsEntry>& entries,
                     qreal pageHeight) {
    std::vector<int> pages;
    doc.pageCount();  // the whole text laid out first: a part laid out alone pages otherwise
    for (const ContentsEntry& e : entries)
        pages.push_back(pageOf(doc, e.heading, pageHeight));
    QTextCursor edit(&doc);
    edit.beginEditBlock();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const ContentsEntry& e = entries[i];
        const int page = pages[i];
        QTextCursor c(e.entry);
        c.movePosition(QTextCursor::EndOfBlock);
        c.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor,
                       static_cast<int>(kPagePlaceholder.size()));
        c.insertText(QString::number(page));
    }
    edit.endEditBlock();
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
    footFont.setPointSize(kBodyPoints - 1);
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

}  // namespace

std::optional<QString> writeManualPdf(const QString& markdown, const QString& pdf) {
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
    doc.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), kBodyPoints));
    doc.setDocumentMargin(0);
    doc.setMarkdown(text, QTextDocument::MarkdownDialectGitHub);
    if (auto problem =
            placePictures(doc, QFileInfo(markdown).absoluteDir(), QSizeF(size.width, size.height)))
        return problem;
    QTextCursor edit(&doc);
    edit.beginEditBlock();
    const std::vector<Heading> all = headings(doc);
    breakBeforeChapters(all);
    const std::vector<ContentsEntry> entries = insertContents(doc, all, size.width);
    edit.endEditBlock();
    // Laid out in pages only now, once the text is complete.
    doc.setPageSize(QSizeF(size.width, size.height));
    keepTogether(doc, size.height);
    fillPageNumbers(doc, entries, size.height);
    if (!paintPages(doc, writer, size))
        return QStringLiteral("impossible d'écrire %1").arg(pdf);
    return std::nullopt;
}

}  // namespace brontaxe::manual
