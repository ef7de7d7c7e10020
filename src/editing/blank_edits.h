#pragma once
// The modify tools: each takes the whole blank and gives it back edited (new elements at its
// end, in the order made), or says in French why it cannot.

#include <vector>

#include "drawing/element.h"
#include "drawing/line_style.h"
#include "editing/edit_outcome.h"

namespace brontaxe::editing {

using Blank = std::vector<Element>;

// Adds shapes drawn with `pen`.
EditOutcome added(const Blank& blank, const std::vector<Shape>& shapes, const LineStyle& pen);
EditOutcome deleted(const Blank& blank, const Selection& selection);
// Element `index` becomes `changed` (the properties panel).
EditOutcome replaced(const Blank& blank, std::size_t index, const Element& changed);

// Move or copy (`copy`: the selection stays and moved copies are added).
EditOutcome moved(const Blank& blank, const Selection& selection, Point offset, bool copy);
EditOutcome rotated(const Blank& blank, const Selection& selection, Point centre, double degrees,
                    bool copy);
// Mirror image about the line through a and b.
EditOutcome mirrored(const Blank& blank, const Selection& selection, Point a, Point b, bool copy);

// Trim: the part of element `target` on the side of `pickedAt` between its crossings with
// `boundary` (or up to its end) is removed. Extend: the end of `target` nearest `pickedAt`
// is carried to `boundary` (lines and arcs).
EditOutcome trimmed(const Blank& blank, std::size_t target, Point pickedAt, std::size_t boundary);
EditOutcome extended(const Blank& blank, std::size_t target, Point pickedAt, std::size_t boundary);
// The element cut in two at the point of it nearest `at` (a circle opens there).
EditOutcome split(const Blank& blank, std::size_t target, Point at);
// Rounds the corner between two lines with an arc of `radius` (0 brings them to meet),
// trimming or extending both; the arc takes the pen of the first.
EditOutcome filleted(const Blank& blank, std::size_t first, std::size_t second, double radius);
// A copy of a line or arc at `distance` on the side of `side`.
EditOutcome offset(const Blank& blank, std::size_t target, double distance, Point side);

}  // namespace brontaxe::editing
