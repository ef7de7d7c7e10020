// The lidded slotted cases and the snap-lock bottoms: lid depth, tuck-in width, dust flaps,
// the allowances they fall back on, and where the glue flap goes.

#include <gtest/gtest.h>

#include "styles/02/fco200.h"
#include "support/outline.h"
#include "support/style_fixture.h"

namespace brontaxe {
namespace fco200_lid_test {
namespace {

using test::cutOutlineIsClosedOrEndsOnFolds;
using test::horizontalLinesAt;

// 400 x 300 x 200 on 3 mm board with the lid styles' own defaults: panels 403, 303, 403, 303
// from x = 36, h = 101.5, lid 306 deep with a 30 mm tuck-in 397 wide.
constexpr double kH = 101.5;
constexpr double kXb = 36 + 403, kXc = kXb + 303, kXd = kXc + 403;

bool hasLineFromTo(const std::vector<LineShape>& lines, double x0, double x1) {
    for (const auto& l : lines) {
        const double a = std::min(l.a.x, l.b.x), b = std::max(l.a.x, l.b.x);
        if (areNear(a, x0, 1e-3) && areNear(b, x1, 1e-3))
            return true;
    }
    return false;
}

TEST(Fco0210, WithoutItsOwnRecordTakesTheBoardThicknessAllowances) {
    test::Generated g;
    g.m.Majo.fill(9);  // borrowed from another style
    Fco0210(g.m, g.d);
    const std::array<float, 17> expected{0, 3, 3, 3, 0, 3, 3, 3, -3, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(g.m.Majo, expected);

    test::Generated own;
    own.m.allowanceRecordCode = 210;
    own.m.Majo.fill(0);
    own.m.Majo[6] = 5;
    Fco0210(own.m, own.d);
    EXPECT_EQ(own.m.Majo[6], 5);  // the table's record stands
    EXPECT_EQ(own.m.Majo[1], 0);
}

TEST(Fco0210, LidsAreAWidthDeepWithATuckInNarrowerThanThePanel) {
    test::Generated g;
    Fco0210(g.m, g.d);
    // Tuck-in folds at h + q on both ends, inset by (p1 - p5) / 2 = 3 on panel 1.
    const double fold = kH + 306;
    EXPECT_TRUE(hasLineFromTo(horizontalLinesAt(g.d, kind::Crease, fold), 36 + 3, kXb - 3));
    EXPECT_TRUE(hasLineFromTo(horizontalLinesAt(g.d, kind::Crease, -fold), 36 + 3, kXb - 3));
    // Hinge one lip (allowance 7) above the body, overhanging the panel by the thickness.
    EXPECT_TRUE(hasLineFromTo(horizontalLinesAt(g.d, kind::Crease, kH + 3), 36 - 3, kXb + 3));
    EXPECT_NEAR(g.d.extents().ymax, fold + 30, 1e-3);
    EXPECT_NEAR(g.d.extents().ymin, -(fold + 30), 1e-3);
    EXPECT_TRUE(cutOutlineIsClosedOrEndsOnFolds(g.d));
}

TEST(Fco0210, DustFlapsAreHrabatOrHalfThePanelForPelsiran) {
    for (const auto& [profile, flap] : {std::pair{"", 50.0}, std::pair{"PELSIRAN", 403.0 / 2}}) {
        test::Generated g;
        g.m.Personnalisation = ProfileChoice::parse(profile);
        Fco0210(g.m, g.d);
        // Dust flap of panel 2 between its slot and the lid.
        EXPECT_TRUE(hasLineFromTo(horizontalLinesAt(g.d, kind::Cut, kH + flap), kXb + 3, kXc - 3))
            << profile;
        EXPECT_TRUE(cutOutlineIsClosedOrEndsOnFolds(g.d)) << profile;
    }
}

TEST(Fco0211, TheSecondLidIsHingedOnTheOppositeWall) {
    test::Generated g;
    g.m.allowanceRecordCode = 211;
    g.m.Majo = {0, 3, 3, 3, 0, 3, 3, 3, -3, 0, 0, 0, 0, 0, 0, 0, 0};
    Fco0211(g.m, g.d);
    const double fold = kH + 306;
    EXPECT_TRUE(hasLineFromTo(horizontalLinesAt(g.d, kind::Crease, fold), 36 + 3, kXb - 3));
    EXPECT_TRUE(hasLineFromTo(horizontalLinesAt(g.d, kind::Crease, -fold), kXc + 3, kXd - 3));
    EXPECT_TRUE(hasLineFromTo(horizontalLinesAt(g.d, kind::Crease, -(kH + 3)), kXc - 3, kXd + 3));
    EXPECT_TRUE(horizontalLinesAt(g.d, kind::Crease, -fold).size() == 1);
    EXPECT_TRUE(cutOutlineIsClosedOrEndsOnFolds(g.d));
}

// The cut ends a lidded half leaves loose are the corners of the lid's hinge that run into the
// fold between two panels and the dust flap's crease (argued in the outline helper); nothing
// else may be loose.
TEST(Fco0211, OnlyTheHingeCornersEndOnFolds) {
    test::Generated g;
    g.m.Majo = {0, 3, 3, 3, 0, 3, 3, 3, -3, 0, 0, 0, 0, 0, 0, 0, 0};
    Fco0211(g.m, g.d);
    for (const Point& p : test::looseCutEnds(g.d)) {
        const bool hingeCorner =
            areNear(std::abs(p.y), kH, 1e-3) &&
            (areNear(p.x, kXb, 1e-3) || areNear(p.x, kXc, 1e-3) || areNear(p.x, kXd, 1e-3));
        EXPECT_TRUE(hingeCorner) << p.x << ", " << p.y;
    }
}

TEST(Fco0212, LidOverARegularSlottedBottom) {
    test::Generated g;  // start-up allowances are all 0
    Fco0212(g.m, g.d);
    EXPECT_NEAR(g.d.extents().ymax, 100 + 300 + 30, 1e-3);
    EXPECT_NEAR(g.d.extents().ymin, -(100 + 150), 1e-3);
    EXPECT_TRUE(cutOutlineIsClosedOrEndsOnFolds(g.d));
}

// With the glue flap on the width panel the lidded half carries it after panel 4; the other
// half must carry it there too, or the blank would have half a glue flap at each end.
TEST(LiddedCases, GlueFlapOnTheWidthPanelHangsAfterPanel4OnBothHalves) {
    struct Case {
        void (*generate)(Model&, Drawing&);
        float p1, p2;  // 0215 falls back on its own allowances, 0212 keeps the start-up ones
    };
    for (const Case& c : {Case{&Fco0212, 400, 300}, Case{&Fco0215, 403, 303}}) {
        test::Generated g;
        g.m.pattesurtete = true;
        c.generate(g.m, g.d);
        // Panel passes come out in the order of the panels, whichever way the half was drawn.
        EXPECT_EQ(g.m.PassesMachine[1], c.p1);
        EXPECT_EQ(g.m.PassesMachine[2], c.p2);
        const double xe = 36 + g.m.PassesMachine[1] + g.m.PassesMachine[2] + g.m.PassesMachine[3] +
                          g.m.PassesMachine[4];
        EXPECT_NEAR(g.d.extents().xmax, xe + 36, 1e-3);
        bool upper = false, lower = false;
        for (const auto& l : test::linesOfKind(g.d, kind::Cut)) {
            EXPECT_GE(std::min(l.a.x, l.b.x), 36 - 3 - 1e-3);  // nothing left of the lid
            if (std::max(l.a.x, l.b.x) > xe + 1) {
                upper = upper || l.a.y > 1 || l.b.y > 1;
                lower = lower || l.a.y < -1 || l.b.y < -1;
            }
        }
        EXPECT_TRUE(upper && lower);
        EXPECT_TRUE(cutOutlineIsClosedOrEndsOnFolds(g.d));
    }
}

TEST(Fco0215, SnapLockBottomReachesPastTheMiddleByTheOverlap) {
    test::Generated g;
    Fco0215(g.m, g.d);
    // Principal flap on the length panel: half the width panel (303 / 2) plus `hrecouvr`.
    EXPECT_NEAR(g.d.extents().ymin, -(kH + 151.5 + 30), 1e-3);
    // Its notch, as wide as the overlap, stops the overlap short of the fold.
    const auto notchTop = horizontalLinesAt(g.d, kind::Cut, -(kH + 30));
    EXPECT_TRUE(hasLineFromTo(notchTop, 36 + (403 - 30) / 2.0, 36 + (403 + 30) / 2.0));
    EXPECT_FALSE(test::arcsOfKind(g.d, kind::Cut).empty());  // rounded tab and steps
    EXPECT_TRUE(cutOutlineIsClosedOrEndsOnFolds(g.d));
}

TEST(Fco0216, FlapsRoundTheHalfWidthWithTheAllowancePlusATenth) {
    test::Generated g;
    g.m.Largeur = 301;  // 150.5 + 0.1 rounds up where the regular case rounds down
    g.m.Majo[6] = 2;
    Fco0216(g.m, g.d);
    const double h = 100;
    const auto tops = horizontalLinesAt(g.d, kind::Cut, h + 153);  // nearestInt16(152.6)
    EXPECT_FALSE(tops.empty());
    EXPECT_FALSE(horizontalLinesAt(g.d, kind::Cut, h + 151).empty());  // nearestInt16(150.6)
    EXPECT_TRUE(test::cutOutlineIsClosed(g.d));
}

}  // namespace
}  // namespace fco200_lid_test
}  // namespace brontaxe
