#include "app/manual/manual_pages.h"

#include <QAbstractTextDocumentLayout>
#include <QTextCursor>
#include <QTextFragment>
#include <QTextLayout>
#include <cmath>
#include <utility>

namespace brontaxe::manual {
namespace {

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

bool holdsPicture(const QTextBlock& block) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        if (it.fragment().charFormat().isImageFormat())
            return true;
    }
    return false;
}

}  // namespace

// The page of a block's first line: a block that begins a page reaches back to the end of the
// page before, its first line does not.
int pageOf(const QTextDocument& doc, const QTextBlock& block, qreal pageHeight) {
    // On the page, not in its table cell, and laid out.
    const qreal blockTop = doc.documentLayout()->blockBoundingRect(block).top();
    const QTextLayout* layout = block.layout();
    const qreal top = blockTop + (layout->lineCount() > 0 ? layout->lineAt(0).position().y() : 0);
    return static_cast<int>(std::floor(top / pageHeight)) + 1;
}

void breakBeforeChapters(QTextDocument& doc) {
    bool title = true;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().headingLevel() != 1)
            continue;
        if (std::exchange(title, false))
            continue;
        QTextBlockFormat f = b.blockFormat();
        f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(b).setBlockFormat(f);
    }
}

void keepTogether(QTextDocument& doc, qreal pageHeight) {
    const auto inTable = [](const QTextBlock& b) { return QTextCursor(b).currentTable(); };
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (inTable(b) || b.blockFormat().pageBreakPolicy() != 0)
            continue;
        const int first = pageOf(doc, b, pageHeight);
        bool move = lastPageOf(doc, b, pageHeight) != first;
        const QTextBlock next = b.next();
        if ((b.blockFormat().headingLevel() > 0 || holdsPicture(b)) && next.isValid() &&
            !inTable(next))
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

}  // namespace brontaxe::manual
