#include <gtest/gtest.h>

#include "drawing/drawing.h"
#include "drawing/pen_scope.h"
#include "support/near.h"

namespace brontaxe {
namespace {

// An L of two cut lines and a crease arc, off the axes so that every mirror shows, and one
// dimension that the copies leave behind.
Drawing lShape() {
    Drawing d;
    PenScope pen(d, kind::Cut);
    pen.setVariant(2);
    pen.setPiece(3);
    d.AddLine(10, 20, 40, 20);
    d.AddLine(10, 20, 10, 30);
    pen.setKind(kind::Crease);
    d.AddArc(40, 25, 5, 0, 90);
    d.AddDimension(10, 20, 40, 20, 0, 0);
    return d;
}

const LineShape& lineAt(const Drawing& d, std::int32_t id) {
    return std::get<LineShape>(d.element(ElementId{id}).shape);
}

TEST(Poses, ModesPlaceTheCopyThenMoveIt) {
    struct Case {
        PoseFlip flip;
        Point a, b;  // the first line of the copy
    };
    // Offset (100, 200): each flip as its name says.
    const Case cases[] = {
        {PoseFlip::AsDrawn, {110, 220}, {140, 220}},
        {PoseFlip::MirroredAcrossX, {110, 180}, {140, 180}},
        {PoseFlip::MirroredAcrossY, {90, 220}, {60, 220}},
        {PoseFlip::HalfTurn, {90, 180}, {60, 180}},
    };
    for (const Case& c : cases) {
        Drawing d = lShape();
        const ElementId first = d.addPoses({.step = {100, 200}, .flip = c.flip});
        ASSERT_EQ(first.value, 7) << static_cast<int>(c.flip);
        const LineShape& l = lineAt(d, 7);
        EXPECT_TRUE(test::near(Segment{l.a, l.b}, Segment{c.a, c.b}))
            << "flip " << static_cast<int>(c.flip);
        // The arc keeps its radius and length whatever the mode.
        EXPECT_NEAR(d.KindLength(kind::Crease), 2 * (5 * kPi / 2), 1e-9)
            << static_cast<int>(c.flip);
    }
}

TEST(Poses, MirroredArcsStayOnTheirMirroredPoints) {
    Drawing d = lShape();
    d.addPoses({.flip = PoseFlip::MirroredAcrossX});
    const auto& arc = std::get<ArcShape>(d.element(ElementId{9}).shape);
    // The original runs from (45, 25) to (40, 30); its mirror from (40, -30) to (45, -25).
    EXPECT_TRUE(test::near(arc.start(), {40, -30}, 1e-9));
    EXPECT_TRUE(test::near(arc.end(), {45, -25}, 1e-9));
}

TEST(Poses, CopiesKeepKindVariantPieceAndLeaveDimensionsAndSheetsBehind) {
    Drawing d = lShape();
    PenScope pen(d, kind::Text);
    pen.setPiece(1);
    const ElementId first = d.addPoses({.count = 3, .step = {100, 0}});
    EXPECT_EQ(first.value, 7);
    ASSERT_EQ(d.ElementCount(), 4 + 3 * 3);
    EXPECT_EQ(d.lastId().value, d.ElementCount() + 2);
    for (std::int32_t id = 7; id <= d.lastId().value; ++id) {
        const Element& e = d.element(ElementId{id});
        EXPECT_NE(e.type(), ShapeType::Dimension);
        EXPECT_EQ(e.lineVariant, 2);
        EXPECT_EQ(e.piece, 3);
    }
    EXPECT_EQ(d.element(ElementId{9}).lineKind, kind::Crease);
    // The third copy sits three offsets away.
    EXPECT_TRUE(test::near(lineAt(d, 13).a, {310, 20}));
    EXPECT_NEAR(d.KindLength(kind::Cut), 4 * 40, 1e-9);
}

TEST(Poses, LaterCopiesCopyTheBlankOnlySoTheDrawingGrowsLinearly) {
    Drawing d = lShape();
    for (int k = 1; k <= 50; ++k)
        d.addPoses({.step = {100.0 * k, 0}});
    EXPECT_EQ(d.ElementCount(), 4 + 50 * 3);
    EXPECT_EQ(d.blankElementCount(), 4);
    EXPECT_NEAR(d.extents().width(), 50 * 100 + 35, 1e-9);
    d.ClearDrawing();
    d.AddLine(0, 0, 1, 0);
    EXPECT_EQ(d.blankElementCount(), 1);
}

TEST(Poses, AngleTurnsTheCopyAboutTheCentreOfItsCell) {
    Drawing d = lShape();
    d.addPoses({.angle = 90, .centre = {10, 20}});
    const LineShape& l = lineAt(d, 7);
    EXPECT_TRUE(test::near(l.a, {10, 20}));
    EXPECT_TRUE(test::near(l.b, {10, 50}));
}

TEST(Poses, NothingToCopyOrNoCountMakesNothing) {
    Drawing empty;
    EXPECT_FALSE(empty.addPoses({.step = {10, 0}}).valid());
    Drawing d = lShape();
    EXPECT_FALSE(d.addPoses({.count = 0, .step = {10, 0}}).valid());
    EXPECT_FALSE(d.addPoses({.count = -5, .step = {10, 0}}).valid());
    EXPECT_EQ(d.ElementCount(), 4);
}

TEST(Sheet, CentredOrAtMarginsAndOutsideSizeAndTotals) {
    Drawing d = lShape();  // cut and crease box: (10, 20) to (45, 30)
    const double cut = d.KindLength(kind::Cut);
    const PenScope pen(d, kind::Cut);
    const ElementId centred = d.AddSheetCentred(55, 30);
    const ElementId margins = d.AddSheetAtMargins(100, 50, 5, 15);
    EXPECT_EQ(centred.value, 7);
    EXPECT_EQ(margins.value, 8);
    const auto& c = std::get<SheetShape>(d.element(centred).shape);
    EXPECT_TRUE(test::near(Segment{c.min, c.max}, Segment{{0, 10}, {55, 40}}));
    const auto& m = std::get<SheetShape>(d.element(margins).shape);
    EXPECT_TRUE(test::near(Segment{m.min, m.max}, Segment{{5, 5}, {105, 55}}));
    EXPECT_EQ(d.element(margins).lineKind, kind::Auxiliary);
    EXPECT_EQ(d.ElementType(margins), ShapeType::Sheet);
    EXPECT_NEAR(d.extents().width(), 35, 1e-9);
    EXPECT_NEAR(d.KindLength(kind::Cut), cut, 1e-9);
    d.SetElementFlag(margins, kFlagFluteAlongX);
    EXPECT_EQ(d.element(margins).flag, 13);
}

}  // namespace
}  // namespace brontaxe
