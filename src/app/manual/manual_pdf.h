#pragma once
// The user manual as a PDF, made from its Markdown: the screenshots it names fitted to the
// page, each chapter on a new page, the table of contents filled with the pages of the
// chapters and sections, and the page numbers at the foot of the pages.

#include <QString>
#include <optional>

namespace brontaxe::manual {

// Reads `markdown` (images relative to its folder) and writes `pdf`. The contents go under
// the heading "Table des matières". Returns what went wrong: a file that cannot be read or
// written, a picture that is missing.
std::optional<QString> writeManualPdf(const QString& markdown, const QString& pdf);

}  // namespace brontaxe::manual
