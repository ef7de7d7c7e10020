#include "drawing/element_filter.h"

#include <gtest/gtest.h>

#include "drawing/drawing.h"
#include "drawing/pen_scope.h"

namespace brontaxe {
namespace {

Drawing mixedDrawing() {
    Drawing d;
    PenScope pen(d, kind::Cut);
    d.AddLine(0, 0, 100, 0);
    pen.setKind(kind::Crease);
    d.AddLine(0, 0, 0, 300);  // reaches past the cut: the extents show whether it counts
    pen.setKind(kind::Cut);
    d.AddDimension(0, -10, 100, -10, 0, -10);
    pen.setKind(kind::Text);
    d.AddText(0, 0, "x", 0, 3, 0);
    return d;
}

TEST(SetFilter, TheProgramsThreeExpressions) {
    Drawing d = mixedDrawing();
    auto shown = [&d] {
        int n = 0;
        for (const Element& e : d.elements())
            n += d.isShown(e) ? 1 : 0;
        return n;
    };
    EXPECT_TRUE(d.SetFilter(""));
    EXPECT_EQ(shown(), 4);
    EXPECT_TRUE(d.SetFilter("COTATION"));
    EXPECT_EQ(shown(), 3);
    EXPECT_FALSE(d.isShown(d.elements()[2]));
    EXPECT_TRUE(d.SetFilter("pen=2..8;niv=2..16"));
    EXPECT_EQ(shown(), 1);  // only the cut line remains
    EXPECT_TRUE(d.isShown(d.elements()[0]));
}

TEST(SetFilter, HiddenElementsLeaveTheMeasures) {
    Drawing d = mixedDrawing();
    EXPECT_NEAR(d.extents().height(), 300, 1e-9);
    EXPECT_NEAR(d.KindLength(kind::Crease), 300, 1e-9);
    d.SetFilter("pen=6");
    EXPECT_NEAR(d.extents().height(), 0, 1e-9);
    EXPECT_EQ(d.KindLength(kind::Crease), 0);
    EXPECT_NEAR(d.KindLength(kind::Cut), 100, 1e-9);
    d.SetFilter("niv=1");  // every element stands on level 1
    EXPECT_TRUE(d.extents().empty);
}

TEST(SetFilter, AnExpressionItCannotReadKeepsThePreviousFilter) {
    Drawing d = mixedDrawing();
    d.SetFilter("COTATION");
    for (const char* bad : {"pen=8..2", "pen=a", "couleur=2", "COTATIONS", "pen"}) {
        EXPECT_FALSE(d.SetFilter(bad)) << bad;
        EXPECT_EQ(d.filter().expression(), "COTATION");
    }
    EXPECT_TRUE(d.SetFilter(" cotation ; pen = 4 "));
}

}  // namespace
}  // namespace brontaxe
