#include "builders/flap_tray.h"

#include <gtest/gtest.h>

#include "builders/emit.h"
#include "platform/errors.h"
#include "support/builder_bodies.h"
#include "support/outline.h"

namespace brontaxe {
namespace {

using test::horizontalLinesAt;
using test::verticalLinesAt;

// Base 400 x 300, walls 100, board 3 mm.
struct GluedTray : ::testing::Test {
    test::Built g;
    FlapTrayShape t{200, 150, 100, 100};
    void draw() {
        GenerationPass pass(g.d);
        FlapTray(g.d, t, g.settings).writeTo(g.passes);
    }
};

TEST_F(GluedTray, HasFourWallsAndACornerFlapAtEachEndOfTheLongWalls) {
    draw();
    const Box box = g.d.extents();
    EXPECT_NEAR(box.xmax, 300, 1e-3);
    EXPECT_NEAR(box.ymax, 250, 1e-3);
    EXPECT_NEAR(box.xmin, -300, 1e-3);
    EXPECT_NEAR(box.ymin, -250, 1e-3);
    // Base folds, and the flap hinges as creases of variant 2.
    EXPECT_EQ(horizontalLinesAt(g.d, kind::Crease, 150).size(), 2u);
    const auto hinges = verticalLinesAt(g.d, kind::Crease, 200);
    ASSERT_EQ(hinges.size(), 4u);
    int variant2 = 0;
    for (const Element& e : g.d.elements())
        variant2 += e.lineVariant == 2 ? 1 : 0;
    EXPECT_EQ(variant2, 4);
    // Slit between the flap and the end wall, flap 100 wide.
    EXPECT_EQ(horizontalLinesAt(g.d, kind::Cut, 150).size(), 2u);
    EXPECT_EQ(verticalLinesAt(g.d, kind::Cut, 300).size(), 4u);  // flap ends and end walls
    // The flap's top falls by the board's thickness towards its free end.
    bool fallingTop = false;
    for (const auto& l : test::linesOfKind(g.d, kind::Cut))
        fallingTop |= areNear(l.a, {300, 247}, 1e-3) && areNear(l.b, {200, 250}, 1e-3);
    EXPECT_TRUE(fallingTop);
    EXPECT_TRUE(test::cutOutlineIsClosedOrEndsOnFolds(g.d));
    EXPECT_TRUE(test::noLineDrawnTwice(g.d));
    EXPECT_EQ(g.passes[1], 400);
    EXPECT_EQ(g.passes[16], 300);
}

TEST_F(GluedTray, FlapsWiderThanHalfTheWallAreCutBackToMeetWithTheOverlap) {
    t.flap = 200;
    EXPECT_EQ(trayFlapWidth(t), 150);
    t.overlap = 20;
    EXPECT_EQ(trayFlapWidth(t), 160);
    draw();
    EXPECT_NEAR(g.d.extents().xmax, 360, 1e-3);
    // The flap's foot runs past the end wall: split where the wall's edge meets it.
    const auto foot = horizontalLinesAt(g.d, kind::Cut, 150);
    EXPECT_EQ(foot.size(), 4u);
    EXPECT_TRUE(test::cutOutlineIsClosedOrEndsOnFolds(g.d));
}

TEST_F(GluedTray, DoubleWallsFoldAnInnerLayerOverABand) {
    t.innerWall = 90;
    t.doubleWallStep = 6;
    draw();
    EXPECT_NEAR(g.d.extents().ymax, 150 + 100 + 6 + 90, 1e-3);
    EXPECT_EQ(horizontalLinesAt(g.d, kind::Crease, 250).size(), 2u);
    EXPECT_EQ(horizontalLinesAt(g.d, kind::Crease, 256).size(), 2u);
    // The inner layer clears the end walls by the band.
    const auto top = horizontalLinesAt(g.d, kind::Cut, 346);
    ASSERT_EQ(top.size(), 2u);
    EXPECT_NEAR(std::max(top[1].a.x, top[1].b.x), 194, 1e-3);
    EXPECT_TRUE(test::cutOutlineIsClosedOrEndsOnFolds(g.d));
    EXPECT_EQ(g.passes[6], 196);
}

TEST_F(GluedTray, HandHolesSitInTheLongWallsOnly) {
    g.settings.handHole.shape.type = HandHoleKind::Cut;
    draw();
    EXPECT_TRUE(test::arcsOfKind(g.d, kind::Cut).empty());  // only when the tray asks
    g.d.ClearDrawing();
    t.handHoles = true;
    draw();
    const auto arcs = test::arcsOfKind(g.d, kind::Cut);
    ASSERT_EQ(arcs.size(), 4u);
    for (const auto& a : arcs) {
        EXPECT_GT(std::abs(a.centre.y), 150);
        EXPECT_LT(std::abs(a.centre.y), 250);
    }
    // Upper edges DPoign (50) inside the walls' edges.
    EXPECT_EQ(horizontalLinesAt(g.d, kind::Cut, 200).size(), 1u);
    EXPECT_EQ(horizontalLinesAt(g.d, kind::Cut, -200).size(), 1u);
}

TEST_F(GluedTray, RefusesATrayOfNoSize) {
    t.h = 0;
    EXPECT_THROW(draw(), GenerationError);
    t.h = 100;
    t.flap = 0;
    EXPECT_THROW(draw(), GenerationError);
}

}  // namespace
}  // namespace brontaxe
