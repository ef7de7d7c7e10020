#pragma once
// Blanks compared as a failing test prints them: element by element, lines and arcs to a
// tolerance (an arc's start angle modulo a turn), the pen and the bridges exactly.

#include <gtest/gtest.h>

#include <vector>

#include "drawing/element.h"

namespace brontaxe::test {

// A line or arc with the default pen, for the tables of expected blanks.
Element cut(Shape shape, std::vector<Bridge> bridges = {});
Element withKind(Element e, LineKind lineKind);

::testing::AssertionResult sameElement(const Element& actual, const Element& expected,
                                       double eps = 1e-6);
::testing::AssertionResult sameBlank(const std::vector<Element>& actual,
                                     const std::vector<Element>& expected, double eps = 1e-6);

}  // namespace brontaxe::test
