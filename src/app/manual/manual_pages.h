#pragma once
// The manual's text laid out in pages: the page a paragraph falls on, chapters that begin a
// page, and paragraphs and headings kept whole on theirs.

#include <QTextBlock>
#include <QTextDocument>

namespace brontaxe::manual {

// The PDF is written at this many dots an inch; lengths in text formats (picture sizes, tab
// stops, indents) are in pixels of a screen of 96 dots an inch.
inline constexpr int kDpi = 300;
inline constexpr qreal kPointsPerDot = 72.0 / kDpi;
inline constexpr qreal kPixelsPerDot = 96.0 / kDpi;
inline constexpr qreal kPixelsPerPoint = 96.0 / 72;
// How far the last line of a page may reach past its foot without being on the next page.
inline constexpr qreal kLineReach = 4;  // dots

// The page (from 1) of a block's first line, in a document laid out in pages this high.
int pageOf(const QTextDocument& doc, const QTextBlock& block, qreal pageHeight);

// Each chapter (a first-level heading after the title) begins a page.
void breakBeforeChapters(QTextDocument& doc);

// Moves to the next page each paragraph the page foot would cut in two, and each heading or
// picture it would part from the paragraph under it (its text, its caption). (The layout cuts
// paragraphs between lines, and then draws the line above a page on that page too: hidden by the
// clip, but found by search and copy.) Tables keep the layout's own breaks, between their rows (a
// break set on the heading above a table makes the layout lose the text after it).
void keepTogether(QTextDocument& doc, qreal pageHeight);

}  // namespace brontaxe::manual
