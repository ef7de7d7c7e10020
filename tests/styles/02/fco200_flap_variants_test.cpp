// The slotted cases drawn with builders of their own: lock flaps, covers with tuck-in flaps,
// the stepped joint, the carry box, liner flaps and the tongue lock. Each test checks the
// feature that tells the style apart on a 400 x 300 x 200 box with start-up values (no
// allowances, 36 mm glue flap, 8 mm slots): panels 400, 300, 400, 300 from x = 36, h = 100.

#include <gtest/gtest.h>

#include <cmath>

#include "styles/02/fco200.h"
#include "support/outline.h"
#include "support/style_fixture.h"

namespace brontaxe {
namespace {

using test::cutOutlineIsClosed;
using test::horizontalLinesAt;

constexpr double kH = 100;
const std::vector<double> kMiddles = {36 + 200, 436 + 150, 736 + 200, 1136 + 150};

// Height above (sign 1) or below (sign -1) the body of the outermost horizontal cut over each
// x, measured from the flap crease.
std::vector<double> flapReach(const Drawing& d, const std::vector<double>& xs, double sign) {
    std::vector<double> out;
    for (double x : xs) {
        double reach = -1e9;
        for (const auto& l : test::linesOfKind(d, kind::Cut)) {
            if (areNear(l.a.y, l.b.y) && std::min(l.a.x, l.b.x) < x && std::max(l.a.x, l.b.x) > x)
                reach = std::max(reach, sign * l.a.y);
        }
        out.push_back(reach - kH);
    }
    return out;
}

std::vector<LineShape> diagonalCreases(const Drawing& d, double sign) {
    std::vector<LineShape> out;
    for (const auto& l : test::linesOfKind(d, kind::Crease)) {
        const double dx = l.b.x - l.a.x, dy = l.b.y - l.a.y;
        if (std::abs(dx) > 1 && areNear(std::abs(dx), std::abs(dy), 1e-3) && sign * l.a.y > 0)
            out.push_back(l);
    }
    return out;
}

struct StyleCase {
    const char* name;
    void (*generate)(Model&, Drawing&);
    void (*setUp)(Model&);
    std::vector<double> upper;  // flap reach over panels 1 to 4 above the body
    std::vector<double> lower;  // and below it
};

void PrintTo(const StyleCase& c, std::ostream* os) {
    *os << c.name;
}

class SpecialFlaps : public ::testing::TestWithParam<StyleCase> {};

TEST_P(SpecialFlaps, ReachTheirStylesHeightsWithAClosedOutline) {
    const StyleCase& c = GetParam();
    test::Generated g;
    c.setUp(g.m);
    c.generate(g.m, g.d);
    EXPECT_EQ(flapReach(g.d, kMiddles, 1), c.upper);
    EXPECT_EQ(flapReach(g.d, kMiddles, -1), c.lower);
    EXPECT_TRUE(cutOutlineIsClosed(g.d));
}

// Carry handle: half the width to the middle, then a wall DPoign + HPoign + 2t = 86 high.
// Tongue lock: flaps of (300 + 30) / 2 overlapping by 30, a tongue of 15 on panel 1.
INSTANTIATE_TEST_SUITE_P(
    Fco02, SpecialFlaps,
    ::testing::Values(
        StyleCase{"Lock0207", &Fco0207, [](Model&) {}, {150, 150, 150, 150}, {150, 150, 150, 150}},
        StyleCase{"Lock0229", &Fco0229, [](Model&) {}, {150, 150, 150, 150}, {150, 150, 150, 150}},
        StyleCase{"Tuck0208", &Fco0208, [](Model&) {}, {330, 150, 330, 150}, {330, 150, 330, 150}},
        StyleCase{"Carry0218", &Fco0218, [](Model&) {}, {236, 150, 236, 150}, {150, 150, 150, 150}},
        StyleCase{"Liner0225",
                  &Fco0225,
                  [](Model& m) { m.hrabat = 60; },
                  {60, 60, 60, 60},
                  {150, 150, 150, 150}},
        StyleCase{"LinerNoDeeperThanTheBox0225",
                  &Fco0225,
                  [](Model& m) { m.hrabat = 500; },
                  {200, 200, 200, 200},
                  {150, 150, 150, 150}},
        StyleCase{
            "Tongue0226", &Fco0226, [](Model&) {}, {180, 150, 165, 150}, {150, 150, 150, 150}},
        StyleCase{
            "Tongue0227", &Fco0227, [](Model&) {}, {180, 150, 165, 150}, {180, 150, 165, 150}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Fco0207, BottomFlapsTurnOnFortyFiveDegreeCreasesAndLoseACorner) {
    test::Generated g;
    Fco0207(g.m, g.d);
    EXPECT_TRUE(diagonalCreases(g.d, 1).empty());  // a regular top
    const auto creases = diagonalCreases(g.d, -1);
    ASSERT_EQ(creases.size(), 4u);
    // Each starts at the foot of its flap's left edge.
    EXPECT_NEAR(creases[0].a.y, -kH, 1e-3);
    // Panel 1's flap loses a 75 mm corner: a slanted cut from (40 + 75, -250) to (40, -175).
    bool corner = false;
    for (const auto& l : test::linesOfKind(g.d, kind::Cut))
        corner =
            corner || (areNear(l.a, Point{115, -250}, 1e-3) && areNear(l.b, Point{40, -175}, 1e-3));
    EXPECT_TRUE(corner);
    test::Generated both;
    Fco0229(both.m, both.d);
    EXPECT_EQ(diagonalCreases(both.d, 1).size(), 4u);
}

TEST(Fco0208, CoversFoldIntoTuckInFlapsNarrowerByTheThicknessAndDimensioned) {
    test::Generated g;
    Fco0208(g.m, g.d);
    // Panel 1's flap: slot half 4 on its left, 4 on its right, inset 3 mm for the tuck-in.
    const auto folds = horizontalLinesAt(g.d, kind::Crease, kH + 300);
    ASSERT_EQ(folds.size(), 2u);
    EXPECT_NEAR(folds[0].a.x + folds[0].b.x, 2 * 236, 1e-3);
    EXPECT_NEAR(std::abs(folds[0].b.x - folds[0].a.x), 400 - 8 - 6, 1e-3);
    EXPECT_TRUE(test::hasDimension(g.d, {236, kH + 300}, {236, kH + 330}));
}

TEST(Fco0214, TheLowerHalfOfTheJointPanelStopsShortAndTheStepIsCut) {
    test::Generated g;
    Fco0214(g.m, g.d);
    const double xe = 36 + 1400, step = 2 * 3;
    EXPECT_FALSE(test::verticalLinesAt(g.d, kind::Cut, xe).empty());
    bool lowerEdge = false;
    for (const auto& l : test::verticalLinesAt(g.d, kind::Cut, xe - step))
        lowerEdge = lowerEdge || std::min(l.a.y, l.b.y) < -kH;
    EXPECT_TRUE(lowerEdge);
    const auto stepCut = horizontalLinesAt(g.d, kind::Cut, 0);
    ASSERT_EQ(stepCut.size(), 1u);
    EXPECT_NEAR(std::abs(stepCut[0].b.x - stepCut[0].a.x), step, 1e-3);
    EXPECT_TRUE(cutOutlineIsClosed(g.d));
}

TEST(Fco0217, HandleWallsAlwaysHaveAHoleAndTheBottomLocks) {
    test::Generated g;
    ASSERT_EQ(g.m.OptionPoign, 0);
    Fco0217(g.m, g.d);
    EXPECT_EQ(g.m.OptionPoign, 0);  // the hand-hole type is the user's and stays so
    const auto holes = test::arcsOfKind(g.d, kind::Cut);
    int inHandles = 0;
    for (const auto& a : holes)
        inHandles += a.centre.y > kH + 150 ? 1 : 0;
    EXPECT_EQ(inHandles, 4);  // two round-ended holes
    // The fold between the top and the handle wall.
    EXPECT_EQ(horizontalLinesAt(g.d, kind::Crease, kH + 150).size(), 2u);
    EXPECT_NEAR(g.d.extents().ymin, -(kH + 150 + 30), 1e-3);  // snap-lock bottom
    EXPECT_TRUE(test::cutOutlineIsClosedOrEndsOnFolds(g.d));
}

TEST(Fco0217, NoHoleInAHandleTooNarrowForIt) {
    test::Generated g;
    g.m.Longueur = 60;  // 90 mm holes in 60 mm walls
    g.m.Largeur = 40;
    Fco0217(g.m, g.d);
    for (const auto& a : test::arcsOfKind(g.d, kind::Cut))
        EXPECT_LT(a.centre.y, 0);
}

TEST(Fco0225, CarriesItsNoteOnTheLinerAsAText) {
    test::Generated g;
    Fco0225(g.m, g.d);
    int notes = 0;
    for (const Element& e : g.d.elements()) {
        if (const auto* t = std::get_if<TextShape>(&e.shape)) {
            ++notes;
            EXPECT_EQ(t->text, "( h ) =< ( H )");
            EXPECT_EQ(e.lineKind, kind::Text);
            EXPECT_GT(t->position.y, kH);
        }
    }
    EXPECT_EQ(notes, 1);
}

TEST(Fco0226, TheSlotSitsWhereTheTongueComesDown) {
    test::Generated g;
    Fco0226(g.m, g.d);
    // The tongued flap's edge lands 300 - 165 = 135 from the far wall's fold.
    const auto slot = horizontalLinesAt(g.d, kind::Cut, kH + 135);
    ASSERT_EQ(slot.size(), 1u);
    // A thickness wider than the tongue (a third of the flap, 392 / 3) on each side.
    EXPECT_NEAR(std::abs(slot[0].b.x - slot[0].a.x), 392.0 / 3 + 6, 1e-3);
    EXPECT_NEAR((slot[0].a.x + slot[0].b.x) / 2, 736 + 200, 1e-3);
    // The tongue, the middle third of the flap 165 high, is creased at its root to bend into
    // the slot.
    const auto root = horizontalLinesAt(g.d, kind::Crease, kH + 165);
    ASSERT_EQ(root.size(), 1u);
    EXPECT_NEAR(std::abs(root[0].b.x - root[0].a.x), 392.0 / 3, 1e-3);
}

}  // namespace
}  // namespace brontaxe
