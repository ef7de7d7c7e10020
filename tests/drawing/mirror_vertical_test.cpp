#include "drawing/mirror_vertical.h"

#include <gtest/gtest.h>

#include "drawing/drawing_dump.h"
#include "styles/02/fco200.h"
#include "support/outline.h"
#include "support/style_fixture.h"

namespace brontaxe {
namespace {

// About x = 50: a line at 30 degrees comes out at 150, an arc from 0 over 90 from 90, a
// dimension measures the mirrored points from the mirrored reference, a text keeps its angle.
TEST(mirrorAcrossVertical, EachElementTakesItsMirrorImage) {
    Drawing d;
    d.AddLine(10, 5, 10 + 20 * std::cos(toRadians(30)), 15);
    d.AddArc(30, 7, 10, 0, 90);
    d.AddDimension(10, 0, 40, 20, 10, -15);
    d.AddText(12, 4, "A", 0, 5, 30);
    mirrorAcrossVertical(100, d);
    const char* expected[] = {
        "LINE k1 v1 p1 (90.00,5.00) (72.68,15.00)",
        "ARC k1 v1 p1 c(70.00,7.00) r10.00 a90.00 s90.00",
        "DIM k1 v1 p1 (90.00,0.00) (60.00,20.00) ref(90.00,-15.00)",
        "TEXT k1 v1 p1 (88.00,4.00) h5.00 a30.00 o0 \"A\"",
    };
    for (std::int32_t i = 0; i < 4; ++i)
        EXPECT_EQ(dumpElement(d.element(ElementId{kFirstElementId + i})), expected[i]);
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
    g.d.AddText(100, 50, "0201", 0, 5, 15);
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
