#pragma once
// The table of contents of the manual: a line for each chapter and section that follows the
// heading "Table des matières", filled with their pages once the text is laid out.

#include <QTextBlock>
#include <QTextDocument>
#include <vector>

namespace brontaxe::manual {

struct ContentsEntry {
    QTextBlock entry;    // the line in the table of contents
    QTextBlock heading;  // the heading it points at
};

// Inserts the lines, each with a page number to come; none without that heading.
std::vector<ContentsEntry> insertContents(QTextDocument& doc, qreal textWidth);

// Writes the page of each heading on its line, the document laid out in pages this high.
void fillPageNumbers(QTextDocument& doc, const std::vector<ContentsEntry>& entries,
                     qreal pageHeight);

}  // namespace brontaxe::manual
