#pragma once
// Finding the elements of a blank under the cursor and inside a window drawn with the mouse.

#include <optional>
#include <span>

#include "drawing/element.h"
#include "editing/edit_outcome.h"

namespace brontaxe::editing {

// Distance from `p` to the element's stroke (lines, arcs and circles); texts and dimensions
// by their reference points; infinite for contours and sheet outlines, which are never picked.
double distanceToElement(const Element& e, Point p);

// The element nearest to `p` within `tolerance` millimetres; on a tie the one drawn last
// (on top). None when nothing is that close.
std::optional<std::size_t> pickElement(std::span<const Element> elements, Point p,
                                       double tolerance);

// A window drawn left to right selects what lies wholly inside; drawn right to left, what it
// crosses or holds.
enum class WindowMode { Inside, Crossing };
Selection elementsInWindow(std::span<const Element> elements, const Box& window, WindowMode mode);

}  // namespace brontaxe::editing
