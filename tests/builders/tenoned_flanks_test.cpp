// The tenoned side wall: how many mortises, where they lie, the tenons that match them, and
// the walls it refuses to draw.

#include <gtest/gtest.h>

#include <algorithm>

#include "builders/tenoned_flanks.h"
#include "platform/errors.h"
#include "support/outline.h"
#include "support/style_fixture.h"

namespace brontaxe {
namespace {

struct CountCase {
    int nbmortaise;
    float span, length, pitch;
    int expected;
};

class MortiseCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(MortiseCount, IsTheGivenNumberOrAsManyAsFit) {
    const CountCase& c = GetParam();
    EXPECT_EQ(mortiseCount(c.nbmortaise, c.span, c.length, c.pitch), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    TenonedFlanks, MortiseCount,
    ::testing::Values(CountCase{2, 300, 33, 50, 2},      // given
                      CountCase{0, 303, 33, 50, 3},      // 253 div 83
                      CountCase{0, 216.5f, 117, 50, 0},  // 166.5 rounds to even 166, below 167
                      CountCase{0, 217.5f, 117, 50, 1},  // 167.5 rounds to 168
                      CountCase{0, 30, 33, 50, 0}));     // wider than the span: none

TEST(TenonedFlanks, ACountWithNeitherLengthNorPitchIsRefusedInFrench) {
    try {
        mortiseCount(0, 300, 0, 0);
        FAIL() << "no error";
    } catch (const GenerationError& e) {
        EXPECT_NE(std::string(e.what()).find("Mortaises impossibles"), std::string::npos);
    }
}

TenonedWall lockedWall() {
    TenonedWall w;
    w.length = 300;
    w.inset = 4;
    w.outer = 100;
    w.top = 6;
    w.inner = 100;
    w.tenon = {30, 3, 15};
    w.mortise = {33, 9, 0, 50};
    w.count = 3;
    w.mortiseGap = 1.5f;
    return w;
}

TEST(TenonedFlanks, MortisesAreCentredWithTheirPitchBetween) {
    const std::vector<float> c = mortiseCentres(lockedWall());
    ASSERT_EQ(c.size(), 3u);
    EXPECT_FLOAT_EQ(c[1], 150);
    EXPECT_FLOAT_EQ(c[1] - c[0], 83);
    EXPECT_FLOAT_EQ(c[2] - c[1], 83);
}

TEST(TenonedFlanks, DrawsATenonOverEachMortiseAndClosedMortises) {
    test::Generated g;
    const TenonedWall w = lockedWall();
    TenonedFlanks(g.d, w, {.x = 10, .y = 20});
    EXPECT_EQ(g.d.tracer().count(), g.d.ElementCount());
    // Tenon tips stand `height` beyond the inner wall's edge, over each mortise centre.
    const double tip = 10 + w.outer + w.top + w.inner + w.tenon.height;
    const auto tips = test::verticalLinesAt(g.d, kind::Cut, tip);
    ASSERT_EQ(tips.size(), 3u);
    for (std::size_t i = 0; i < tips.size(); ++i)
        EXPECT_NEAR((tips[i].a.y + tips[i].b.y) / 2, 20 + mortiseCentres(w)[i], 1e-3);
    // The mortises lie in the bottom, the gap short of the hinge.
    const auto nearEdges = test::verticalLinesAt(g.d, kind::Cut, 10 - w.mortiseGap);
    const auto farEdges =
        test::verticalLinesAt(g.d, kind::Cut, 10 - w.mortiseGap - w.mortise.height);
    EXPECT_EQ(nearEdges.size(), 3u);
    EXPECT_EQ(farEdges.size(), 3u);
    // Hinge, then the two folds of the double wall.
    EXPECT_EQ(test::verticalLinesAt(g.d, kind::Crease, 10).size(), 1u);
    EXPECT_EQ(test::verticalLinesAt(g.d, kind::Crease, 10 + w.outer).size(), 1u);
    EXPECT_EQ(test::verticalLinesAt(g.d, kind::Crease, 10 + w.outer + w.top).size(), 1u);
    EXPECT_TRUE(test::noLineDrawnTwice(g.d));
}

TEST(TenonedFlanks, RoundedMortisesKeepTheirSizeAndCloseUp) {
    test::Generated g;
    TenonedWall w = lockedWall();
    w.mortise.radius = 50;  // cut back to what a 9 mm slot holds
    w.count = 1;
    TenonedFlanks(g.d, w);
    const auto arcs = test::arcsOfKind(g.d, kind::Cut);
    ASSERT_EQ(arcs.size(), 4u);
    for (const ArcShape& a : arcs)
        EXPECT_LT(a.radius, w.mortise.height / 2);
}

TEST(TenonedFlanks, APlainWallHasNeitherTenonsNorMortises) {
    test::Generated g;
    TenonedWall w = lockedWall();
    w.type = WallType::Plain;
    TenonedFlanks(g.d, w);
    EXPECT_TRUE(test::verticalLinesAt(g.d, kind::Cut, -w.mortiseGap).empty());
    EXPECT_TRUE(
        test::verticalLinesAt(g.d, kind::Cut, w.outer + w.top + w.inner + w.tenon.height).empty());
}

TEST(TenonedFlanks, AnEarJoiningInsideTheOuterWallSplitsItsEndEdge) {
    test::Generated g;
    TenonedWall w = lockedWall();
    w.frontJoin = 40;
    TenonedFlanks(g.d, w);
    EXPECT_EQ(test::horizontalLinesAt(g.d, kind::Cut, 0).size(), 2u);
    EXPECT_EQ(test::horizontalLinesAt(g.d, kind::Cut, w.length).size(), 1u);
}

struct RefusalCase {
    const char* name;
    void (*spoil)(TenonedWall&);
    const char* words;
};

class RefusedWall : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusedWall, IsNotDrawnAndSaysWhyInFrench) {
    TenonedWall w = lockedWall();
    GetParam().spoil(w);
    ASSERT_TRUE(wallProblem(w));
    EXPECT_NE(wallProblem(w)->find(GetParam().words), std::string::npos) << *wallProblem(w);
    test::Generated g;
    EXPECT_THROW(TenonedFlanks(g.d, w), GenerationError);
}

INSTANTIATE_TEST_SUITE_P(
    TenonedFlanks, RefusedWall,
    ::testing::Values(
        RefusalCase{"TooMany", [](TenonedWall& w) { w.count = 5; }, "trop nombreuses"},
        RefusalCase{"TouchingMortises", [](TenonedWall& w) { w.mortise.pitch = 0; }, "pas nul"},
        RefusalCase{"TenonLongerThanItsMortise", [](TenonedWall& w) { w.tenon.length = 40; },
                    "Tenons impossibles"},
        RefusalCase{"TenonLeaningPastItsTip",
                    [](TenonedWall& w) {
                        w.tenon.height = 60;
                        w.tenon.angle = 30;
                    },
                    "Tenons impossibles"},
        RefusalCase{"NoWall", [](TenonedWall& w) { w.outer = 0; }, "flanc"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brontaxe
