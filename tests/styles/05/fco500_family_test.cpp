// The slide boxes of the 05 family: each code's blank size and defining feature on the
// start-up values (400 x 300 x 200, board 3 mm, no allowances unless a case sets them), the
// pieces under their flags, and the inner piece sliding in the outer one in every grade.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "board/allowance_lookup.h"
#include "builders/emit.h"
#include "drawing/drawing_dump.h"
#include "styles/05/fco500.h"
#include "styles/05/fco500_sizes.h"
#include "styles/generators.h"
#include "styles/style_rules.h"
#include "support/outline.h"
#include "support/shipped_tables.h"
#include "support/style_case.h"
#include "support/style_fixture.h"
#include "support/style_run.h"
#include "workbench/catalogue.h"

namespace brontaxe {
namespace {

using SlideCase = test::StyleCase;
using Check = test::StyleCheck;
using test::expect;
constexpr auto none = &test::startUpValues;

using test::verticalLinesAt;
// Full-height creases of the piece whose lower edge is at y0, by abscissa.
std::vector<double> foldsAt(const Drawing& d, double y0, double height) {
    std::vector<double> xs;
    for (const auto& l : test::linesOfKind(d, kind::Crease))
        if (areNear(l.a.x, l.b.x) && areNear(std::min(l.a.y, l.b.y), y0, 1e-3) &&
            areNear(std::fabs(l.b.y - l.a.y), height, 1e-3))
            xs.push_back(l.a.x);
    std::sort(xs.begin(), xs.end());
    return xs;
}

Check folds(double y0, double height, std::vector<double> xs, std::size_t dimensions) {
    return [=](const Model&, const Drawing& d) {
        const auto found = foldsAt(d, y0, height);
        return expect(found == xs && test::dimensions(d).size() == dimensions,
                      "folds and dimension count; found " + std::to_string(found.size()) +
                          " folds, " + std::to_string(test::dimensions(d).size()) + " dimensions");
    };
}

struct RingFolds {
    double y0, height;
    std::vector<double> xs;
};

// The outer ring's folds and the inner ring's, each as high as its length.
Check rings(RingFolds outer, RingFolds inner) {
    return [=](const Model&, const Drawing& d) {
        return expect(foldsAt(d, outer.y0, outer.height) == outer.xs &&
                          foldsAt(d, inner.y0, inner.height) == inner.xs,
                      "the outer ring's folds and the inner ring's");
    };
}

const SlideCase kCases[] = {
    // Glue flap 36, panels 400 | 300 | 400 | 300, height 200.
    {"Sleeve0501", &Fco0501, none, 1436, 200, folds(0, 200, {36, 436, 736, 1136}, 9)},
    // The width panel first: W + m1.
    {"Sleeve0501GlueOnWidth", &Fco0501,
     [](Model& m) {
         m.pattesurtete = true;
         m.Majo[1] = 2;
     },
     1438, 200, folds(0, 200, {36, 338, 738, 1038}, 9)},
    {"Sleeve0501Qor", &Fco0501, [](Model& m) { m.Personnalisation = CustomerProfile::Qor; }, 1436,
     200,
     [](const Model&, const Drawing& d) {
         return expect(
             test::hasDimension(d, {36, 100}, {736, 100}) && test::dimensions(d).size() == 10,
             "one more dimension across the first two panels");
     }},
    // Two pieces: the second panel only, its dimension measuring what is drawn.
    {"Sleeve0501FourPiecesAtTheFace", &Fco0501, [](Model& m) { m.CaisseEn4 = 2; }, 336, 200,
     [](const Model&, const Drawing& d) {
         bool measured = false;
         for (const auto& dim : test::dimensions(d))
             measured |= areNear(dim.p1.x, 36, 1e-3) && areNear(dim.p2.x, 336, 1e-3);
         return expect(measured, "the panel drawn (300) is dimensioned");
     }},
    // Each ring wraps the faces its code names: 0502 top, bottom and sides (W | H, L long),
    // 0503 top, bottom and ends (L | H, W long).
    {"Ring0502", &Fco0502, none, 1036, 400, folds(0, 400, {36, 336, 536, 836}, 7)},
    {"Ring0503", &Fco0503, none, 1236, 300, folds(0, 300, {36, 436, 636, 1036}, 7)},
    // Outer rings grown by 2e, the inner ring 5 below: 0504 the walls' ring round 0503's;
    // 0505 0502's round 0503's; 0507 the walls' round 0502's; 0508 0502's round the walls';
    // 0510 0503's round the walls'.
    {"SlidePair0504", &Fco0504, none, 1460, 505,
     [](const Model& m, const Drawing& d) {
         const bool outer = foldsAt(d, 0, 200) == std::vector<double>{36, 442, 748, 1154};
         const bool inner = foldsAt(d, -305, 300) == std::vector<double>{36, 436, 636, 1036};
         return expect(
             outer && inner && test::dimensions(d).size() == 12 && m.PassesMachine[16] == 300,
             "outer sleeve over an inner wrap");
     }},
    {"SlidePair0505", &Fco0505, none, 1236, 705,
     rings({0, 400, {36, 342, 548, 854}}, {-305, 300, {36, 436, 636, 1036}})},
    {"SlidePair0507GlueOnWidth", &Fco0507, [](Model& m) { m.pattesurtete = true; }, 1460, 605,
     rings({0, 200, {36, 342, 748, 1054}}, {-405, 400, {36, 236, 536, 736}})},
    {"SlidePair0508", &Fco0508, none, 1436, 605,
     rings({0, 400, {36, 342, 548, 854}}, {-205, 200, {36, 436, 736, 1136}})},
    {"SlidePair0510KeepsTheLengthFirst", &Fco0510, [](Model& m) { m.pattesurtete = true; }, 1436,
     505, rings({0, 300, {36, 442, 648, 1054}}, {-205, 200, {36, 436, 736, 1136}})},
    // Drawer: lining 30 | end wall 200 | bottom 400 | ...; side walls 200 on a bottom 300.
    // Each drawer with the 0502 ring it slides in (306 | 206, 400 long) on its right, clear of
    // its dimensions (three spacings of (860 + 700) / 25) and `EspPoseX` (5).
    {"GluedDrawer0511", &Fco0511, none, 860 + 3 * 62.4 + 5 + 1060, 700,
     [](const Model&, const Drawing& d) {
         return expect(verticalLinesAt(d, kind::Cut, 236).size() == 2 &&
                           verticalLinesAt(d, kind::Crease, 400).size() == 2,
                       "glue flaps 36 wide on the side walls, lining folds at the end walls");
     }},
    {"SlottedDrawer0512", &Fco0512, none, 800 + 3 * 60 + 5 + 1060, 700,
     [](const Model&, const Drawing& d) {
         // Slots 8 wide centred on x = +-200; corner flaps 197 deep (half length less e).
         return expect(verticalLinesAt(d, kind::Cut, 196).size() == 2 &&
                           verticalLinesAt(d, kind::Cut, 204).size() == 2 &&
                           test::horizontalLinesAt(d, kind::Cut, 347).size() == 2 &&
                           foldsAt(d, -350, 400) == std::vector<double>{621, 927, 1133, 1439},
                       "slotted corner flaps, and the sleeve");
     }},
    // Strip 300 wide: 198.5 | 200 | 400 | 200 | 198.5; the sleeve right of it (406 | 306).
    {"StripAndSleeve0509", &Fco0509, none, 300 + 5 + 1497.0 / 15 + 1460, 1197,
     [](const Model& m, const Drawing& d) {
         return expect(test::horizontalLinesAt(d, kind::Crease, 198.5).size() == 1 &&
                           test::horizontalLinesAt(d, kind::Crease, 998.5).size() == 1 &&
                           m.PassesMachine[1] == 406 && m.PassesMachine[16] == 203,
                       "strip creases and a sleeve with its default allowances");
     }},
};

class Slides : public ::testing::TestWithParam<SlideCase> {};

TEST_P(Slides, DrawTheirStyleWithAClosedOutline) {
    test::expectSoundBlank(GetParam(), /*clean=*/true);
}

INSTANTIATE_TEST_SUITE_P(Fco05, Slides, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The codes that draw two pieces, and the flag of each piece.
constexpr const char* kTwoPieceCodes[] = {"0504", "0505", "0507", "0508",
                                          "0509", "0510", "0511", "0512"};

TEST(Fco05Pieces, EachPieceIsDrawnOnlyUnderItsFlagAndKeepsItsPlace) {
    for (const char* code : kTwoPieceCodes) {
        test::Generated both, outerOnly, innerOnly;
        outerOnly.m.AfficheMorceau = {1, 1, 1, 0, 1};
        innerOnly.m.AfficheMorceau = {1, 0, 1, 1, 1};
        Generator generate = findGenerator(code);
        generate(both.m, both.d);
        generate(outerOnly.m, outerOnly.d);
        generate(innerOnly.m, innerOnly.d);
        const Box all = both.d.extents(), outer = outerOnly.d.extents(),
                  inner = innerOnly.d.extents();
        ASSERT_FALSE(outer.empty || inner.empty) << code;
        // Side by side or one above the other, never overlapping, inside the whole.
        const bool apart = outer.xmin >= inner.xmax || inner.xmin >= outer.xmax ||
                           outer.ymin >= inner.ymax || inner.ymin >= outer.ymax;
        EXPECT_TRUE(apart) << code;
        Box joined = outer;
        joined.add(inner);
        EXPECT_NEAR(joined.xmin, all.xmin, 1e-3) << code;
        EXPECT_NEAR(joined.ymax, all.ymax, 1e-3) << code;
        EXPECT_NEAR(joined.width(), all.width(), 1e-3) << code;
        EXPECT_NEAR(joined.height(), all.height(), 1e-3) << code;
    }
}

TEST(Fco05Pieces, TheInnerWrapIsPieceTwoIn3DModeExceptIn0508) {
    for (const char* code : {"0504", "0508"}) {
        test::Generated g;
        g.m.Mode3D = true;
        findGenerator(code)(g.m, g.d);
        int second = 0;
        for (const Element& e : g.d.elements())
            second += e.piece == 2 ? 1 : 0;
        EXPECT_EQ(second > 0, std::string(code) == "0504") << code;
    }
}

TEST(Fco05Pieces, SleevesInTwoOrFourPiecesAreDrawnCleanInEveryShippedGrade) {
    const BoardTables tables = test::shippedTables();
    for (const char* code : {"0501", "0502", "0503"})
        for (std::int16_t en4 = 0; en4 <= 4; ++en4)
            for (int grade = 1; grade <= tables.grades().count(); ++grade) {
                test::Generated g;
                lookUpAllowances(g.m, tables, code, grade);
                g.m.CaisseEn2 = true;
                g.m.CaisseEn4 = en4;
                const test::StyleRun run = test::runStyle(code, g.m, g.d);
                EXPECT_TRUE(test::drawnClean(run))
                    << code << " pieces " << en4 << " grade " << grade;
                // One panel in four pieces, two in two; a glue flap unless piece 3.
                const std::size_t panels = en4 == 0 ? 2 : 1;
                EXPECT_EQ(test::dimensions(g.d).size(),
                          panels + 2 + (en4 != 3 ? 1 : 0) +
                              (std::string(code) == "0501" && en4 != 3 ? 2 : 0))
                    << code << " pieces " << en4;
            }
}

TEST(Fco05Fit, AnInnerWrapTooLongOrASleeveTooNarrowIsRefused) {
    struct Case {
        const char* code;
        std::size_t allowance;
        float value;
    };
    // m5 may reach m2 + e (3 mm here); the 0509 sleeve needs m11 >= m5 + 2e, m12 >= m1 + e.
    for (const Case& c :
         {Case{"0504", 5, 3.5f}, Case{"0510", 5, 4}, Case{"0509", 11, 5}, Case{"0509", 14, 2}}) {
        test::Generated g;
        g.m.Majo[c.allowance] = c.value;
        const auto refusal = domainRefusal(c.code, g.m);
        ASSERT_TRUE(refusal.has_value()) << c.code << " m" << c.allowance;
        EXPECT_NE(refusal->find("ne passe pas"), std::string::npos) << *refusal;

        test::Generated fits;
        fits.m.Majo[c.allowance] = c.allowance == 5 ? 3 : c.allowance == 11 ? 6 : 3;
        EXPECT_FALSE(domainRefusal(c.code, fits.m).has_value()) << c.code;
    }
}

TEST(Fco0509, AllowancesOfNoValueTakeTheSleevesDefaultsAndOthersAreKept) {
    test::Generated g;
    g.m.Majo[5] = 4;
    g.m.Majo[13] = 12;
    const StripAndSleeve s = strip0509(g.m);
    EXPECT_FLOAT_EQ(s.sleeve.p[0], 400 + 4 + 6);  // m5 + 2e
    EXPECT_FLOAT_EQ(s.sleeve.p[1], 300 + 6);      // m1 + 2e
    EXPECT_FLOAT_EQ(s.sleeve.p[2], 412);          // m13 as given
    EXPECT_FLOAT_EQ(s.sleeve.h, 203);             // m2 + e
    EXPECT_FLOAT_EQ(s.segments[0], 202 - 1.5f);   // half of L + m5, less e/2
}

TEST(Fco0509, TheUsersCreaseListIsLeftAsTyped) {
    test::Generated g;
    g.m.ListeFoulages = "100+50";
    Fco0509(g.m, g.d);
    EXPECT_EQ(g.m.ListeFoulages, "100+50");
    EXPECT_EQ(test::horizontalLinesAt(g.d, kind::Crease, 398.5).size(), 1u);
}

}  // namespace
}  // namespace brontaxe
