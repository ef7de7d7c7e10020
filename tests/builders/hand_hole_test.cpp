#include "builders/hand_hole.h"

#include <gtest/gtest.h>

#include <tuple>

#include "builders/emit.h"
#include "platform/errors.h"
#include "support/near.h"
#include "support/outline.h"

namespace brontaxe {
namespace {

using test::horizontalLinesAt;

// One hole of type `type`, 90 x 30, 50 under a flap crease at 100, centred at x = 200.
struct HandHoleTest : ::testing::Test {
    Drawing d;

    void draw(HandHoleKind type) {
        GenerationPass pass(d);
        HandHole(d, {.type = type, .length = 90, .height = 30, .tab = 6}, {.x = 200, .y = 50});
    }
    bool edge(LineKind lineKind, double y) {
        const auto lines = horizontalLinesAt(d, lineKind, y);
        return lines.size() == 1 && areNear(lines[0].a.x, 170, 1e-4) &&
               areNear(lines[0].b.x, 230, 1e-4);
    }
};

TEST_F(HandHoleTest, TypeOneIsACutSlotWithRoundEnds) {
    draw(HandHoleKind::Cut);
    EXPECT_TRUE(edge(kind::Cut, 50));
    EXPECT_TRUE(edge(kind::Cut, 20));
    const auto arcs = test::arcsOfKind(d, kind::Cut);
    ASSERT_EQ(arcs.size(), 2u);
    for (const auto& a : arcs) {
        EXPECT_NEAR(a.radius, 15, 1e-6);
        EXPECT_NEAR(a.sweepDeg, 180, 1e-6);
        EXPECT_NEAR(a.centre.y, 35, 1e-6);
        EXPECT_NEAR(std::fabs(a.centre.x - 200), 30, 1e-6);
    }
    EXPECT_TRUE(test::cutOutlineIsClosed(d));
    EXPECT_EQ(d.tracer().count(), 4);
}

TEST_F(HandHoleTest, TypeTwoCreasesTheUpperEdgeWithVariantTwo) {
    draw(HandHoleKind::CreasedUpperEdge);
    EXPECT_TRUE(edge(kind::Crease, 50));
    EXPECT_TRUE(edge(kind::Cut, 20));
    EXPECT_EQ(test::arcsOfKind(d, kind::Cut).size(), 2u);
    EXPECT_EQ(d.element(d.tracer().id(1)).lineVariant, 2);
    // The cut ends only at the creased edge: the tab of board folds in there.
    const auto loose = test::looseCutEnds(d);
    ASSERT_EQ(loose.size(), 2u);
    for (const Point& p : loose)
        EXPECT_NEAR(p.y, 50, 1e-4);
    EXPECT_EQ(d.lineStyle(), LineStyle{});
}

TEST_F(HandHoleTest, TypeThreeAddsTwoLShapedCutsAndTheTabCreaseAbove) {
    draw(HandHoleKind::FoldingTab);
    EXPECT_TRUE(edge(kind::Crease, 50));
    EXPECT_TRUE(edge(kind::Crease, 56));
    const auto legs = test::verticalLinesAt(d, kind::Cut, 170);
    ASSERT_EQ(legs.size(), 1u);
    EXPECT_NEAR(legs[0].a.y, 50, 1e-4);
    EXPECT_NEAR(legs[0].b.y, 56, 1e-4);
    const auto feet = horizontalLinesAt(d, kind::Cut, 56);
    ASSERT_EQ(feet.size(), 2u);
    EXPECT_NEAR(feet[0].a.x, 164, 1e-4);
    EXPECT_NEAR(feet[1].b.x, 236, 1e-4);
    // The free ends of the L-shaped cuts, and nothing else, stay open.
    const auto loose = test::looseCutEnds(d);
    ASSERT_EQ(loose.size(), 2u);
    EXPECT_NEAR(loose[0].y, 56, 1e-4);
    EXPECT_NEAR(loose[1].y, 56, 1e-4);
}

TEST_F(HandHoleTest, TypeZeroDrawsNothingAndEqualSizesGiveACircle) {
    draw(HandHoleKind::None);
    EXPECT_EQ(d.ElementCount(), 0);
    HandHole(d, {.type = HandHoleKind::Cut, .length = 30, .height = 30});
    EXPECT_TRUE(test::cutOutlineIsClosed(d));
    EXPECT_NEAR(d.KindLength(kind::Cut), 30 * kPi, 1e-6);
}

TEST(HandHoleSizes, AHoleShorterThanItIsHighOrWithoutHeightIsReported) {
    for (auto [length, height] : {std::pair{20.0f, 30.0f}, std::pair{90.0f, 0.0f}}) {
        Drawing d;
        EXPECT_THROW(HandHole(d, {.type = HandHoleKind::Cut, .length = length, .height = height}),
                     GenerationError)
            << length;
        EXPECT_EQ(d.ElementCount(), 0);
    }
}

// Walls that always have a hole cut a plain one when the design chooses none, and keep the
// chosen type otherwise.
TEST(HandHoleSizes, AWallThatAlwaysHasAHoleCutsAPlainOneWhenNoneIsChosen) {
    using K = HandHoleKind;
    for (auto [chosen, cut] : {std::pair{K::None, K::Cut},
                               {K::Cut, K::Cut},
                               {K::CreasedUpperEdge, K::CreasedUpperEdge},
                               {K::FoldingTab, K::FoldingTab}}) {
        const HandHoleShape hole =
            alwaysCutHandHoleShape({.type = chosen, .length = 90, .height = 30, .tab = 6});
        EXPECT_EQ(hole.type, cut);
        EXPECT_FLOAT_EQ(hole.length, 90);
        EXPECT_FLOAT_EQ(hole.height, 30);
        EXPECT_FLOAT_EQ(hole.tab, 6);
    }
}

// In a wall 120 long and 80 high; the start-up hole is 90 x 30, 50 under the free edge.
TEST(HandHoleSizes, AHoleOutsideItsWallIsRefusedInFrench) {
    struct Case {
        const char* name;
        HandHoleKind type;
        float length, height, drop;
        bool fits;
    };
    const Case cases[] = {
        {"the start-up hole", HandHoleKind::Cut, 90, 30, 45, true},
        {"as long as the wall", HandHoleKind::Cut, 120, 30, 45, false},
        {"reaching the crease at the wall's foot", HandHoleKind::Cut, 90, 30, 50, false},
        {"2 mm under the free edge: close, but inside", HandHoleKind::Cut, 90, 30, 2, true},
        {"its folding tab above the free edge", HandHoleKind::FoldingTab, 90, 30, 2, false},
        {"its folding tab inside", HandHoleKind::FoldingTab, 90, 30, 6, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const WallHandHole hole{
            .shape = {.type = c.type, .length = c.length, .height = c.height, .tab = 6},
            .drop = c.drop};
        if (c.fits) {
            EXPECT_NO_THROW(checkHandHoleFits(hole, 120, 80));
            continue;
        }
        try {
            checkHandHoleFits(hole, 120, 80);
            ADD_FAILURE() << "not refused";
        } catch (const GenerationError& e) {
            EXPECT_EQ(std::string(e.what()).rfind("Poignée hors de sa paroi : ", 0), 0U)
                << e.what();
            EXPECT_NE(std::string(e.what()).find("dans une paroi de 120\u00a0mm x 80\u00a0mm"),
                      std::string::npos)
                << e.what();
        }
    }
}

}  // namespace
}  // namespace brontaxe
