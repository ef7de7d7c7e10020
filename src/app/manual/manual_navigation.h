#pragma once
// The manual's PDF as a reader goes through it: a bookmark for each chapter and section, each
// line of the table of contents a link to its page, and the language of the text.

#include <QRectF>
#include <QTextDocument>
#include <vector>

#include "app/manual/manual_contents.h"
#include "io/pdf_navigation.h"

namespace brontaxe::manual {

// Where the laid-out text lies on the PDF's pages, in points.
struct PageFrame {
    QRectF text;           // the text's rectangle on the page, from the page's top left corner
    qreal pageHeight = 0;  // of the whole page
    qreal textHeight = 0;  // of the text on a page, in dots
};

// The bookmarks and links of the contents' entries, the document laid out in pages.
io::PdfNavigation navigationOf(const QTextDocument& doc, const std::vector<ContentsEntry>& entries,
                               const PageFrame& frame);

}  // namespace brontaxe::manual
