#include "builders/panneau_double_mur.h"

#include <gtest/gtest.h>

#include "builders/emit.h"
#include "support/outline.h"
#include "support/style_fixture.h"

namespace brontaxe {
namespace {

// Base 400 x 300 (a = 200, b = 150), walls 100, slots 4 + 4, Longueur 400, Dblmur 6.
struct Tray : ::testing::Test {
    test::Generated g;
    Model& m = g.m;
    Drawing& d = g.d;

    void draw(float f, bool corners = true, float x = 0, float y = 0, float angle = 0,
              float factor = 1) {
        GenerationPass pass(d);
        PanneauDoubleMur(m, d, 200, 150, 100, f, corners, corners, corners, x, y, angle, factor);
    }
};

TEST_F(Tray, PlainTrayHasItsWallsCornerFlapsAndSlots) {
    draw(80);
    const Box box = d.extents();
    EXPECT_NEAR(box.xmin, -300, 1e-3);
    EXPECT_NEAR(box.xmax, 300, 1e-3);
    EXPECT_NEAR(box.ymax, 250, 1e-3);  // end wall 100 beyond b
    // Corner flaps 80 high beyond b, from the slot to the side wall's edge.
    const auto flapTops = test::horizontalLinesAt(d, kind::Cut, 230);
    ASSERT_EQ(flapTops.size(), 2u);
    EXPECT_NEAR(flapTops[1].a.x, 204, 1e-3);
    EXPECT_NEAR(flapTops[1].b.x, 300, 1e-3);
    // Base edges creased, slots 8 wide cut at the corners.
    EXPECT_EQ(test::horizontalLinesAt(d, kind::Crease, 150).size(), 4u);
    EXPECT_EQ(test::verticalLinesAt(d, kind::Crease, 200).size(), 2u);
    const auto slots = test::horizontalLinesAt(d, kind::Cut, 150);
    ASSERT_EQ(slots.size(), 2u);
    EXPECT_NEAR(slots[1].a.x, 196, 1e-3);
    EXPECT_NEAR(slots[1].b.x, 204, 1e-3);
    EXPECT_EQ(m.PassesMachine[0], 100);
    EXPECT_EQ(m.PassesMachine[1], 400);
    EXPECT_EQ(m.PassesMachine[16], 300);
    EXPECT_EQ(m.PassesMachine[6], 80);
    EXPECT_EQ(m.PassesMachine[12], 100);
}

TEST_F(Tray, EveryVariantKeepsAClosedOutlineAndDrawsNothingTwice) {
    struct Case {
        float f;
        double top;      // highest point of the blank
        double flapTop;  // top of the corner flap
        std::size_t cutsAtFlapTop;
    };
    // -455: V = T = F = 100, D = 106; E = 206 is more than a, so the flap stops at b + a.
    // -4801 and -4802: T = F = 100, D = 2b = 300; their flaps reach b + E. -4800 is a
    // negative flap height: no corner flap, the slot's bottom is the only cut at b.
    const Case cases[] = {{80, 250, 230, 2},    {300, 250, 350, 2},   {-455, 356, 350, 2},
                          {-4800, 250, 150, 4}, {-4801, 550, 550, 4}, {-4802, 550, 550, 4}};
    for (const Case& c : cases) {
        for (std::int16_t hole : {0, 1, 2}) {
            test::Generated t;
            t.m.OptionPoign = hole;
            {
                GenerationPass pass(t.d);
                PanneauDoubleMur(t.m, t.d, 200, 150, 100, c.f, true, true, true, 0, 0, 0, 1);
            }
            EXPECT_NEAR(t.d.extents().ymax, std::max(c.top, c.flapTop), 1e-3) << c.f;
            EXPECT_EQ(test::horizontalLinesAt(t.d, kind::Cut, c.flapTop).size(), c.cutsAtFlapTop)
                << c.f;
            if (hole != 2) {
                EXPECT_TRUE(test::cutOutlineIsClosed(t.d)) << c.f << " hole " << hole;
            }
            EXPECT_TRUE(test::noLineDrawnTwice(t.d)) << c.f;
            EXPECT_TRUE(test::noLineDrawnTwice(t.d, kind::Crease)) << c.f;
            // No crease leaves the blank.
            const Box box = t.d.extents();
            for (const auto& l : test::linesOfKind(t.d, kind::Crease)) {
                EXPECT_LE(std::max(l.a.y, l.b.y), box.ymax + 1e-3) << c.f;
            }
        }
    }
}

TEST_F(Tray, DoubleWallCreasesFollowTheVariant) {
    draw(-455, false);
    // The fold of the double wall and the one a board's double thickness further.
    EXPECT_EQ(test::horizontalLinesAt(d, kind::Crease, 250).size(), 2u);
    EXPECT_EQ(test::horizontalLinesAt(d, kind::Crease, 256).size(), 2u);
    EXPECT_EQ(m.PassesMachine[7], 206);

    d.ClearDrawing();
    m.PassesMachine.fill(0);
    draw(-4801, false);
    EXPECT_EQ(test::horizontalLinesAt(d, kind::Crease, 250).size(), 4u);  // across the flaps too
    EXPECT_EQ(m.PassesMachine[6], 400);
    EXPECT_EQ(m.PassesMachine[11], 0);  // only the upper entries

    d.ClearDrawing();
    m.PassesMachine.fill(0);
    draw(-4802, false);
    EXPECT_EQ(m.PassesMachine[6], 0);
    EXPECT_EQ(m.PassesMachine[11], 400);
}

TEST_F(Tray, SideWallHandHolesAreWholeAndTheirTabFoldIsDrawnOnce) {
    m.OptionPoign = 3;
    m.LPoign = 90;
    m.HPoign = 30;
    m.DPoign = 50;
    m.EPoign = 6;
    draw(80, false);
    // One hole per side wall, its outer edge 50 inside the wall's edge at 300.
    const auto edges = test::verticalLinesAt(d, kind::Crease, 250);
    ASSERT_EQ(edges.size(), 2u);
    EXPECT_NEAR(edges[0].a.y, -30, 1e-3);
    EXPECT_NEAR(edges[1].b.y, 30, 1e-3);
    EXPECT_EQ(test::verticalLinesAt(d, kind::Cut, 220).size(), 2u);
    double tabFold = 0;
    for (const auto& l : test::verticalLinesAt(d, kind::Crease, 256))
        tabFold += std::fabs(l.b.y - l.a.y);
    EXPECT_NEAR(tabFold, 60, 1e-3);
    EXPECT_EQ(test::looseCutEnds(d).size(), 4u);  // the L-shaped cuts, two a hole
    EXPECT_TRUE(test::noLineDrawnTwice(d, kind::Crease));
}

TEST_F(Tray, DiagonalCornerCreasesStayOnTheirFlap) {
    draw(-4801);
    // k3 aims at b + Longueur/2 = 350, inside a flap that reaches 550.
    bool found = false;
    for (const auto& l : test::linesOfKind(d, kind::Crease)) {
        found |= areNear(l.a, {204, 150}, 1e-3) && areNear(l.b, {300, 350}, 1e-3);
    }
    EXPECT_TRUE(found);

    d.ClearDrawing();
    m.Longueur = 2000;  // aims far beyond the flap top at b + a = 350
    draw(300);
    for (const auto& l : test::linesOfKind(d, kind::Crease))
        EXPECT_LE(std::max(std::fabs(l.a.y), std::fabs(l.b.y)), 350 + 1e-3);
}

}  // namespace
}  // namespace brontaxe
