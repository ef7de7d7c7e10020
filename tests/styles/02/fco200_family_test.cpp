// The slotted styles beyond the 0201: each one's defining feature.

#include <gtest/gtest.h>

#include "drawing/drawing_dump.h"
#include "platform/errors.h"
#include "styles/02/fco200.h"
#include "support/outline.h"
#include "support/style_fixture.h"
#include "support/style_run.h"
#include "workbench/catalogue_forms.h"

namespace brontaxe {
namespace {

using test::cutOutlineIsClosed;
using test::horizontalLinesAt;

// Height of the flap over the middle of each of the four panels of the upper half (the
// highest cut across that x), measured from the flap crease at y = h.
std::vector<double> upperFlaps(const Drawing& d, const std::vector<double>& panelMiddles,
                               double h) {
    std::vector<double> flaps;
    for (double x : panelMiddles) {
        double top = -1e9;
        for (const auto& l : test::linesOfKind(d, kind::Cut)) {
            if (areNear(l.a.y, l.b.y) && std::min(l.a.x, l.b.x) < x && std::max(l.a.x, l.b.x) > x) {
                top = std::max(top, l.a.y);
            }
        }
        flaps.push_back(top - h);
    }
    return flaps;
}

const std::vector<double> kMiddles400x300 = {36 + 200, 436 + 150, 736 + 200, 1136 + 150};

struct FlapCase {
    const char* name;
    void (*generate)(Model&, Drawing&);
    void (*setUp)(Model&);
    std::vector<double> flaps;  // panels 1 to 4 of the upper half
};

void PrintTo(const FlapCase& c, std::ostream* os) {
    *os << c.name;
}

class SlottedFlaps : public ::testing::TestWithParam<FlapCase> {};

TEST_P(SlottedFlaps, HaveTheirStylesHeightsAndAClosedOutline) {
    const FlapCase& c = GetParam();
    test::Generated g;
    c.setUp(g.m);
    c.generate(g.m, g.d);
    EXPECT_EQ(upperFlaps(g.d, kMiddles400x300, 100), c.flaps);
    EXPECT_TRUE(cutOutlineIsClosed(g.d));
}

INSTANTIATE_TEST_SUITE_P(
    Fco02, SlottedFlaps,
    ::testing::Values(
        FlapCase{"Overlap0202", &Fco0202, [](Model& m) { m.hrecouvr = 30; }, {165, 165, 165, 165}},
        FlapCase{"FullOverlap0203", &Fco0203, [](Model&) {}, {300, 300, 300, 300}},
        FlapCase{"Centre0204", &Fco0204, [](Model&) {}, {150, 200, 150, 200}},
        FlapCase{
            "HalfLength0205", &Fco0205, [](Model& m) { m.Largeur = 300; }, {200, 200, 200, 200}},
        FlapCase{"Mixed0206", &Fco0206, [](Model&) {}, {300, 200, 300, 200}},
        FlapCase{"ShortTop0209", &Fco0209, [](Model& m) { m.hrabat = 60; }, {60, 60, 60, 60}},
        // The open top's flaps fold down inside as a rim, hrabat deep.
        FlapCase{"Rim0214", &Fco0214, [](Model& m) { m.hrabat = 60; }, {60, 60, 60, 60}},
        FlapCase{"Hrabat0232", &Fco0232, [](Model& m) { m.hrabat = 70; }, {70, 70, 70, 70}},
        FlapCase{"Hpatrent0233", &Fco0233, [](Model& m) { m.hpatrent = 40; }, {40, 40, 40, 40}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Fco0204, FlapsFollowTheirPanelWhenTheGlueFlapSitsOnTheWidthPanel) {
    test::Generated g;
    g.m.pattesurtete = true;  // panels W, L, W, L
    Fco0204(g.m, g.d);
    EXPECT_EQ(upperFlaps(g.d, {36 + 150, 336 + 200, 736 + 150, 1036 + 200}, 100),
              (std::vector<double>{200, 150, 200, 150}));
}

TEST(Fco0214, ARimAsDeepAsTheBodyIsRefused) {
    test::Generated g;
    g.m.hrabat = 200;  // the body is 200 high
    EXPECT_TRUE(test::refusedSaying(test::runStyle("0214", g.m, g.d), "Rebord rentrant"));
}

TEST(Fco0209, LowerFlapsAreThoseOfARegularSlottedCase) {
    test::Generated g;
    g.m.hrabat = 60;
    Fco0209(g.m, g.d);
    EXPECT_NEAR(g.d.extents().ymin, -100 - 150, 1e-4);
    EXPECT_NEAR(g.d.extents().ymax, 100 + 60, 1e-4);
}

TEST(Fco0200, HasNoLowerFlapsAndOneCutAlongTheOpenEdge) {
    test::Generated g;
    g.m.Majo[5] = 4;
    Fco0200(g.m, g.d);
    const Box box = g.d.extents();
    EXPECT_NEAR(box.ymax, 0, 1e-4);
    EXPECT_NEAR(box.ymin, -(200 + 4) - 150, 1e-4);  // full body height, then the flaps
    const auto top = horizontalLinesAt(g.d, kind::Cut, 0);
    ASSERT_EQ(top.size(), 1u);
    EXPECT_NEAR(top[0].a.x, 0, 1e-4);
    EXPECT_NEAR(top[0].b.x, 1436, 1e-4);
    EXPECT_EQ(test::verticalLinesAt(g.d, kind::Crease, 436).front().a.y, -204);
    EXPECT_TRUE(cutOutlineIsClosed(g.d));
}

TEST(Fco0200, HandHolesUnderTheOpenEdgeExceptIn0200C) {
    test::Generated g;
    g.m.OptionPoign = 1;
    Fco0200(g.m, g.d);
    EXPECT_EQ(test::arcsOfKind(g.d, kind::Cut).size(), 4u);
    for (const auto& a : test::arcsOfKind(g.d, kind::Cut)) {
        EXPECT_LT(a.centre.y, 0);
        EXPECT_GT(a.centre.y, -g.m.DPoign - g.m.HPoign);
    }
    EXPECT_TRUE(cutOutlineIsClosed(g.d));
    test::Generated c;
    c.m.OptionPoign = 1;
    Fco0200C(c.m, c.d);
    EXPECT_TRUE(test::arcsOfKind(c.d, kind::Cut).empty());
}

TEST(Fco0230, WithoutTheGlueFlagItDrawsThe0231AndLeavesTheFlagClear) {
    test::Generated a;
    Fco0230(a.m, a.d);
    EXPECT_FALSE(a.m.pattesurtete);
    test::Generated b;
    b.m.pattesurtete = true;
    Fco0231(b.m, b.d);
    EXPECT_EQ(dumpDrawing(a.d), dumpDrawing(b.d));
    // 0231: L, W, L and a third of W plus the overlap, with two thirds of W in front.
    EXPECT_NEAR(a.d.BlankSizeX(), 200 + 400 + 300 + 400 + (100 + 30), 1e-3);
    EXPECT_EQ(a.m.lgPatte, 36);  // the glue flap's parameters come back
    EXPECT_EQ(a.m.anglPc, 15);
    EXPECT_EQ(a.m.patProlong, 0);
    EXPECT_TRUE(cutOutlineIsClosed(a.d));
}

TEST(Fco0230, TheFrontPanelCarriesAFlapWithASquareEnd) {
    test::Generated g;
    g.m.pattesurtete = true;
    Fco0230(g.m, g.d);
    // Panels W, L, W, L/3 + overlap behind a front panel of 2L/3 (267).
    EXPECT_NEAR(g.d.BlankSizeX(), 267 + 300 + 400 + 300 + (133 + 30), 1e-3);
    // The front panel's flap reaches the flap height of the others: its top is flat.
    const auto tops = horizontalLinesAt(g.d, kind::Cut, 250);
    ASSERT_FALSE(tops.empty());
    EXPECT_NEAR(tops.front().a.x, 0, 1e-4);
    EXPECT_TRUE(cutOutlineIsClosed(g.d));
    EXPECT_TRUE(g.m.pattesurtete);
}

TEST(Fco0234, FlapsAreHrabatAndTheFlagComesBackAfterAnError) {
    test::Generated g;
    g.m.hrabat = 80;
    Fco0234(g.m, g.d);
    EXPECT_NEAR(g.d.BlankSizeY(), 200 + 2 * 80, 1e-3);
    EXPECT_TRUE(cutOutlineIsClosed(g.d));

    test::Generated bad;
    bad.m.Longueur = 200000;  // the flap rounding overflows
    EXPECT_THROW(Fco0235(bad.m, bad.d), GenerationError);
    EXPECT_FALSE(bad.m.pattesurtete);
    EXPECT_EQ(bad.m.lgPatte, 36);
}

// The flaps that leave a case open at both ends (0232, 0234, 0235) and the straight tuck-in
// flaps where the one description found shows an interlocking bottom (0233) are said to be
// unconfirmed forms wherever the code is shown.
TEST(Fco0232, FormsNoDescriptionConfirmsAreMarked) {
    for (const char* code : {"0232", "0233", "0234", "0235"})
        EXPECT_EQ(formNote(code), kFormUnconfirmed) << code;
}

}  // namespace
}  // namespace brontaxe
