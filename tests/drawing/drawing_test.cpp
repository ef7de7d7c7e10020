#include "drawing/drawing.h"

#include <gtest/gtest.h>

#include "drawing/drawing_dump.h"
#include "platform/errors.h"

namespace brontaxe {
namespace {

TEST(Drawing, IdsRunFromThreeInCreationOrderAndElementsCarryTheCurrentStamps) {
    Drawing d;
    d.Piece = 2;
    d.LineKind = kind::Crease;
    d.LineVariant = 2;
    const ElementId a = d.AddLine(0, 0, 10, 0);
    d.LineKind = kind::Cut;
    d.Radius = 5;
    d.StartAngle = 0;
    const ElementId b = d.AddArc(0, 0, 90);
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
    d.Radius = 10;
    d.StartAngle = 45;
    d.AddArc(50, 0, 90);  // passes through its top at 90 degrees
    d.AddDimension(-500, -500, 500, -500, 0, -500);
    d.AddText(900, 900, "texte", 0, 5);
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
    d.LineKind = kind::Cut;
    d.AddLine(0, 0, 3, 4);
    d.Radius = 10;
    d.StartAngle = 0;
    d.AddArc(0, 0, 360);
    d.AddDimension(0, 0, 1000, 0, 0, 0);
    d.LineKind = kind::Crease;
    d.AddLine(0, 0, 0, 7);
    EXPECT_NEAR(d.KindLength(kind::Cut, -1, -1), 5 + 20 * kPi, 1e-9);
    EXPECT_NEAR(d.KindLength(kind::Crease, -1, -1), 7, 1e-12);
    EXPECT_EQ(d.KindLength(kind::Perforation, -1, -1), 0);
}

TEST(Drawing, TransformRangeMirrorsThenTurnsThenMovesOnlyItsRange) {
    Drawing d;
    const ElementId outside = d.AddLine(0, 0, 1, 0);
    const ElementId first = d.AddLine(0, 1, 10, 1);
    d.Radius = 2;
    d.StartAngle = 0;
    const ElementId last = d.AddArc(5, 5, 90);
    d.TransformRange(first, last, Transform::placement({100, 0}, 0, true));
    EXPECT_EQ(dumpElement(d.element(first)), "LINE k1 v1 p1 (100.00,-1.00) (110.00,-1.00)");
    // Mirroring 0..90 gives -90..0: start 270, same sweep.
    EXPECT_EQ(dumpElement(d.element(last)), "ARC k1 v1 p1 c(105.00,-5.00) r2.00 a270.00 s90.00");
    EXPECT_EQ(dumpElement(d.element(outside)), "LINE k1 v1 p1 (0.00,0.00) (1.00,0.00)");
    d.TransformRange(first, first, Transform::turn(90));
    EXPECT_EQ(dumpElement(d.element(first)), "LINE k1 v1 p1 (1.00,100.00) (1.00,110.00)");
}

TEST(Drawing, TransformElementAddsTheMirrorImageAboutAnyLine) {
    Drawing d;
    const ElementId line = d.AddLine(1, 0, 3, 2);
    const ElementId copy = d.TransformElement(0, 0, 90, line, true);  // about the y axis
    EXPECT_EQ(copy.value, 4);
    EXPECT_EQ(dumpElement(d.element(copy)), "LINE k1 v1 p1 (-1.00,0.00) (-3.00,2.00)");
    d.Radius = 1;
    d.StartAngle = 0;
    const ElementId arc = d.AddArc(5, 0, 90);
    const ElementId mirrored = d.TransformElement(0, 0, 0, arc, true);  // about the x axis
    EXPECT_EQ(dumpElement(d.element(mirrored)), "ARC k1 v1 p1 c(5.00,0.00) r1.00 a270.00 s90.00");
    d.TransformElement(0, 0, 90, arc, false);
    EXPECT_EQ(d.ElementCount(), 4);
    EXPECT_EQ(dumpElement(d.element(arc)), "ARC k1 v1 p1 c(-5.00,0.00) r1.00 a90.00 s90.00");
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
    d.Radius = 3;
    d.StartAngle = -30;
    const ElementId arc = d.AddArc(1, 2, -60);  // a clockwise sweep is stored counter-clockwise
    EXPECT_DOUBLE_EQ(d.ElementAngle(arc), 270);
    EXPECT_DOUBLE_EQ(d.ElementSweep(arc), 60);
    EXPECT_DOUBLE_EQ(d.ElementHalfLength(arc), 3);
    d.SetElementAngle(arc, 400);
    EXPECT_DOUBLE_EQ(d.ElementAngle(arc), 40);
    d.SetElementFlag(arc, 13);
    EXPECT_EQ(d.element(arc).flag, 13);
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
