#include "app/manual/manual_navigation.h"

#include <QAbstractTextDocumentLayout>
#include <QTextLayout>
#include <algorithm>

#include "app/manual/manual_pages.h"

namespace brontaxe::manual {
namespace {

// A bookmark shows a little above its heading, so that the heading is not cut by the window.
constexpr qreal kAboveHeading = 6;  // points

struct OnPage {
    int page = 0;  // from 0
    QRectF box;    // in dots, on the page's text
};

// The block's first line (its text, not the margin above it) on its page.
OnPage placeOf(const QTextDocument& doc, const QTextBlock& block, qreal textHeight) {
    const QRectF bounds = doc.documentLayout()->blockBoundingRect(block);
    const QTextLayout* layout = block.layout();
    QRectF line = bounds;
    if (layout->lineCount() > 0) {
        const QTextLine first = layout->lineAt(0);
        line = QRectF(bounds.left() + first.position().x(), bounds.top() + first.position().y(),
                      first.naturalTextWidth(), first.height());
    }
    const int page = pageOf(doc, block, textHeight) - 1;
    return {page, line.translated(0, -page * textHeight)};
}

// A rectangle on paper: points from the page's lower left corner, upwards.
struct PaperBox {
    qreal left = 0;
    qreal bottom = 0;
    qreal right = 0;
    qreal top = 0;
};

// From dots on a page's text (downwards from its top left corner) to paper.
PaperBox onPaper(const QRectF& dots, const PageFrame& frame) {
    const qreal left = frame.text.left() + dots.left() * kPointsPerDot;
    const qreal top = frame.pageHeight - frame.text.top() - dots.top() * kPointsPerDot;
    return {.left = left,
            .bottom = top - dots.height() * kPointsPerDot,
            .right = left + dots.width() * kPointsPerDot,
            .top = top};
}

}  // namespace

io::PdfNavigation navigationOf(const QTextDocument& doc, const std::vector<ContentsEntry>& entries,
                               const PageFrame& frame) {
    io::PdfNavigation navigation;
    navigation.language = "fr-FR";
    for (const ContentsEntry& e : entries) {
        const OnPage heading = placeOf(doc, e.heading, frame.textHeight);
        const io::PdfPlace place{
            .page = heading.page,
            .top = std::min(frame.pageHeight, onPaper(heading.box, frame).top + kAboveHeading)};
        navigation.bookmarks.push_back({.title = e.heading.text().toStdString(),
                                        .level = e.heading.blockFormat().headingLevel(),
                                        .place = place});
        // The whole line of the contents, its title and its page number.
        const OnPage entry = placeOf(doc, e.entry, frame.textHeight);
        QRectF line = entry.box;
        line.setRight(doc.documentLayout()->blockBoundingRect(e.entry).right());
        const PaperBox area = onPaper(line, frame);
        navigation.links.push_back({.page = entry.page,
                                    .left = area.left,
                                    .bottom = area.bottom,
                                    .right = area.right,
                                    .top = area.top,
                                    .to = place});
    }
    return navigation;
}

}  // namespace brontaxe::manual
