#include "support/near.h"

#include <cmath>
#include <sstream>

namespace brontaxe {

std::ostream& operator<<(std::ostream& os, Point p) {
    return os << "(" << p.x << ", " << p.y << ")";
}

void PrintTo(Point p, std::ostream* os) {
    *os << p;
}

void PrintTo(const Segment& s, std::ostream* os) {
    *os << s.a << " - " << s.b;
}

void PrintTo(const LineShape& l, std::ostream* os) {
    *os << "line " << l.a << " - " << l.b;
}

void PrintTo(const ArcShape& a, std::ostream* os) {
    *os << "arc about " << a.centre << " radius " << a.radius << " from " << a.startDeg << "° over "
        << a.sweepDeg << "°";
}

void PrintTo(const DimensionShape& d, std::ostream* os) {
    *os << "dimension " << d.p1 << " - " << d.p2 << " placed by " << d.ref;
}

void PrintTo(const SheetShape& s, std::ostream* os) {
    *os << "sheet " << s.min << " - " << s.max;
}

void PrintTo(LineKind k, std::ostream* os) {
    *os << "kind " << lineKindNumber(k);
}

void PrintTo(const LineStyle& s, std::ostream* os) {
    PrintTo(s.kind, os);
    *os << " variant " << s.variant << " piece " << s.piece << (s.bridgeless ? " bridgeless" : "");
}

namespace test {
namespace {

template <class T>
::testing::AssertionResult apart(const T& a, const T& b, double gap, double eps) {
    std::ostringstream out;
    out.precision(10);
    out << ::testing::PrintToString(a) << " is " << gap << " from " << ::testing::PrintToString(b)
        << ", more than " << eps;
    return ::testing::AssertionFailure() << out.str();
}

}  // namespace

::testing::AssertionResult near(double a, double b, double eps) {
    const double gap = std::fabs(a - b);
    return gap <= eps ? ::testing::AssertionSuccess() : apart(a, b, gap, eps);
}

::testing::AssertionResult near(Point a, Point b, double eps) {
    const double gap = distance(a, b);
    return gap <= eps ? ::testing::AssertionSuccess() : apart(a, b, gap, eps);
}

::testing::AssertionResult near(const Segment& a, const Segment& b, double eps) {
    const double gap = std::max(distance(a.a, b.a), distance(a.b, b.b));
    return gap <= eps ? ::testing::AssertionSuccess() : apart(a, b, gap, eps);
}

}  // namespace test
}  // namespace brontaxe
