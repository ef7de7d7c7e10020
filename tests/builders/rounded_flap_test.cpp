#include "builders/rounded_flap.h"

#include <gtest/gtest.h>

#include "builders/emit.h"
#include "platform/errors.h"
#include "support/near.h"
#include "support/outline.h"
#include "support/style_fixture.h"

namespace brontaxe {
namespace {

struct RoundedEar : ::testing::Test {
    test::Generated g;
    RoundedFlapShape f{100, 60, 30, 10, 10};
    void draw(FeaturePlacement at = {}) {
        GenerationPass pass(g.d);
        RoundedFlap(g.d, f, at);
    }
};

TEST_F(RoundedEar, OuterCornerIsAnArcAndInnerCornerAFillet) {
    draw();
    const Box box = g.d.extents();
    EXPECT_NEAR(box.xmin, 0, 1e-3);
    EXPECT_NEAR(box.xmax, 100, 1e-3);
    EXPECT_NEAR(box.ymax, 60, 1e-3);
    const auto arcs = test::arcsOfKind(g.d, kind::Cut);
    ASSERT_EQ(arcs.size(), 2u);
    EXPECT_NEAR(arcs[0].radius, 30, 1e-4);
    EXPECT_TRUE(test::near(arcs[0].centre, {70, 30}, 1e-4));
    EXPECT_NEAR(arcs[1].radius, 10, 1e-4);
    // Only the fold's two ends are open, and the fold is a crease.
    const auto loose = test::looseCutEnds(g.d);
    ASSERT_EQ(loose.size(), 2u);
    const auto fold = test::horizontalLinesAt(g.d, kind::Crease, 0);
    ASSERT_EQ(fold.size(), 1u);
    EXPECT_NEAR(std::abs(fold[0].a.x - fold[0].b.x), 100, 1e-4);
}

TEST_F(RoundedEar, RadiusAndFilletAreCutBackToTheRoomTheFlapHas) {
    f.radius = 500;  // at most the depth (60) here
    f.fillet = 500;
    f.creasedFold = false;
    draw();
    const auto arcs = test::arcsOfKind(g.d, kind::Cut);
    ASSERT_FALSE(arcs.empty());
    EXPECT_NEAR(arcs[0].radius, 60, 1e-4);
    EXPECT_NEAR(g.d.extents().ymax, 60, 1e-3);
    EXPECT_TRUE(test::linesOfKind(g.d, kind::Crease).empty());
    EXPECT_EQ(test::looseCutEnds(g.d).size(), 2u);
}

TEST_F(RoundedEar, SquareFlapHasNoArcs) {
    f.radius = 0;
    f.fillet = 0;
    f.inset = 0;
    draw({50, 20, 90, true});
    EXPECT_TRUE(test::arcsOfKind(g.d, kind::Cut).empty());
    // Mirrored below the fold, then turned: x from 50 to 110, y from 20 to 120.
    const Box box = g.d.extents();
    EXPECT_NEAR(box.xmin, 50, 1e-3);
    EXPECT_NEAR(box.xmax, 110, 1e-3);
    EXPECT_NEAR(box.ymax, 120, 1e-3);
}

TEST_F(RoundedEar, RefusesAFlapOfNoSize) {
    f.depth = 0;
    EXPECT_THROW(draw(), GenerationError);
    f.depth = 60;
    f.inset = 100;
    EXPECT_THROW(draw(), GenerationError);
}

}  // namespace
}  // namespace brontaxe
