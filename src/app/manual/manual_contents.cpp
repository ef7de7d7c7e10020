#include "app/manual/manual_contents.h"

#include <QTextCursor>
#include <algorithm>
#include <cstring>

#include "app/manual/manual_pages.h"

namespace brontaxe::manual {
namespace {

constexpr const char* kContentsHeading = "Table des matières";
// Stands for a page number until the pages are known; as wide as the widest one.
constexpr const char* kPagePlaceholder = "000";
constexpr int kBodyPoints = 10;

struct Heading {
    QTextBlock block;
    int level = 0;
};

std::vector<Heading> headings(const QTextDocument& doc) {
    std::vector<Heading> all;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const int level = b.blockFormat().headingLevel();
        if (level > 0)
            all.push_back({b, level});
    }
    return all;
}

}  // namespace

std::vector<ContentsEntry> insertContents(QTextDocument& doc, qreal textWidth) {
    const std::vector<Heading> all = headings(doc);
    const auto at = std::find_if(all.begin(), all.end(), [](const Heading& h) {
        return h.block.text().trimmed() == QString::fromUtf8(kContentsHeading);
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
        // A stop on the very edge would push the number to a line of its own. Stops count from
        // the indented text: a section's is brought back by its indent, so that every number
        // ends on the same edge.
        const qreal stop = textWidth * kPixelsPerDot * 0.98 - (h->level - 1) * doc.indentWidth();
        line.setTabPositions({QTextOption::Tab(stop, QTextOption::RightTab)});
        line.setTopMargin(h->level == 1 ? kBodyPoints : 0);
        QTextCharFormat look = text;
        look.setFontWeight(h->level == 1 ? QFont::Bold : QFont::Normal);
        c.insertBlock(line, look);
        c.insertText(h->block.text() + QLatin1Char('\t') + QString::fromLatin1(kPagePlaceholder),
                     look);
        entries.push_back({c.block(), h->block});
    }
    return entries;
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
                       static_cast<int>(std::strlen(kPagePlaceholder)));
        c.insertText(QString::number(page));
    }
    edit.endEditBlock();
}

}  // namespace brontaxe::manual
