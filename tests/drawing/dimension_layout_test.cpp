#include "drawing/dimension_layout.h"

#include <gtest/gtest.h>

#include "drawing/pens.h"
#include "support/near.h"

namespace brontaxe {
namespace {

constexpr double kTol = 1e-9;

DimensionStyle plainStyle() {
    return DimensionStyle{};  // 3.5 text, 3.5 arrows, 2 gap, 2 overshoot
}

Box blank(double x0, double y0, double x1, double y1) {
    Box b;
    b.add(Point{x0, y0});
    b.add(Point{x1, y1});
    return b;
}

TEST(DimensionLayout, ChainRowBelowTheBlankReachesBackToItsEdge) {
    // A width of the chain row: measured points on the row, reference on the same line.
    const DimensionShape d{{36, -327}, {436, -327}, {0, -327}};
    const auto l = layoutDimension(d, plainStyle(), blank(0, -250, 1436, 250));
    EXPECT_DOUBLE_EQ(l.value, 400);
    EXPECT_EQ(l.text, "400");
    EXPECT_TRUE(test::near(l.dimensionLine.a, {36, -327}));
    EXPECT_TRUE(test::near(l.dimensionLine.b, {436, -327}));
    // Extension lines from just below the blank to just past the dimension line.
    EXPECT_TRUE(test::near(l.extensionLines[0].a, {36, -252}));
    EXPECT_TRUE(test::near(l.extensionLines[0].b, {36, -329}));
    EXPECT_TRUE(test::near(l.extensionLines[1].a, {436, -252}));
    // Arrows inside, tips on the extension lines, pointing outwards.
    EXPECT_TRUE(test::near(l.arrows[0].tip, {36, -327}));
    EXPECT_GT(l.arrows[0].left.x, 36);
    EXPECT_TRUE(test::near(l.arrows[1].tip, {436, -327}));
    EXPECT_LT(l.arrows[1].left.x, 436);
    // Text centred above the line, horizontal.
    EXPECT_NEAR(l.textAnchor.x, 236, kTol);
    EXPECT_GT(l.textAnchor.y, -327);
    EXPECT_NEAR(l.textAngleDeg, 0, kTol);
}

TEST(DimensionLayout, TextStaysReadableWhateverTheDirection) {
    const struct {
        DimensionShape d;
        double angle;
    } cases[] = {
        {{{100, 0}, {0, 0}, {100, 0}}, 0},   // drawn right to left
        {{{0, 0}, {0, 100}, {0, 0}}, 90},    // upwards: reads bottom to top
        {{{0, 100}, {0, 0}, {0, 0}}, 90},    // downwards: still bottom to top
        {{{0, 0}, {-50, -50}, {0, 0}}, 45},  // down-left diagonal
    };
    for (const auto& c : cases) {
        const auto l = layoutDimension(c.d, plainStyle());
        EXPECT_NEAR(l.textAngleDeg, c.angle, kTol) << l.text;
    }
}

TEST(DimensionLayout, ReferencePointOffsetsTheLineAndExtensionLinesJoinTheMeasuredPoints) {
    // A horizontal measure with its dimension line 20 above, no blank given.
    const DimensionShape d{{0, 0}, {100, 0}, {50, 20}};
    const auto l = layoutDimension(d, plainStyle());
    EXPECT_TRUE(test::near(l.dimensionLine.a, {0, 20}));
    EXPECT_TRUE(test::near(l.dimensionLine.b, {100, 20}));
    EXPECT_TRUE(test::near(l.extensionLines[0].a, {0, 2}));
    EXPECT_TRUE(test::near(l.extensionLines[0].b, {0, 22}));
}

TEST(DimensionLayout, ShortDimensionsPutTheirArrowsOutsideAndZeroLengthHasNone) {
    const auto shortOne = layoutDimension({{0, 0}, {5, 0}, {0, 0}}, plainStyle());
    EXPECT_TRUE(test::near(shortOne.arrows[0].tip, {0, 0}));
    EXPECT_LT(shortOne.arrows[0].left.x, 0);  // arrow outside, pointing in
    EXPECT_LT(shortOne.dimensionLine.a.x, 0);
    EXPECT_GT(shortOne.dimensionLine.b.x, 5);

    const auto none = layoutDimension({{3, 3}, {3, 3}, {3, 3}}, plainStyle());
    EXPECT_FALSE(none.hasArrows);
    EXPECT_EQ(none.text, "0");
    EXPECT_EQ(none.textAngleDeg, 0);  // no direction of its own: read along x
}

TEST(DimensionLayout, ValuesShowToOneDecimalWithoutTrailingZeros) {
    const std::pair<double, const char*> cases[] = {
        {400, "400"}, {150.5, "150.5"}, {36.25, "36.3"}, {0.04, "0"}, {1435.999, "1436"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(dimensionText(value), text) << value;
}

TEST(DimensionLayout, StyleGrowsWithTheBlankButNeverBelowItsMinimum) {
    EXPECT_DOUBLE_EQ(DimensionStyle::forExtents(blank(0, 0, 100, 100)).textHeight, 3.5);
    const DimensionStyle big = DimensionStyle::forExtents(blank(0, 0, 1436, 500));
    EXPECT_NEAR(big.textHeight, 1936.0 / 150, 1e-9);
    EXPECT_NEAR(big.arrowLength / big.textHeight, 1.0, 1e-9);
}

TEST(Pens, EveryLineKindHasItsOwnRecognisablePen) {
    Element e;
    e.shape = LineShape{{0, 0}, {1, 0}};
    const std::pair<LineKind, PenRole> kinds[] = {
        {kind::Cut, PenRole::Cut},
        {kind::PerforatedCrease, PenRole::PerforatedCrease},
        {kind::Auxiliary, PenRole::Auxiliary},
        {kind::Perforation, PenRole::Perforation},
        {kind::HalfCut, PenRole::HalfCut},
        {kind::Crease, PenRole::Crease},
        {kind::SectionLine, PenRole::SectionLine},
    };
    for (const auto& [k, role] : kinds) {
        e.lineKind = k;
        EXPECT_EQ(penRoleOf(e), role) << lineKindNumber(k);
    }
    // Dimensions keep their pen whatever kind was current when they were drawn.
    e.shape = DimensionShape{};
    e.lineKind = kind::Cut;
    EXPECT_EQ(penRoleOf(e), PenRole::Dimension);
    EXPECT_TRUE(defaultPen(PenRole::Cut).dashMm.empty());
    // Layers, linetypes and colours tell the kinds apart.
    const auto pens = defaultPens();
    ASSERT_EQ(pens.size(), static_cast<std::size_t>(kPenRoleCount));
    for (std::size_t i = 0; i < pens.size(); ++i) {
        EXPECT_EQ(pens[i].role, static_cast<PenRole>(i));
        for (std::size_t j = i + 1; j < pens.size(); ++j) {
            EXPECT_NE(pens[i].layer, pens[j].layer);
            if (i < 7 && j < 7) {  // the line kinds proper
                EXPECT_NE(pens[i].aci, pens[j].aci) << pens[i].layer << " " << pens[j].layer;
            }
        }
    }
}

}  // namespace
}  // namespace brontaxe
