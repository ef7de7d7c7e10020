#include "drawing/drawing.h"

#include <gtest/gtest.h>

#include "drawing/drawing_dump.h"
#include "drawing/pen_scope.h"
#include "platform/errors.h"
#include "support/near.h"

namespace brontaxe {
namespace {

TEST(Drawing, IdsRunFromThreeInCreationOrderAndElementsCarryTheCurrentStamps) {
    Drawing d;
    PenScope pen(d);
    pen.setPiece(2);
    pen.setKind(kind::Crease);
    pen.setVariant(2);
    const ElementId a = d.AddLine(0, 0, 10, 0);
    pen.setKind(kind::Cut);
    const ElementId b = d.AddArc(0, 0, 5, 0, 90);
    const ElementId c = d.AddDimension(0, 0, 10, 0, 0, 0);
    EXPECT_EQ(a.value, 3);
    EXPECT_EQ(b.value, 4);
    EXPECT_EQ(c.value, 5);
    EXPECT_EQ(d.ElementCount(), 3);
    EXPECT_EQ(d.element(a).piece, 2);
    EXPECT_EQ(d.element(a).lineVariant, 2);
    EXPECT_EQ(d.ElementLineKind(a), kind::Crease);
    EXPECT_EQ(d.ElementLineKind(b), kind::Cut);
    EXPECT_EQ(d.ElementType(a), ShapeType::Line);
    EXPECT_EQ(d.ElementType(b), ShapeType::Arc);
    EXPECT_EQ(d.ElementType(c), ShapeType::Dimension);
    d.ClearDrawing();
    EXPECT_EQ(d.ElementCount(), 0);
    EXPECT_EQ(d.AddLine(0, 0, 1, 1).value, 3);
}

TEST(Drawing, DeletingRenumbersTheElementsAfterIt) {
    Drawing d;
    d.AddLine(0, 0, 1, 0);
    d.AddLine(0, 0, 2, 0);
    d.AddLine(0, 0, 3, 0);
    d.DeleteElement(ElementId{4});
    EXPECT_EQ(d.ElementCount(), 2);
    EXPECT_DOUBLE_EQ(d.ElementHalfLength(ElementId{4}), 1.5);
    EXPECT_THROW(d.ElementX(ElementId{5}), GenerationError);
    EXPECT_THROW(d.DeleteElement(ElementId{2}), GenerationError);
}

TEST(Drawing, ExtentsMeasureLinesAndArcsOnlyWithTheArcsTrueBulge) {
    Drawing d;
    double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
    EXPECT_FALSE(d.GetExtents(xmin, ymin, xmax, ymax));
    d.AddLine(0, 0, 100, 0);
    d.AddArc(50, 0, 10, 45, 90);  // passes through its top at 90 degrees
    d.AddDimension(-500, -500, 500, -500, 0, -500);
    d.AddText(900, 900, "texte", 0, 5, 45);
    ASSERT_TRUE(d.GetExtents(xmin, ymin, xmax, ymax));
    EXPECT_DOUBLE_EQ(xmin, 0);
    EXPECT_DOUBLE_EQ(xmax, 100);
    EXPECT_DOUBLE_EQ(ymin, 0);
    EXPECT_NEAR(ymax, 10, 1e-9);
    EXPECT_NEAR(d.BlankSizeX(), 100, 1e-4);
    EXPECT_NEAR(d.BlankSizeY(), 10, 1e-4);
}

TEST(Drawing, KindLengthTotalsLinesAndArcsOfOneKindAndNeverDimensions) {
    Drawing d;
    PenScope pen(d, kind::Cut);
    d.AddLine(0, 0, 3, 4);
    d.AddArc(0, 0, 10, 0, 360);
    d.AddDimension(0, 0, 1000, 0, 0, 0);
    pen.setKind(kind::Crease);
    d.AddLine(0, 0, 0, 7);
    EXPECT_NEAR(d.KindLength(kind::Cut, -1, -1), 5 + 20 * kPi, 1e-9);
    EXPECT_NEAR(d.KindLength(kind::Crease, -1, -1), 7, 1e-12);
    EXPECT_EQ(d.KindLength(kind::Perforation, -1, -1), 0);
}

TEST(Drawing, TransformRangeMirrorsThenTurnsThenMovesOnlyItsRange) {
    Drawing d;
    const ElementId outside = d.AddLine(0, 0, 1, 0);
    const ElementId first = d.AddLine(0, 1, 10, 1);
    const ElementId last = d.AddArc(5, 5, 2, 0, 90);
    d.TransformRange(first, last, Transform::placement({100, 0}, 0, true));
    EXPECT_EQ(dumpElement(d.element(first)), "LINE k1 v1 p1 (100.00,-1.00) (110.00,-1.00)");
    // Mirroring 0..90 gives -90..0: start 270, same sweep.
    EXPECT_EQ(dumpElement(d.element(last)), "ARC k1 v1 p1 c(105.00,-5.00) r2.00 a270.00 s90.00");
    EXPECT_EQ(dumpElement(d.element(outside)), "LINE k1 v1 p1 (0.00,0.00) (1.00,0.00)");
    d.TransformRange(first, first, Transform::turn(90));
    EXPECT_EQ(dumpElement(d.element(first)), "LINE k1 v1 p1 (1.00,100.00) (1.00,110.00)");
}

TEST(Drawing, OneElementMirroredInPlaceOrAsACopy) {
    Drawing d;
    const ElementId line = d.AddLine(1, 0, 3, 2);
    const ElementId copy = d.AddTransformedCopy(line, Transform::mirrorAcross({0, 0}, 90));
    EXPECT_EQ(copy.value, 4);
    EXPECT_EQ(dumpElement(d.element(copy)), "LINE k1 v1 p1 (-1.00,0.00) (-3.00,2.00)");
    const ElementId arc = d.AddArc(5, 0, 1, 0, 90);
    const ElementId mirrored = d.AddTransformedCopy(arc, Transform::mirrorAcross({0, 0}, 0));
    EXPECT_EQ(dumpElement(d.element(mirrored)), "ARC k1 v1 p1 c(5.00,0.00) r1.00 a270.00 s90.00");
    d.TransformElement(arc, Transform::mirrorAcross({2, 0}, 90));  // about x = 2
    EXPECT_EQ(d.ElementCount(), 4);
    EXPECT_EQ(dumpElement(d.element(arc)), "ARC k1 v1 p1 c(-1.00,0.00) r1.00 a90.00 s90.00");
}

TEST(Drawing, ElementQueriesAndSettersWorkOnTheSameMeasures) {
    Drawing d;
    const ElementId line = d.AddLine(0, 0, 10, 10);
    EXPECT_DOUBLE_EQ(d.ElementX(line), 5);
    EXPECT_DOUBLE_EQ(d.ElementY(line), 5);
    EXPECT_NEAR(d.ElementAngle(line), 45, 1e-12);
    EXPECT_NEAR(d.ElementHalfLength(line), std::sqrt(50.0), 1e-12);
    d.SetElementAngle(line, 135);  // turned about its midpoint
    EXPECT_EQ(dumpElement(d.element(line)), "LINE k1 v1 p1 (10.00,0.00) (0.00,10.00)");
    d.SetElementX(line, -5);
    d.SetElementHalfLength(line, 2 * std::sqrt(50.0));
    EXPECT_EQ(dumpElement(d.element(line)), "LINE k1 v1 p1 (5.00,-5.00) (-15.00,15.00)");
    const ElementId arc =
        d.AddArc(1, 2, 3, -30, -60);  // a clockwise sweep is stored counter-clockwise
    EXPECT_DOUBLE_EQ(d.ElementAngle(arc), 270);
    EXPECT_DOUBLE_EQ(d.ElementSweep(arc), 60);
    EXPECT_DOUBLE_EQ(d.ElementHalfLength(arc), 3);
    d.SetElementAngle(arc, 400);
    EXPECT_DOUBLE_EQ(d.ElementAngle(arc), 40);
    d.SetElementFlag(arc, 13);
    EXPECT_EQ(d.element(arc).flag, 13);
}

// A block drawn in a scope takes the scope's style; the style before comes back when the block
// ends, nested or thrown out of, and clearing the drawing starts again from the default one.
TEST(Drawing, APenScopePutsBackTheStyleBeforeItAndClearingStartsFromTheDefault) {
    Drawing d;
    const LineStyle creaseTwo{.kind = kind::Crease, .variant = 2, .piece = 1, .bridgeless = false};
    {
        PenScope outer(d, kind::Crease);
        outer.setVariant(2);
        EXPECT_EQ(d.lineStyle(), creaseTwo);
        {
            PenScope inner(d, kind::Perforation);
            inner.setPiece(3);
            inner.setBridgeless(true);
            const Element& e = d.element(d.AddLine(0, 0, 1, 0));
            EXPECT_EQ(e.lineKind, kind::Perforation);
            EXPECT_EQ(e.lineVariant, 2);
            EXPECT_EQ(e.piece, 3);
            EXPECT_TRUE(e.bridgeless);
        }
        EXPECT_EQ(d.lineStyle(), creaseTwo);
        EXPECT_THROW(
            {
                const PenScope thrown(d, kind::HalfCut);
                d.AddFillet(d.lastId(), d.lastId(), -1);
            },
            GenerationError);
        EXPECT_EQ(d.lineStyle(), creaseTwo);
        d.ClearDrawing();
        EXPECT_EQ(d.lineStyle(), LineStyle{});
    }
    EXPECT_EQ(d.lineStyle(), LineStyle{});
}

TEST(Drawing, EditingPassesNestAndAnExtraEndIsHarmless) {
    Drawing d;
    d.BeginDrawing();
    d.BeginDrawing();
    d.EndDrawing();
    EXPECT_TRUE(d.isEditing());
    d.EndDrawing();
    d.EndDrawing();
    EXPECT_FALSE(d.isEditing());
}

}  // namespace
}  // namespace brontaxe
