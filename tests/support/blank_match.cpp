#include "support/blank_match.h"

#include <cmath>
#include <sstream>

#include "support/near.h"

namespace brontaxe::test {
namespace {

std::string shown(const Element& e) {
    std::ostringstream out;
    out.precision(10);
    if (const auto* l = std::get_if<LineShape>(&e.shape))
        PrintTo(*l, &out);
    else if (const auto* a = std::get_if<ArcShape>(&e.shape))
        PrintTo(*a, &out);
    else
        out << "shape " << e.shape.index();
    out << " kind " << lineKindNumber(e.lineKind) << " variant " << e.lineVariant << " piece "
        << e.piece;
    for (const Bridge& b : e.bridges)
        out << " bridge " << b.at << "/" << b.width;
    return out.str();
}

double angleGap(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return std::min(d, 360.0 - d);
}

bool sameShape(const Shape& a, const Shape& b, double eps) {
    const auto* la = std::get_if<LineShape>(&a);
    const auto* lb = std::get_if<LineShape>(&b);
    if (la && lb)
        return distance(la->a, lb->a) <= eps && distance(la->b, lb->b) <= eps;
    const auto* aa = std::get_if<ArcShape>(&a);
    const auto* ab = std::get_if<ArcShape>(&b);
    if (aa && ab)
        return distance(aa->centre, ab->centre) <= eps &&
               std::fabs(aa->radius - ab->radius) <= eps &&
               angleGap(aa->startDeg, ab->startDeg) <= eps &&
               std::fabs(aa->sweepDeg - ab->sweepDeg) <= eps;
    return a == b;
}

bool sameBridges(const std::vector<Bridge>& a, const std::vector<Bridge>& b, double eps) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::fabs(a[i].at - b[i].at) > eps || std::fabs(a[i].width - b[i].width) > eps)
            return false;
    return true;
}

}  // namespace

Element cut(Shape shape, std::vector<Bridge> bridges) {
    Element e{std::move(shape)};
    e.bridges = std::move(bridges);
    return e;
}

Element withKind(Element e, LineKind lineKind) {
    e.lineKind = lineKind;
    return e;
}

::testing::AssertionResult sameElement(const Element& actual, const Element& expected, double eps) {
    if (sameShape(actual.shape, expected.shape, eps) && actual.lineKind == expected.lineKind &&
        actual.lineVariant == expected.lineVariant && actual.piece == expected.piece &&
        actual.flag == expected.flag && actual.bridgeless == expected.bridgeless &&
        sameBridges(actual.bridges, expected.bridges, eps))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << shown(actual) << "\n  expected " << shown(expected);
}

::testing::AssertionResult sameBlank(const std::vector<Element>& actual,
                                     const std::vector<Element>& expected, double eps) {
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure()
               << actual.size() << " elements, expected " << expected.size();
    for (std::size_t i = 0; i < actual.size(); ++i)
        if (auto same = sameElement(actual[i], expected[i], eps); !same)
            return ::testing::AssertionFailure() << "element " << i << ": " << same.message();
    return ::testing::AssertionSuccess();
}

}  // namespace brontaxe::test
