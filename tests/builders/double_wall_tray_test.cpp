#include "builders/double_wall_tray.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>

#include "builders/emit.h"
#include "support/builder_bodies.h"
#include "support/outline.h"

namespace brontaxe {
namespace {

// Base 400 x 300 (a = 200, b = 150) of a box 400 long, walls 100, at the start-up settings: slots
// 4 + 4, double-wall band 6.
const BlankSettings& kSettings = test::kStartupSettings;

struct Tray : ::testing::Test {
    Drawing d;
    BlankSettings settings = kSettings;
    MachinePassTable passes{};

    // Walls 100 for every variant: a double end wall's step is the inner wall and the band, a
    // lid's as deep as the base.
    static std::optional<DoubleWallSizes> wallSizes(CornerFlaps flaps) {
        switch (flaps) {
            case CornerFlaps::DoubleEndWalls:
                return DoubleWallSizes{100, 100, 100, 106};
            case CornerFlaps::UpperLid:
            case CornerFlaps::LowerLid:
                return DoubleWallSizes{100, 100, 100, 300};
            default:
                return std::nullopt;
        }
    }

    static DoubleWallTrayShape tray(CornerFlaps flaps, float flap, bool corners) {
        return {.a = 200,
                .b = 150,
                .h = 100,
                .flap = flap,
                .halfInsideLength = 200,
                .endWallDiagonals = corners,
                .sideWallDiagonals = corners,
                .flapDiagonals = corners,
                .flaps = flaps,
                .doubleWall = wallSizes(flaps)};
    }

    void draw(float flap, bool corners = true) { draw(CornerFlaps::GivenHeight, flap, corners); }
    void draw(CornerFlaps flaps, float flap = 0, bool corners = true) {
        draw(tray(flaps, flap, corners));
    }
    void draw(const DoubleWallTrayShape& t) {
        GenerationPass pass(d);
        DoubleWallTray(d, t, settings).writeTo(passes);
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
    EXPECT_EQ(passes[0], 100);
    EXPECT_EQ(passes[1], 400);
    EXPECT_EQ(passes[16], 300);
    EXPECT_EQ(passes[6], 80);
    EXPECT_EQ(passes[12], 100);
}

TEST_F(Tray, EveryVariantKeepsAClosedOutlineAndDrawsNothingTwice) {
    struct Case {
        const char* name;
        CornerFlaps flaps;
        float flap;
        double top;      // highest point of the blank
        double flapTop;  // top of the corner flap
        std::size_t cutsAtFlapTop;
    };
    // Double end walls: V = T = F = 100, D = 106; E = 206 is more than a, so the flap stops at
    // b + a. Lids: T = F = 100, D = 2b = 300; their flaps stop at the lid's hinge, b + T, cut
    // there from the lid's side flaps and across the slot. Without corner flaps,
    // or with a negative height, the slot's bottom is the only cut at b.
    const Case cases[] = {{"80 high", CornerFlaps::GivenHeight, 80, 250, 230, 2},
                          {"300 high", CornerFlaps::GivenHeight, 300, 250, 350, 2},
                          {"negative", CornerFlaps::GivenHeight, -20, 250, 150, 4},
                          {"double end walls", CornerFlaps::DoubleEndWalls, 80, 356, 350, 2},
                          {"none", CornerFlaps::None, 80, 250, 150, 4},
                          {"upper lid", CornerFlaps::UpperLid, 80, 550, 250, 4},
                          {"lower lid", CornerFlaps::LowerLid, 80, 550, 250, 4}};
    for (const Case& c : cases) {
        for (HandHoleKind hole :
             {HandHoleKind::None, HandHoleKind::Cut, HandHoleKind::CreasedUpperEdge}) {
            const BlankSettings s = test::withHandHole(hole);
            Drawing t;
            {
                GenerationPass pass(t);
                static_cast<void>(DoubleWallTray(t, tray(c.flaps, c.flap, true), s));
            }
            EXPECT_NEAR(t.extents().ymax, std::max(c.top, c.flapTop), 1e-3) << c.name;
            EXPECT_EQ(test::horizontalLinesAt(t, kind::Cut, c.flapTop).size(), c.cutsAtFlapTop)
                << c.name;
            if (hole != HandHoleKind::CreasedUpperEdge) {
                EXPECT_TRUE(test::cutOutlineIsClosed(t)) << c.name;
            }
            EXPECT_TRUE(test::noLineDrawnTwice(t)) << c.name;
            EXPECT_TRUE(test::noLineDrawnTwice(t, kind::Crease)) << c.name;
            // No crease leaves the blank.
            const Box box = t.extents();
            for (const auto& l : test::linesOfKind(t, kind::Crease)) {
                EXPECT_LE(std::max(l.a.y, l.b.y), box.ymax + 1e-3) << c.name;
            }
        }
    }
}

// Every wall size goes where its name says, told apart by giving each another value: side walls
// 90, end walls 110, corner flaps 70 beside them and a step of 140. The flap, 210 beyond the
// base, is cut back to a = 200 over a double end wall; beside a lid it is 70 high, and the
// lid's side flaps, hinged on the lid as wide as the end wall, run from 260 to 400.
TEST_F(Tray, TheGivenWallSizesAreTheOnesDrawnAndRecorded) {
    struct Case {
        const char* name;
        CornerFlaps flaps;
        double flapTop;
        std::size_t creasesAtEndWall;  // across the end walls, and the flaps beside them
        std::size_t creasesPastBand;
        std::size_t lidSideFlaps;    // creases from 260 to 400 on the slots' inner edges
        float upperPass, lowerPass;  // the flap's pass, E = 210, where it is recorded
    };
    const Case cases[] = {
        {"double end walls", CornerFlaps::DoubleEndWalls, 350, 2, 2, 0, 210, 210},
        {"upper lid", CornerFlaps::UpperLid, 220, 2, 0, 2, 210, 0},
        {"lower lid", CornerFlaps::LowerLid, 220, 2, 0, 2, 0, 210},
    };
    for (const Case& c : cases) {
        DoubleWallTrayShape sized = tray(c.flaps, 0, false);
        sized.doubleWall =
            DoubleWallSizes{.sideWall = 90, .endWall = 110, .cornerFlap = 70, .endWallStep = 140};
        Drawing t;
        MachinePassTable p{};
        {
            GenerationPass pass(t);
            DoubleWallTray(t, sized, kSettings).writeTo(p);
        }
        const Box box = t.extents();
        EXPECT_NEAR(box.xmax, 290, 1e-3) << c.name;
        EXPECT_NEAR(box.ymax, 400, 1e-3) << c.name;  // b + end wall + step
        EXPECT_EQ(test::horizontalLinesAt(t, kind::Cut, c.flapTop).size(), 2u) << c.name;
        EXPECT_EQ(test::horizontalLinesAt(t, kind::Crease, 260).size(), c.creasesAtEndWall)
            << c.name;
        EXPECT_EQ(test::horizontalLinesAt(t, kind::Crease, 266).size(), c.creasesPastBand)
            << c.name;
        std::size_t lidSideFlaps = 0;
        for (double x : {-196.0, 196.0})
            for (const auto& l : test::verticalLinesAt(t, kind::Crease, x))
                lidSideFlaps += areNear(l.a, {x, 260}, 1e-3) && areNear(l.b, {x, 400}, 1e-3);
        EXPECT_EQ(lidSideFlaps, c.lidSideFlaps) << c.name;
        EXPECT_TRUE(test::cutOutlineIsClosed(t)) << c.name;
        EXPECT_EQ(p[0], 90) << c.name;
        EXPECT_EQ(p[6], c.upperPass) << c.name;
        EXPECT_EQ(p[7], c.upperPass > 0 ? 250 : 0) << c.name;
        EXPECT_EQ(p[11], c.lowerPass) << c.name;
        EXPECT_EQ(p[12], c.lowerPass > 0 ? 250 : 0) << c.name;
    }
}

TEST_F(Tray, ADoubleWallVariantWithoutItsSizesIsRefused) {
    for (CornerFlaps flaps :
         {CornerFlaps::DoubleEndWalls, CornerFlaps::UpperLid, CornerFlaps::LowerLid}) {
        DoubleWallTrayShape t = tray(flaps, 0, false);
        t.doubleWall.reset();
        GenerationPass pass(d);
        EXPECT_THROW(static_cast<void>(DoubleWallTray(d, t, settings)), std::invalid_argument);
    }
}

TEST_F(Tray, SideWallHandHolesAreWholeAndTheirTabFoldIsDrawnOnce) {
    settings = test::withHandHole(HandHoleKind::FoldingTab);
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
    draw(CornerFlaps::UpperLid);
    // k3 aims at b + half the length = 350, past a flap that stops at the lid's hinge, 250.
    bool found = false;
    for (const auto& l : test::linesOfKind(d, kind::Crease)) {
        found |= areNear(l.a, {204, 150}, 1e-3) && areNear(l.b, {252, 250}, 1e-3);
    }
    EXPECT_TRUE(found);

    d.ClearDrawing();
    DoubleWallTrayShape longBox = tray(CornerFlaps::GivenHeight, 300, true);
    longBox.halfInsideLength = 1000;  // aims far beyond the flap top at b + a = 350
    draw(longBox);
    for (const auto& l : test::linesOfKind(d, kind::Crease))
        EXPECT_LE(std::max(std::fabs(l.a.y), std::fabs(l.b.y)), 350 + 1e-3);
}

}  // namespace
}  // namespace brontaxe
