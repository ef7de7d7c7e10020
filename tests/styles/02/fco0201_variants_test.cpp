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

// The hole itself is the builder's: the 0201 puts one 50 under the flap crease of each width
// panel, or of each length panel when those are the narrower, in the upper half only.
TEST(Fco0201HandHoles, SitUnderTheFlapCreaseOfTheNarrowerPanels) {
    const struct {
        std::int16_t type;
        float length;
        LineKind upperEdge;
        std::vector<double> centres;
    } cases[] = {
        {1, 400, kind::Cut, {36 + 400 + 150, 36 + 1100 + 150}},
        {2, 400, kind::Crease, {36 + 400 + 150, 36 + 1100 + 150}},
        {3, 400, kind::Crease, {36 + 400 + 150, 36 + 1100 + 150}},
        {1, 200, kind::Cut, {36 + 100, 36 + 200 + 300 + 100}},
    };
    for (const auto& c : cases) {
        test::Generated g;
        g.m.OptionPoign = c.type;
        g.m.Longueur = c.length;
        Fco0201(g.m, g.d);
        std::vector<double> centres;
        for (const auto& l : test::horizontalLinesAt(g.d, c.upperEdge, 50))
            centres.push_back((l.a.x + l.b.x) / 2);
        EXPECT_EQ(centres, c.centres) << "type " << c.type << ", length " << c.length;
        EXPECT_EQ(test::arcsOfKind(g.d, kind::Cut).size(), 4u) << "type " << c.type;
    }
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
