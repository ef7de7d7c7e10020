#include "builders/snap_lock_body_half.h"

#include <gtest/gtest.h>

#include "builders/emit.h"
#include "builders/shaped_flaps.h"
#include "builders/slotted_body_half.h"
#include "support/builder_bodies.h"
#include "support/outline.h"

namespace brontaxe {
namespace {

using test::horizontalLinesAt;

// Notch 10 wide, principal flap 150 deep, opposite shoulders 40 deep, side flaps stepping to
// 60 with corners of 5: D = 50 and, since 50 - 2 * 5 < 60, side flaps E = 60 + 2 * 5 = 70.
struct ShapedBottom : ::testing::Test {
    test::Built g;
    Drawing& d = g.d;
    BlankSettings& settings = g.settings;
    MachinePassTable& passes = g.passes;

    // The shaped lower half under a plain upper half, as a semi-automatic bottom box has.
    void draw(float p1, float p2, float p3, float p4, bool lowerHalf = true) {
        GenerationPass pass(d);
        SlottedBodyHalf(d,
                        {.p1 = p1,
                         .p2 = p2,
                         .p3 = p3,
                         .p4 = p4,
                         .h = 100,
                         .f1 = 150,
                         .f2 = 150,
                         .glue = test::kStartupGlue},
                        settings)
            .writeTo(passes);
        SnapLockBodyHalf(d,
                         {.h = 100,
                          .p1 = p1,
                          .p2 = p2,
                          .p3 = p3,
                          .p4 = p4,
                          .notch = 10,
                          .depth = 150,
                          .shoulder = 40,
                          .step = 60,
                          .radius = 5,
                          .half = lowerHalf ? BodyHalf::Lower : BodyHalf::Upper,
                          .glue = test::kStartupGlue},
                         settings)
            .writeTo(passes);
    }
    bool spans(LineKind lineKind, double y, double x0, double x1) {
        for (const auto& l : horizontalLinesAt(d, lineKind, y)) {
            if (areNear(l.a.x, x0, 1e-3) && areNear(l.b.x, x1, 1e-3))
                return true;
        }
        return false;
    }
};

TEST_F(ShapedBottom, PrincipalFlapOnTheLengthPanelOppositeTwoPanelsFurther) {
    draw(400, 300, 400, 300);
    // Principal flap on panel 1 (36..436), 150 deep, notch 10 wide up to -100 + 50 - 150.
    EXPECT_TRUE(spans(kind::Cut, -250, 39, 231));
    EXPECT_TRUE(spans(kind::Cut, -250, 241, 433));
    EXPECT_TRUE(spans(kind::Cut, -200, 231, 241));
    // Opposite flap on panel 3 (736..1136): tab 150 wide down to -150, both corners rounded.
    EXPECT_TRUE(spans(kind::Cut, -150, 866, 1006));
    // Side flaps 70 deep next to the opposite flap: panel 2 turned over, panel 4 as drawn,
    // each bottom ending where the rounding of the 45-degree step begins.
    const double rounding = 5 / std::tan(toRadians(22.5));
    EXPECT_TRUE(spans(kind::Cut, -170, 576 + rounding, 733));
    EXPECT_TRUE(spans(kind::Cut, -170, 1139, 1296 - rounding));
    const auto arcs = test::arcsOfKind(d, kind::Cut);
    EXPECT_EQ(arcs.size(), 6u);
    for (const auto& a : arcs)
        EXPECT_NEAR(a.radius, 5, 1e-6);
    // Folds of the flaps and between the panels of this half.
    EXPECT_TRUE(spans(kind::Crease, -100, 36, 436));
    EXPECT_EQ(test::verticalLinesAt(d, kind::Crease, 436).size(), 2u);
    EXPECT_EQ(test::verticalLinesAt(d, kind::Cut, 1436).size(), 2u);
    EXPECT_TRUE(test::cutOutlineIsClosed(d));
    EXPECT_TRUE(test::noLineDrawnTwice(d));
}

TEST_F(ShapedBottom, WiderWidthPanelsTakeThePrincipalFlapAndUnequalLengthsStillMeet) {
    draw(300, 400, 302, 400);                       // panel 3 two millimetres wider than panel 1
    EXPECT_TRUE(spans(kind::Cut, -250, 339, 531));  // principal on panel 2 (336..736)
    EXPECT_TRUE(spans(kind::Cut, -150, 1038 + 125 + 5, 1038 + 275 - 5));  // opposite on panel 4
    EXPECT_TRUE(test::cutOutlineIsClosed(d));
    EXPECT_TRUE(test::noLineDrawnTwice(d));
}

TEST_F(ShapedBottom, PassesGoToTheHalfNamedAndHandHolesOnlyToAnUpperOne) {
    settings.handHole.shape.type = HandHoleKind::Cut;
    draw(400, 300, 400, 300, true);
    for (std::size_t i = 12; i <= 15; ++i)
        EXPECT_EQ(passes[i], 70) << i;
    EXPECT_EQ(passes[16], 200);
    EXPECT_TRUE(horizontalLinesAt(d, kind::Cut, -50).empty());

    d.ClearDrawing();
    passes.fill(0);
    draw(400, 300, 400, 300, false);
    EXPECT_EQ(passes[7], 70);
    // Holes 50 above the flap fold at -100, in panels 2 and 4.
    const auto upperEdges = horizontalLinesAt(d, kind::Cut, -50);
    ASSERT_EQ(upperEdges.size(), 2u);
    EXPECT_NEAR(upperEdges[0].a.x, 586 - 30, 1e-3);
    EXPECT_EQ(horizontalLinesAt(d, kind::Cut, -20).size(), 2u);
    EXPECT_TRUE(test::cutOutlineIsClosed(d));
}

TEST(SideFlap, NarrowFlapsStepStraightDownAtTheirMiddle) {
    test::Built g;
    GenerationPass pass(g.d);
    // Step 80 - 20 = 60 leaves more than W/2 = 20 after two radii of 5: vertical step.
    SideFlap(g.d, {.width = 40, .depth = 80, .step = 20, .radius = 5}, 3);
    EXPECT_TRUE(test::verticalLinesAt(g.d, kind::Cut, 20).size() == 1u);
    EXPECT_TRUE(test::arcsOfKind(g.d, kind::Cut).empty());
    const Box box = g.d.extents();
    EXPECT_NEAR(box.xmax, 40, 1e-4);
    // Only the fold's ends are open: the crease closes the flap.
    EXPECT_EQ(test::looseCutEnds(g.d).size(), 2u);
}

TEST(OppositeFlap, ShortTabSidesKeepSharpCorners) {
    test::Built g;
    GenerationPass pass(g.d);
    OppositeFlap(g.d, {.width = 300,
                       .depth = 50,
                       .tab = 150,
                       .shoulder = 45,
                       .radius = 5});  // side 5, not more than 5
    EXPECT_TRUE(test::arcsOfKind(g.d, kind::Cut).empty());
    EXPECT_EQ(g.d.tracer().count(), 6);
}

}  // namespace
}  // namespace brontaxe
