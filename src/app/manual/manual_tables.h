#pragma once
// The manual's tables as the PDF and the help window show them.

#include <QTextDocument>

namespace brontaxe::manual {

// Keeps the text of every cell off the borders at its sides, which the Markdown's tables draw
// right against it (a long option would touch the next column's text). Only the sides: a
// taller row would let the page foot cut it in two.
void padTables(QTextDocument& doc);

}  // namespace brontaxe::manual
