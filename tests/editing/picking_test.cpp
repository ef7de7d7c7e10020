#include <gtest/gtest.h>

#include <cmath>

#include "editing/picking.h"

namespace brontaxe::editing {
namespace {

Element of(Shape s) {
    return Element{std::move(s)};
}

// The right half of a circle of radius 10 about the origin, from (0, -10) through 0° to
// (0, 10).
const ArcShape kRightHalf{{0, 0}, 10, 270, 180};

TEST(DistanceToElement, StrokesByTheirCurveTextsAndDimensionsByTheirPoints) {
    const struct {
        const char* name;
        Shape shape;
        Point p;
        double expected;
    } cases[] = {
        {"line, beside", LineShape{{0, 0}, {100, 0}}, {50, 3}, 3},
        {"line, past its end", LineShape{{0, 0}, {100, 0}}, {103, 4}, 5},
        {"line, before its start", LineShape{{0, 0}, {100, 0}}, {-3, -4}, 5},
        {"line of no length", LineShape{{500, 500}, {500, 500}}, {503, 504}, 5},
        {"arc across 0°, on its sweep", kRightHalf, {6, 8}, 0},
        {"arc across 0°, at 0°", kRightHalf, {13, 0}, 3},
        {"arc across 0°, outside, further than the radius", kRightHalf, {16, 12}, 10},
        {"arc, off its sweep: its nearer end", kRightHalf, {-3, -14}, 5},
        {"circle, from its centre", ArcShape{{200, 0}, 5, 0, 360}, {200, 0}, 5},
        {"circle, on it", ArcShape{{200, 0}, 5, 0, 360}, {203, 4}, 0},
        {"text, its position", TextShape{{300, 300}, "A"}, {303, 304}, 5},
        {"dimension, its placing point",
         DimensionShape{{0, 100}, {100, 100}, {50, 120}},
         {50, 117},
         3},
        {"dimension, not its line", DimensionShape{{0, 100}, {100, 100}, {50, 120}}, {50, 100}, 20},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(distanceToElement(of(c.shape), c.p), c.expected, 1e-9) << c.name;
    EXPECT_TRUE(std::isinf(distanceToElement(of(SheetShape{{0, 0}, {10, 10}}), {0, 0})));
    EXPECT_TRUE(std::isinf(distanceToElement(of(ContourShape{{{{0, 0}, {1, 0}}}, 0}), {0, 0})));
}

TEST(PickElement, NearestWithinToleranceTheLastDrawnOnATie) {
    const std::vector<Element> blank{
        of(LineShape{{0, 0}, {100, 0}}), of(LineShape{{0, 0}, {100, 0}}),  // drawn over the first
        of(LineShape{{0, 2}, {100, 2}}), of(SheetShape{{-50, -50}, {500, 500}}),
        of(TextShape{{300, 300}, "A"}),
    };
    const struct {
        Point p;
        double tolerance;
        std::optional<std::size_t> expected;
    } cases[] = {
        {{50, 0.5}, 1, 1},  // the two alike: the one on top
        {{50, 1.6}, 1, 2},  // the nearer
        {{50, 1.0}, 1, 2},  // all three as near: the last drawn
        {{50, -2}, 2, 1},   // at the tolerance itself
        {{50, -2.1}, 2, std::nullopt},
        {{-50, 0}, 1, std::nullopt},  // on the sheet's outline, which is never picked
        {{301, 300}, 2, 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pickElement(blank, c.p, c.tolerance), c.expected)
            << c.p.x << ";" << c.p.y << " within " << c.tolerance;
}

TEST(ElementsInWindow, InsideTakesWhatLiesWhollyInCrossingWhatTheWindowMeets) {
    const std::vector<Element> blank{
        of(LineShape{{10, 10}, {20, 10}}),     // 0 inside
        of(LineShape{{-10, 25}, {60, 25}}),    // 1 through, both ends out
        of(ArcShape{{25, 45}, 10, 0, 180}),    // 2 ends inside, bulge out to y = 55
        of(ArcShape{{25, 25}, 100, 0, 360}),   // 3 a circle round the whole window
        of(LineShape{{60, 60}, {70, 70}}),     // 4 outside
        of(TextShape{{5, 5}, "A"}),            // 5 inside
        of(SheetShape{{1, 1}, {49, 49}}),      // 6 never selected
        of(ArcShape{{25, 25}, 10, 270, 180}),  // 7 across 0°, inside
        of(LineShape{{40, 40}, {80, 45}}),     // 8 one end inside
        of(ArcShape{{60, 60}, 12, 180, 90}),  // 9 its box overlaps the window's corner, the arc not
    };
    const Box window{0, 0, 50, 50, false};
    EXPECT_EQ(elementsInWindow(blank, window, WindowMode::Inside), (Selection{0, 5, 7}));
    EXPECT_EQ(elementsInWindow(blank, window, WindowMode::Crossing), (Selection{0, 1, 2, 5, 7, 8}));
    EXPECT_EQ(elementsInWindow(blank, Box{50, 50, 0, 0, false}, WindowMode::Inside),
              (Selection{0, 5, 7}));
    EXPECT_TRUE(elementsInWindow(blank, Box{}, WindowMode::Crossing).empty());
}

}  // namespace
}  // namespace brontaxe::editing
