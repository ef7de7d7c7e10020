#pragma once
// Points and shapes as a failing test prints them, and nearness checks that say both values
// and the tolerance: EXPECT_TRUE(near(a, b)) fails with "(1, 2.5) is 0.5 from (1, 2), more
// than 1e-06".

#include <gtest/gtest.h>

#include <ostream>

#include "drawing/element.h"
#include "drawing/geometry.h"
#include "drawing/line_style.h"

namespace brontaxe {

std::ostream& operator<<(std::ostream& os, Point p);
void PrintTo(Point p, std::ostream* os);
void PrintTo(const Segment& s, std::ostream* os);
void PrintTo(const LineShape& l, std::ostream* os);
void PrintTo(const ArcShape& a, std::ostream* os);
void PrintTo(const DimensionShape& d, std::ostream* os);
void PrintTo(const SheetShape& s, std::ostream* os);
// A line kind as its number, a line style as its four fields.
void PrintTo(LineKind k, std::ostream* os);
void PrintTo(const LineStyle& s, std::ostream* os);

namespace test {

::testing::AssertionResult near(double a, double b, double eps = kEps);
::testing::AssertionResult near(Point a, Point b, double eps = kEps);
// Both ends, in order.
::testing::AssertionResult near(const Segment& a, const Segment& b, double eps = kEps);

}  // namespace test
}  // namespace brontaxe
