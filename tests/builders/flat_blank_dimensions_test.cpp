#include "builders/flat_blank_dimensions.h"

#include <gtest/gtest.h>

#include "builders/emit.h"
#include "support/builder_bodies.h"
#include "support/outline.h"

namespace brontaxe {
namespace {

// A 500 x 250 rectangle: the step is (500 + 250) / 25 = 30.
struct Chains : ::testing::Test {
    test::Built g;
    void draw(const FlatBlankChains& c) {
        GenerationPass pass(g.d);
        chainStart(g.d, 0, 0);
        lineTo(g.d, 500, 0);
        lineTo(g.d, 500, 250);
        lineTo(g.d, 0, 250);
        lineTo(g.d, 0, 0);
        FlatBlankDimensions(g.d, c, g.settings.profile);
    }
};

TEST_F(Chains, WidthsUnderAndHeightsBesideEachWithTheOverallSize) {
    draw({{100, 0, 400}, {50, 200}});
    using test::hasDimension;
    EXPECT_TRUE(hasDimension(g.d, {0, -30}, {100, -30}));
    EXPECT_TRUE(hasDimension(g.d, {100, -30}, {500, -30}));  // the zero width still moves on
    EXPECT_TRUE(hasDimension(g.d, {0, -60}, {500, -60}));
    EXPECT_TRUE(hasDimension(g.d, {530, 0}, {530, 50}));
    EXPECT_TRUE(hasDimension(g.d, {530, 50}, {530, 250}));
    EXPECT_TRUE(hasDimension(g.d, {560, 0}, {560, 250}));
    EXPECT_EQ(test::dimensions(g.d).size(), 6u);
    EXPECT_EQ(g.d.tracer().count(), g.d.ElementCount());
}

TEST_F(Chains, TheQorProfileAddsTheInsideOfTheLargestColumnAndRow) {
    g.settings.profile = CustomerProfile::Qor;
    draw({{100, 400}, {50, 200}});
    EXPECT_EQ(test::dimensions(g.d).size(), 6u);  // only when the chains ask for them
    g.d.ClearDrawing();
    draw({{100, 400}, {50, 200}, true});
    EXPECT_TRUE(test::hasDimension(g.d, {100, 150}, {500, 150}));
    EXPECT_TRUE(test::hasDimension(g.d, {300, 50}, {300, 250}));
    EXPECT_EQ(test::dimensions(g.d).size(), 8u);
}

TEST_F(Chains, NothingDrawnNothingDimensioned) {
    {
        GenerationPass pass(g.d);
        FlatBlankDimensions(g.d, {{100}, {100}}, g.settings.profile);
    }
    EXPECT_EQ(g.d.ElementCount(), 0);
}

}  // namespace
}  // namespace brontaxe
