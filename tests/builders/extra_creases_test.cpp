#include "builders/extra_creases.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "builders/emit.h"
#include "drawing/crease_list.h"
#include "drawing/pen_scope.h"
#include "styles/02/fco200.h"
#include "support/outline.h"
#include "support/style_fixture.h"

namespace brontaxe {
namespace {

using Spans = std::vector<std::pair<double, double>>;

// The extra creases are the crease lines drawn after the blank.
struct ExtraCreasesTest : ::testing::Test {
    test::Generated g;
    Model& m = g.m;
    Drawing& d = g.d;
    std::int32_t drawn = 0;

    void blank() {
        Fco0201(m, d);  // 1436 x 500, from y = -250 to 250
        drawn = d.ElementCount();
    }
    Spans extra(bool vertical, double at) {
        Spans out;
        for (std::int32_t i = drawn; i < d.ElementCount(); ++i) {
            const Element& e = d.elements()[static_cast<std::size_t>(i)];
            const auto* l = std::get_if<LineShape>(&e.shape);
            if (!l || e.lineKind != kind::Crease)
                continue;
            if (vertical && areNear(l->a.x, at, 1e-3) && areNear(l->b.x, at, 1e-3))
                out.emplace_back(std::min(l->a.y, l->b.y), std::max(l->a.y, l->b.y));
            if (!vertical && areNear(l->a.y, at, 1e-3) && areNear(l->b.y, at, 1e-3))
                out.emplace_back(std::min(l->a.x, l->b.x), std::max(l->a.x, l->b.x));
        }
        std::sort(out.begin(), out.end());
        return out;
    }
    std::size_t extraCount() const {
        std::size_t n = 0;
        for (std::int32_t i = drawn; i < d.ElementCount(); ++i) {
            const Element& e = d.elements()[static_cast<std::size_t>(i)];
            n += e.lineKind == kind::Crease && e.type() == ShapeType::Line;
        }
        return n;
    }
};

void expectSpans(const Spans& actual, const Spans& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(actual[i].first, expected[i].first, 1e-3) << i;
        EXPECT_NEAR(actual[i].second, expected[i].second, 1e-3) << i;
    }
}

TEST_F(ExtraCreasesTest, ListDrawsOneCreaseAHundredAboveTheBottomAndTwoDimensions) {
    blank();
    const int registered = d.tracer().count();
    ExtraCreases(d, {.list = "100+200/300"});
    // Across the four lower flaps, stopping at every slot.
    expectSpans(extra(false, -150), {{40, 432}, {440, 732}, {740, 1132}, {1140, 1436}});
    EXPECT_EQ(extraCount(), 4u);
    const double x = -1436.0 / 20;
    EXPECT_TRUE(test::hasDimension(d, {x, -250}, {x, -150}));
    EXPECT_TRUE(test::hasDimension(d, {x, -150}, {x, 50}));
    // Only the dimensions are registered, not the crease segments.
    EXPECT_EQ(d.tracer().count(), registered + 2);
    EXPECT_FALSE(d.isEditing());
}

TEST_F(ExtraCreasesTest, NeverAcrossASlotOrAHandHole) {
    m.OptionPoign = 1;  // holes 90 x 30 centred at 586 and 1286, from y = 20 to 50
    blank();
    CreaseBetweenCuts(d, 350, CreaseDirection::Horizontal);  // right on the slot bottoms
    expectSpans(extra(false, 100), {{40, 432}, {440, 732}, {740, 1132}, {1140, 1436}});
    CreaseBetweenCuts(d, 285, CreaseDirection::Horizontal);  // through the holes' round ends
    expectSpans(extra(false, 35), {{0, 541}, {631, 1241}, {1331, 1436}});
    CreaseBetweenCuts(d, 434, CreaseDirection::Vertical);  // down the middle of a slot
    expectSpans(extra(true, 434), {{-100, 100}});
    CreaseBetweenCuts(d, 500, CreaseDirection::Vertical);
    expectSpans(extra(true, 500), {{-250, 250}});
}

TEST_F(ExtraCreasesTest, CreasesOnOrBeyondTheEdgeAndSingleCrossingsDrawNothing) {
    blank();
    for (float offset : {0.0f, -20.0f, 500.0f, 700.0f})
        CreaseBetweenCuts(d, offset, CreaseDirection::Horizontal);
    CreaseBetweenCuts(d, 1436, CreaseDirection::Vertical);
    EXPECT_EQ(extraCount(), 0u);

    Drawing single;
    PenScope singlePen(single, kind::Crease);
    single.AddLine(0, 0, 100, 0);
    singlePen.setKind(kind::Cut);
    single.AddLine(0, 0, 0, 100);
    CreaseBetweenCuts(single, 50, CreaseDirection::Horizontal);
    EXPECT_EQ(single.ElementCount(), 2);
}

TEST(CreaseBetweenCuts, CutsCloserThanTwoTenthsCountOnceButARoundHoleIsCrossedBothWays) {
    Drawing d;
    d.AddLine(0, 0, 100, 0);
    d.AddLine(100, 0, 100, 100);
    d.AddLine(100, 100, 0, 100);
    d.AddLine(0, 100, 0, 0);
    d.AddLine(0.1, 0, 0.1, 100);  // a second cut a tenth beside the first
    d.AddArc(50, 50, 10, 0, 360);
    CreaseBetweenCuts(d, 50, CreaseDirection::Horizontal);
    Spans spans;
    for (const auto& l : test::horizontalLinesAt(d, kind::Crease, 50))
        spans.emplace_back(l.a.x, l.b.x);
    expectSpans(spans, {{0, 40}, {60, 100}});
}

TEST_F(ExtraCreasesTest, MirroredBlanksTakeTheirDimensionsOnTheRightAndLengthsAbove) {
    m.Sym_Verticale = true;
    blank();
    ExtraCreases(d, {.list = "250+250/500+936", .mirrored = true});
    const double x = 1436 + 1436.0 / 20;
    EXPECT_TRUE(test::hasDimension(d, {x, -250}, {x, 0}));
    expectSpans(extra(true, 500), {{-250, 250}});
    const double y = 250 + 500.0 / 20;
    EXPECT_TRUE(test::hasDimension(d, {0, y}, {500, y}));
    EXPECT_TRUE(test::hasDimension(d, {500, y}, {1436, y}));
}

TEST_F(ExtraCreasesTest, ZeroPositionsMeasureNothing) {
    blank();
    const int registered = d.tracer().count();
    ExtraCreases(d, {.list = " + + +"});
    EXPECT_EQ(extraCount(), 0u);
    EXPECT_EQ(d.tracer().count(), registered);
    ExtraCreases(d, {.list = "500"});  // one position: nothing to draw or measure
    EXPECT_EQ(d.tracer().count(), registered);
}

TEST(CreaseList, SplitsAtTheFirstSlashAndReadsUpToFiftyPositions) {
    const CreaseListParts parts = splitCreaseList("100+200/300;50/7");
    EXPECT_EQ(parts.widthPart, "100+200");
    EXPECT_EQ(parts.lengthPart, "300;50/7");
    EXPECT_EQ(creasePositions(parts.widthPart), (std::vector<float>{100, 200}));
    EXPECT_EQ(creasePositions(parts.lengthPart), (std::vector<float>{300, 50}));
    EXPECT_EQ(splitCreaseList("12.5").lengthPart, "");
    EXPECT_TRUE(creasePositions("").empty());
    EXPECT_EQ(creasePositions(" + x+3"), (std::vector<float>{0, 0, 3}));
    std::string many;
    for (int i = 0; i < 60; ++i)
        many += "1+";
    EXPECT_EQ(creasePositions(many).size(), kMaxCreasePositions);
}

}  // namespace
}  // namespace brontaxe
