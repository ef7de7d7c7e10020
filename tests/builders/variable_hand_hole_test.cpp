#include "builders/variable_hand_hole.h"

#include <gtest/gtest.h>

#include "builders/emit.h"
#include "platform/errors.h"
#include "support/builder_bodies.h"
#include "support/near.h"
#include "support/outline.h"

namespace brontaxe {
namespace {

struct VariableHole : ::testing::Test {
    test::Built g;
    VariableHandHoleCutShape h{90, 30};
    void draw(FeaturePlacement at = {}) {
        GenerationPass pass(g.d);
        VariableHandHoleCut(g.d, h, at);
    }
};

TEST_F(VariableHole, TakesTheKindItIsGiven) {
    h.lineKind = kind::Perforation;
    h.lineVariant = 2;
    draw({0, 100});
    ASSERT_EQ(g.d.ElementCount(), 4);
    for (const Element& e : g.d.elements()) {
        EXPECT_EQ(e.lineKind, kind::Perforation);
        EXPECT_EQ(e.lineVariant, 2);
    }
    const Box box = g.d.extents();
    EXPECT_NEAR(box.xmin, -45, 1e-3);
    EXPECT_NEAR(box.xmax, 45, 1e-3);
    EXPECT_NEAR(box.ymin, 70, 1e-3);
    EXPECT_NEAR(box.ymax, 100, 1e-3);
    EXPECT_EQ(g.d.lineStyle(), LineStyle{});  // put back as the next feature expects
}

TEST_F(VariableHole, AHingedHoleIsAPushInFlap) {
    h.hingedUpperEdge = true;
    draw();
    const auto hinge = test::horizontalLinesAt(g.d, kind::Crease, 0);
    ASSERT_EQ(hinge.size(), 1u);
    EXPECT_NEAR(std::abs(hinge[0].a.x - hinge[0].b.x), 60, 1e-4);
    EXPECT_EQ(test::arcsOfKind(g.d, kind::Cut).size(), 2u);
    EXPECT_EQ(test::horizontalLinesAt(g.d, kind::Cut, -30).size(), 1u);
}

TEST_F(VariableHole, ACutHoleIsClosedAndTurnsWithItsWall) {
    draw({300, 0, -90});
    EXPECT_TRUE(test::cutOutlineIsClosed(g.d));
    const Box box = g.d.extents();
    EXPECT_NEAR(box.xmin, 270, 1e-3);  // hangs inwards from the wall's edge at x = 300
    EXPECT_NEAR(box.xmax, 300, 1e-3);
    EXPECT_NEAR(box.ymax, 45, 1e-3);
}

TEST_F(VariableHole, RefusesAHoleThatWouldCrossItself) {
    h.height = 0;
    EXPECT_THROW(draw(), GenerationError);
    h.height = 100;
    EXPECT_THROW(draw(), GenerationError);
}

}  // namespace
}  // namespace brontaxe
