#include "drawing/contour.h"

#include <gtest/gtest.h>

#include <cmath>

#include "styles/02/fco200.h"
#include "support/outline.h"
#include "support/style_fixture.h"

namespace brontaxe {
namespace {

std::vector<Segment> square(Point origin, double side, double gap = 0) {
    const Point a = origin, b = origin + Point{side, 0}, c = origin + Point{side, side},
                d = origin + Point{0, side};
    return {{a, b}, {b, c}, {c, d}, {d, a + Point{0, gap}}};
}

TEST(OuterContour, RegularSlottedCaseMatchesTheHandComputedArea) {
    test::Generated g;
    Fco0201(g.m, g.d);
    // Body 1400 x 200; flaps of 150 over 392, 292, 392 and 296 on each side; the glue flap a
    // trapezoid under its slanted end plus the 4 mm under the slot.
    const double slantDrop = 32 * std::tan(15 * kPi / 180);
    const double glueHalf = 32 * (100 + (100 - slantDrop)) / 2 + 4 * 100;
    const double expected = 1400 * 200 + 2 * 150 * (392 + 292 + 392 + 296) + 2 * glueHalf;
    const OuterContourResult c = outerContour(test::cutLinework(g.d));
    EXPECT_NEAR(c.area, expected, expected * 1e-6);
    ASSERT_EQ(c.rings.size(), 1u);
}

TEST(OuterContour, InnerCutOutsDoNotCountAndArcsAreFlattenedFinely) {
    test::Generated plain;
    Fco0201(plain.m, plain.d);
    test::Generated holes;
    holes.m.OptionPoign = 1;
    Fco0201(holes.m, holes.d);
    EXPECT_NEAR(outerContour(test::cutLinework(holes.d)).area,
                outerContour(test::cutLinework(plain.d)).area, 1e-6);

    const ArcShape circle{{10, 10}, 50, 0, 360};
    const OuterContourResult c = outerContour(flattenArc(circle, 0.01));
    EXPECT_NEAR(c.area, kPi * 2500, kPi * 2500 * 1e-3);
}

TEST(OuterContour, EndsWithinTheToleranceJoinAndSeparatePiecesAddUp) {
    EXPECT_NEAR(outerContour(square({0, 0}, 100, 0.005)).area, 10000, 1e-6);
    EXPECT_EQ(outerContour(square({0, 0}, 100, 0.5)).area, 0);  // a real gap: no surface
    auto two = square({0, 0}, 10);
    for (const auto& s : square({100, 0}, 20))
        two.push_back(s);
    const OuterContourResult c = outerContour(two);
    EXPECT_EQ(c.rings.size(), 2u);
    EXPECT_NEAR(c.area, 100 + 400, 1e-9);
    EXPECT_EQ(outerContour({}).area, 0);
}

TEST(OuterContour, CrossingLinesAreNodedIntoOneOutline) {
    // A plus sign of two overlapping rectangles drawn as separate outlines.
    std::vector<Segment> lines = {{{0, 10}, {30, 10}},  {{30, 10}, {30, 20}}, {{30, 20}, {0, 20}},
                                  {{0, 20}, {0, 10}},   {{10, 0}, {20, 0}},   {{20, 0}, {20, 30}},
                                  {{20, 30}, {10, 30}}, {{10, 30}, {10, 0}}};
    EXPECT_NEAR(outerContour(lines).area, 300 + 300 - 100, 1e-9);
    // One chain of segments crossing itself: a bow tie of two triangles meeting at (5, 5).
    const std::vector<Segment> bowTie = {
        {{0, 0}, {10, 10}}, {{10, 10}, {10, 0}}, {{10, 0}, {0, 10}}, {{0, 10}, {0, 0}}};
    EXPECT_NEAR(outerContour(bowTie).area, 25 + 25, 1e-9);
}

}  // namespace
}  // namespace brontaxe

namespace brontaxe {
namespace {

TEST(DrawingOuterContour, MeasuresTheBlankOnceWhateverItsCopiesAndFilter) {
    test::Generated g;
    Fco0201(g.m, g.d);
    const double single = outerContour(test::cutLinework(g.d)).area;
    g.d.addPoses({.step = {2000, 0}});  // an imposed copy beside it
    g.d.SetFilter("pen=2..8;niv=2..16");
    const ElementId contour = g.d.OuterContour(-900000, -900000, 900000, 900000);
    EXPECT_EQ(g.d.ElementType(contour), ShapeType::Contour);
    EXPECT_NEAR(g.d.ContourArea(contour), single, 1e-6);
    // A window that leaves the blank out measures nothing.
    EXPECT_EQ(g.d.ContourArea(g.d.OuterContour(5000, 5000, 6000, 6000)), 0);
    EXPECT_EQ(g.d.ContourArea(ElementId{3}), 0);  // not a contour
}

}  // namespace
}  // namespace brontaxe

namespace brontaxe {
namespace {

TEST(OuterContour, ArcsFlattenedAtTheContourToleranceKeepTheAreaToATenthOfAPercent) {
    // A small 100 x 100 piece with corners rounded to 10: the worst case of arc length
    // against area a blank meets.
    const double r = 10;
    std::vector<Segment> lines = {{{r, 0}, {100 - r, 0}},
                                  {{100, r}, {100, 100 - r}},
                                  {{100 - r, 100}, {r, 100}},
                                  {{0, 100 - r}, {0, r}}};
    const ArcShape corners[] = {{{100 - r, r}, r, 270, 90},
                                {{100 - r, 100 - r}, r, 0, 90},
                                {{r, 100 - r}, r, 90, 90},
                                {{r, r}, r, 180, 90}};
    for (const ArcShape& a : corners) {
        for (const Segment& s : flattenArc(a, kContourArcTolerance))
            lines.push_back(s);
    }
    const double exact = 100 * 100 - (4 - kPi) * r * r;
    EXPECT_NEAR(outerContour(lines).area, exact, exact * 1e-3);
}

}  // namespace
}  // namespace brontaxe
