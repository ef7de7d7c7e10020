#pragma once
// The manual's tables as the PDF and the help window show them.

#include <QTextDocument>

namespace brontaxe::manual {

// Keeps the text of every cell off its borders, which the Markdown's tables draw right
// against the text (a long option would touch the next column's text).
void padTables(QTextDocument& doc);

}  // namespace brontaxe::manual
