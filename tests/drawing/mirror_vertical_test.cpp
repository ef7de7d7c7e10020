#include "drawing/mirror_vertical.h"

#include <gtest/gtest.h>

#include "drawing/drawing_dump.h"
#include "styles/02/fco200.h"
#include "support/outline.h"
#include "support/style_fixture.h"

namespace brontaxe {
namespace {

TEST(mirrorAcrossVertical, TurnsALineAtThirtyDegreesIntoOneAtOneHundredFifty) {
    Drawing d;
    const Point end = pointOnCircle({10, 5}, 20, 30);
    const ElementId line = d.AddLine(10, 5, end.x, end.y);
    mirrorAcrossVertical(0, d);
    EXPECT_NEAR(d.ElementAngle(line), 150, 1e-9);
    const auto& l = std::get<LineShape>(d.element(line).shape);
    EXPECT_TRUE(areNear(l.a, {-10, 5}, 1e-9));
    EXPECT_TRUE(areNear(l.b, {-end.x, end.y}, 1e-9));
}

TEST(mirrorAcrossVertical, TurnsAnArcFromZeroOverNinetyIntoOneFromNinety) {
    Drawing d;
    d.Radius = 10;
    d.StartAngle = 0;
    const ElementId arc = d.AddArc(30, 7, 90);
    mirrorAcrossVertical(0, d);
    EXPECT_NEAR(d.ElementAngle(arc), 90, 1e-9);
    EXPECT_NEAR(d.ElementSweep(arc), 90, 1e-9);
    EXPECT_NEAR(d.ElementX(arc), -30, 1e-9);
    EXPECT_NEAR(d.ElementY(arc), 7, 1e-9);
}

TEST(mirrorAcrossVertical, DimensionsMeasureTheMirroredPointsFromTheMirroredReference) {
    Drawing d;
    const ElementId dim = d.AddDimension(10, 0, 40, 20, 10, -15);
    mirrorAcrossVertical(0, d);
    const auto& s = std::get<DimensionShape>(d.element(dim).shape);
    EXPECT_TRUE(areNear(s.p1, {-10, 0}, 1e-9));
    EXPECT_TRUE(areNear(s.p2, {-40, 20}, 1e-9));
    EXPECT_TRUE(areNear(s.ref, {-10, -15}, 1e-9));
    // The angle follows the rule for its type.
    EXPECT_NEAR(d.ElementAngle(dim),
                mirroredAngle(ShapeType::Dimension, toDegrees(std::atan2(20, 30)), 0), 1e-9);
}

TEST(mirrorAcrossVertical, TextsMoveButKeepTheirAngle) {
    Drawing d;
    d.StartAngle = 30;
    const ElementId text = d.AddText(12, 4, "A", 0, 5);
    mirrorAcrossVertical(100, d);  // about x = 50
    EXPECT_NEAR(d.ElementX(text), 88, 1e-9);
    EXPECT_NEAR(d.ElementY(text), 4, 1e-9);
    EXPECT_NEAR(d.ElementAngle(text), 30, 1e-9);
}

TEST(mirrorAcrossVertical, AngleRulesPerElementType) {
    struct Case {
        ShapeType type;
        double angle, sweep, expected;
    };
    const Case cases[] = {
        {ShapeType::Line, 30, 0, 150},      {ShapeType::Line, 200, 0, 340},
        {ShapeType::Arc, 0, 90, 90},        {ShapeType::Arc, 300, 120, 120},
        {ShapeType::Dimension, 45, 0, 135}, {ShapeType::Text, 30, 0, 30},
        {ShapeType::Sheet, 0, 0, 180},      {ShapeType::Symbol, 30, 0, 330},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(mirroredAngle(c.type, c.angle, c.sweep), c.expected, 1e-9)
            << static_cast<int>(c.type) << " at " << c.angle;
    }
}

TEST(mirrorAcrossVertical, TwiceGivesBackTheDrawingAndABlankStaysClosed) {
    test::Generated g;
    g.m.OptionPoign = 1;
    Fco0201(g.m, g.d);
    g.d.StartAngle = 15;
    g.d.AddText(100, 50, "0201", 0, 5);
    const std::string before = dumpDrawing(g.d);
    const double cut = g.d.KindLength(kind::Cut);

    mirrorAcrossVertical(0, g.d);
    const Box box = g.d.extents();
    EXPECT_NEAR(box.xmin, -1436, 1e-3);
    EXPECT_NEAR(box.xmax, 0, 1e-3);
    EXPECT_NEAR(g.d.KindLength(kind::Cut), cut, 1e-6);
    EXPECT_TRUE(test::cutOutlineIsClosed(g.d));
    // The glue flap's width dimension now measures the mirrored glue flap.
    const double row = -250 - (1436.0 + 500.0) / 25.0;
    EXPECT_TRUE(test::hasDimension(g.d, {0, row}, {-36, row}));

    mirrorAcrossVertical(0, g.d);
    EXPECT_EQ(dumpDrawing(g.d), before);
}

}  // namespace
}  // namespace brontaxe
