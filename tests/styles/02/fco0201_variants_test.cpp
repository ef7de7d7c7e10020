// The 0201 in two and four pieces, with hand-holes, and mirrored.

#include <gtest/gtest.h>

#include "builders/emit.h"
#include "styles/02/fco200.h"
#include "support/outline.h"
#include "support/style_fixture.h"

namespace brontaxe {
namespace {

using test::cutOutlineIsClosed;
using test::hasDimension;

struct PieceCase {
    const char* name;
    bool caisseEn2;
    std::int16_t caisseEn4;
    double width;  // overall size along x
};

void PrintTo(const PieceCase& c, std::ostream* os) {
    *os << c.name;
}

class Fco0201Pieces : public ::testing::TestWithParam<PieceCase> {};

TEST_P(Fco0201Pieces, DrawOnlyTheirPanelsWithAClosedOutline) {
    const PieceCase& c = GetParam();
    test::Generated g;
    g.m.CaisseEn2 = c.caisseEn2;
    g.m.CaisseEn4 = c.caisseEn4;
    Fco0201(g.m, g.d);
    EXPECT_NEAR(g.d.BlankSizeX(), c.width, 1e-3);
    EXPECT_NEAR(g.d.BlankSizeY(), 500, 1e-3);
    EXPECT_TRUE(cutOutlineIsClosed(g.d));
    // Only the panels drawn are recorded for the machine.
    EXPECT_EQ(g.m.PassesMachine[3], 0);
    EXPECT_EQ(g.m.PassesMachine[4], 0);
}

INSTANTIATE_TEST_SUITE_P(Pieces, Fco0201Pieces,
                         ::testing::Values(PieceCase{"TwoPieces", true, 0, 36 + 400 + 300},
                                           PieceCase{"HeadPanel", true, 1, 36 + 400},
                                           PieceCase{"FacePanel", true, 2, 36 + 300},
                                           PieceCase{"HeadPanelLoose", true, 3, 400},
                                           PieceCase{"FacePanelTwoGlueFlaps", true, 4,
                                                     36 + 300 + 36}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Fco0201Pieces, DimensionRowMeasuresThePanelActuallyDrawn) {
    test::Generated g;
    g.m.CaisseEn2 = true;
    g.m.CaisseEn4 = 2;  // the single panel is the width panel
    Fco0201(g.m, g.d);
    const double row = -250 - (336.0 + 500.0) / 25.0;
    EXPECT_TRUE(hasDimension(g.d, {36, row}, {336, row}));
    EXPECT_FALSE(hasDimension(g.d, {36, row}, {436, row}));
}

TEST(Fco0201HandHoles, TypeOneSitsUnderTheFlapCreaseOfPanelsTwoAndFour) {
    test::Generated g;
    g.m.OptionPoign = 1;
    Fco0201(g.m, g.d);
    // Upper edge 50 under the crease at 100, from x - 30 to x + 30; lower edge at 20.
    for (double x : {36.0 + 400 + 150, 36.0 + 1100 + 150}) {
        bool upper = false, lower = false;
        for (const auto& l : test::horizontalLinesAt(g.d, kind::Cut, 50)) {
            upper |= areNear(l.a.x, x - 30, 1e-3) && areNear(l.b.x, x + 30, 1e-3);
        }
        for (const auto& l : test::horizontalLinesAt(g.d, kind::Cut, 20)) {
            lower |= areNear(l.a.x, x - 30, 1e-3) && areNear(l.b.x, x + 30, 1e-3);
        }
        EXPECT_TRUE(upper) << x;
        EXPECT_TRUE(lower) << x;
    }
    const auto arcs = test::arcsOfKind(g.d, kind::Cut);
    ASSERT_EQ(arcs.size(), 4u);  // two round ends a hole, upper half only
    for (const auto& a : arcs) {
        EXPECT_NEAR(a.radius, 15, 1e-4);
        EXPECT_NEAR(a.centre.y, 35, 1e-4);
        EXPECT_NEAR(a.sweepDeg, 180, 1e-4);
    }
    EXPECT_TRUE(cutOutlineIsClosed(g.d));
}

TEST(Fco0201HandHoles, TypesTwoAndThreeCreaseTheUpperEdgeAndAddTheTab) {
    test::Generated g;
    g.m.OptionPoign = 2;
    Fco0201(g.m, g.d);
    const auto creased = test::horizontalLinesAt(g.d, kind::Crease, 50);
    ASSERT_EQ(creased.size(), 2u);
    for (const Element& e : g.d.elements()) {
        if (const auto* l = std::get_if<LineShape>(&e.shape);
            l && e.lineKind == kind::Crease && areNear(l->a.y, 50, 1e-3)) {
            EXPECT_EQ(e.lineVariant, 2);
        }
    }

    test::Generated t;
    t.m.OptionPoign = 3;
    Fco0201(t.m, t.d);
    // The tab's crease stands EPoign (6) above the hole, between its two L-shaped cuts.
    const auto tab = test::horizontalLinesAt(t.d, kind::Crease, 56);
    ASSERT_EQ(tab.size(), 2u);
    EXPECT_NEAR(tab[0].a.x, 586 - 30, 1e-3);
    EXPECT_NEAR(tab[0].b.x, 586 + 30, 1e-3);
    EXPECT_EQ(test::horizontalLinesAt(t.d, kind::Cut, 56).size(), 4u);
}

TEST(Fco0201HandHoles, NarrowLengthPanelsMoveTheHolesToPanelsOneAndThree) {
    test::Generated g;
    g.m.OptionPoign = 1;
    g.m.Longueur = 200;  // p1 < p2
    Fco0201(g.m, g.d);
    std::vector<double> centres;
    for (const auto& l : test::horizontalLinesAt(g.d, kind::Cut, 50))
        centres.push_back((l.a.x + l.b.x) / 2);
    EXPECT_EQ(centres, (std::vector<double>{36 + 100, 36 + 200 + 300 + 100}));
}

TEST(Fco0201Mirrored, ReversesThePassesAndTheGlueFlapDimension) {
    test::Generated g;
    g.m.Sym_Verticale = true;
    Fco0201(g.m, g.d);
    EXPECT_EQ(g.m.PassesMachine[0], 300);
    EXPECT_EQ(g.m.PassesMachine[4], 36);
    const double row = -250 - (1436.0 + 500.0) / 25.0;
    bool reversed = false;
    for (const auto& dim : test::dimensions(g.d)) {
        reversed |= areNear(dim.p1, {36, row}, 1e-3) && areNear(dim.p2, {0, row}, 1e-3);
    }
    EXPECT_TRUE(reversed);
}

}  // namespace
}  // namespace brontaxe
