#include "builders/lidded_body_half.h"

#include <gtest/gtest.h>

#include "builders/emit.h"
#include "platform/errors.h"
#include "support/builder_bodies.h"
#include "support/outline.h"

namespace brontaxe {
namespace {

using test::horizontalLinesAt;

// Panels 400, 300, 400, 300 on a glue flap of 36, h 100, lid 310 deep on a lip of 3, tuck-in
// 30 deep and 394 wide with corners of 10, dust flaps 120; board 3 mm.
struct LiddedBody : ::testing::Test {
    test::Built g;
    Drawing& d = g.d;
    BlankSettings& settings = g.settings;
    MachinePassTable& passes = g.passes;
    float dustFlap = 120;
    float radius = 10;
    float tuckWidth = 394;
    bool glueAfterPanel4 = false;

    void half(bool mirrored) {
        LiddedBodyHalf(d,
                       {.p1 = 400,
                        .p2 = 300,
                        .p3 = 400,
                        .p4 = 300,
                        .h = 100,
                        .q = 310,
                        .T = 30,
                        .r = radius,
                        .F = dustFlap,
                        .lip = 3,
                        .p5 = tuckWidth,
                        .glue = test::kStartupGlue,
                        .glueAfterPanel4 = glueAfterPanel4},
                       settings, {.mirrored = mirrored})
            .writeTo(passes);
    }
    void both() {
        GenerationPass pass(d);
        half(false);
        half(true);
    }
    // The outline is closed but for the cut between the dust flap of panel 2 and the strip
    // under the lid's hinge, which ends where the folds of panels 1 and 2 meet.
    ::testing::AssertionResult outlineClosed() {
        const auto loose = test::looseCutEnds(d);
        const bool onlyThoseTwo =
            loose.size() == 2 && std::all_of(loose.begin(), loose.end(), [](Point p) {
                return areNear(p.x, 436, 1e-3) && areNear(std::fabs(p.y), 100, 1e-3);
            });
        if (onlyThoseTwo)
            return ::testing::AssertionSuccess();
        return test::cutOutlineIsClosed(d);
    }
    bool spans(LineKind lineKind, double y, double x0, double x1) {
        for (const auto& l : horizontalLinesAt(d, lineKind, y)) {
            if (areNear(l.a.x, x0, 1e-3) && areNear(l.b.x, x1, 1e-3))
                return true;
        }
        return false;
    }
};

TEST_F(LiddedBody, LidTuckInAndDustFlapsStandWhereTheSizesPutThem) {
    both();
    EXPECT_TRUE(spans(kind::Crease, 103, 33, 439));   // lid hinge, overhanging by t
    EXPECT_TRUE(spans(kind::Crease, 410, 39, 433));   // tuck-in fold, 394 wide
    EXPECT_TRUE(spans(kind::Cut, 440, 49, 423));      // tuck-in top between its round corners
    EXPECT_TRUE(spans(kind::Cut, 410, 433, 439));     // lid top right of the tuck-in
    EXPECT_TRUE(spans(kind::Cut, 220, 439, 733));     // dust flap of panel 2
    EXPECT_TRUE(spans(kind::Cut, 220, 1139, 1436));   // dust flap of panel 4
    EXPECT_TRUE(spans(kind::Cut, 103, 739, 1133));    // lip of panel 3
    EXPECT_TRUE(spans(kind::Crease, 100, 436, 733));  // dust-flap creases
    EXPECT_TRUE(spans(kind::Crease, 100, 1139, 1436));
    const auto corners = test::arcsOfKind(d, kind::Cut);
    ASSERT_EQ(corners.size(), 4u);  // two per half
    for (const auto& a : corners) {
        EXPECT_NEAR(a.radius, 10, 1e-6);
        EXPECT_NEAR(a.sweepDeg, 90, 1e-6);
    }
    EXPECT_NEAR(d.BlankSizeX(), 1436, 1e-3);
    EXPECT_NEAR(d.BlankSizeY(), 880, 1e-3);
    EXPECT_TRUE(outlineClosed());
    EXPECT_TRUE(test::noLineDrawnTwice(d));
}

TEST_F(LiddedBody, DustFlapsHigherThanTheLidShareItsEdgeWithoutCuttingTwice) {
    for (float flap : {350.0f, 310.0f, 2.0f}) {
        d.ClearDrawing();
        dustFlap = flap;
        both();
        EXPECT_TRUE(outlineClosed()) << flap;
        EXPECT_TRUE(test::noLineDrawnTwice(d)) << flap;
    }
}

TEST_F(LiddedBody, GlueFlapMovesAfterPanelFourWhenItSitsOnTheWidth) {
    glueAfterPanel4 = true;
    both();
    EXPECT_EQ(test::verticalLinesAt(d, kind::Cut, 36).size(), 2u);       // free edge
    EXPECT_EQ(test::verticalLinesAt(d, kind::Crease, 1436).size(), 2u);  // glue-flap fold
    EXPECT_EQ(test::verticalLinesAt(d, kind::Crease, 36).size(), 0u);
    const Box box = d.extents();
    EXPECT_NEAR(box.xmin, 33, 1e-3);  // the lid's overhang
    EXPECT_NEAR(box.xmax, 1436 + 36, 1e-3);
    // The glue flap keeps its height and slant: its free edge runs down to y = 0.
    const auto freeEdge = test::verticalLinesAt(d, kind::Cut, 1472);
    ASSERT_EQ(freeEdge.size(), 2u);
    EXPECT_NEAR(freeEdge[1].b.y, 100 - 33 * std::tan(toRadians(15)), 1e-3);
    EXPECT_TRUE(outlineClosed());
    EXPECT_TRUE(test::noLineDrawnTwice(d));
}

TEST_F(LiddedBody, RecordsPanelsAndFlapsForEachHalf) {
    both();
    const auto& p = passes;
    EXPECT_EQ(p[0], 36);
    EXPECT_EQ(p[1], 400);
    EXPECT_EQ(p[4], 300);
    EXPECT_EQ(p[16], 200);
    for (std::size_t flaps : {6u, 11u}) {
        EXPECT_EQ(p[flaps + 1], 340);
        EXPECT_EQ(p[flaps + 2], 120);
        EXPECT_EQ(p[flaps + 3], 0);
        EXPECT_EQ(p[flaps + 4], 120);
    }
}

TEST_F(LiddedBody, SharpTuckInCornersAndCornersTooLargeForTheTuckIn) {
    radius = 0;
    both();
    EXPECT_TRUE(test::arcsOfKind(d, kind::Cut).empty());
    EXPECT_TRUE(spans(kind::Cut, 440, 39, 433));
    EXPECT_TRUE(outlineClosed());

    d.ClearDrawing();
    radius = 10;
    tuckWidth = 15;  // two corners of 10 do not fit on 15
    EXPECT_THROW(both(), GenerationError);
}

TEST_F(LiddedBody, HandHolesOnlyInTheUpperHalf) {
    settings.handHole.shape.type = HandHoleKind::Cut;
    both();
    EXPECT_EQ(horizontalLinesAt(d, kind::Cut, 50).size(), 2u);
    EXPECT_EQ(horizontalLinesAt(d, kind::Cut, -50).size(), 0u);
    EXPECT_TRUE(outlineClosed());
}

}  // namespace
}  // namespace brontaxe
