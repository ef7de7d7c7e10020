// The rigid boxes of the 06 family: each code's blank size and defining feature on the
// start-up values (400 x 300 x 200, board 3 mm, hrabat 50, slots 8, no allowances), the body
// and the end pieces under their flags, and the shipped allowances in every grade.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "board/allowance_lookup.h"
#include "builders/emit.h"
#include "drawing/drawing_dump.h"
#include "styles/06/fco600.h"
#include "styles/generators.h"
#include "support/outline.h"
#include "support/shipped_tables.h"
#include "support/style_case.h"
#include "support/style_fixture.h"
#include "support/style_run.h"
#include "workbench/catalogue.h"

namespace brontaxe {
namespace fco600_family_test {
namespace {

using RigidCase = test::StyleCase;
using Check = test::StyleCheck;
using test::expect;
constexpr auto none = &test::startUpValues;

using test::horizontalLinesAt;
using test::verticalLinesAt;
bool hasLine(const Drawing& d, LineKind lineKind, Point a, Point b) {
    for (const auto& l : test::linesOfKind(d, lineKind))
        if ((areNear(l.a, a, 1e-2) && areNear(l.b, b, 1e-2)) ||
            (areNear(l.a, b, 1e-2) && areNear(l.b, a, 1e-2)))
            return true;
    return false;
}

// Total length of the cuts on the vertical x between y0 and y1.
double cutAlong(const Drawing& d, double x, double y0, double y1) {
    double total = 0;
    for (const auto& l : verticalLinesAt(d, kind::Cut, x))
        total += std::max(
            0.0, std::min(std::max(l.a.y, l.b.y), y1) - std::max(std::min(l.a.y, l.b.y), y0));
    return total;
}

const RigidCase kCases[] = {
    // Body 2 x 200 with flaps of 50, rows 50 | 200 | 300 | 200 | 300; end pieces 200 + 50
    // from x0 = 255, mirrored.
    {"BodyAndEnds0601", &Fco0601, none, 1010, 1050,
     [](const Model&, const Drawing& d) {
         return expect(hasLine(d, kind::Crease, {455, 250}, {455, 550}) &&
                           hasLine(d, kind::Crease, {-455, 250}, {-455, 550}) &&
                           hasLine(d, kind::Cut, {250, 54}, {250, 246}) &&
                           test::dimensions(d).size() == 10,
                       "end pieces creased at H5, side flaps set back by 4");
     }},
    // With no set-back the side flaps span their panels whole, one slit between two.
    {"ZeroSetBacks0601", &Fco0601, [](Model& m) { m.encoche = 0; }, 1010, 1050,
     [](const Model&, const Drawing& d) {
         return expect(std::fabs(cutAlong(d, 250, 50, 750) - 700) < 1e-3 &&
                           hasLine(d, kind::Cut, {200, 250}, {250, 250}),
                       "flaps from the end flap's crease to the last wall's top");
     }},
    {"LidOnly0601", &Fco0601,
     [](Model& m) {
         m.AfficheMorceau = {1, 1, 0, 0, 1};
     },
     1010, 300,
     [](const Model&, const Drawing& d) {
         return expect(hasLine(d, kind::Cut, {255, 250}, {255, 550}) && d.extents().xmax > 504,
                       "the end pieces alone, still at a + f + EspPoseX");
     }},
    {"SidesOnly0601", &Fco0601,
     [](Model& m) {
         m.AfficheMorceau = {1, 0, 1, 0, 1};
     },
     500, 1050,
     [](const Model&, const Drawing& d) {
         return expect(test::dimensions(d).size() == 7, "the body's seven dimensions");
     }},
    {"ChamferedEnds0602", &Fco0602, none, 1010, 1050,
     [](const Model&, const Drawing& d) {
         const double drop = 50 * std::tan(toRadians(15));
         return expect(hasLine(d, kind::Cut, {455, 250}, {505, 250 + drop}),
                       "the end flap's ends drop by hrabat tan(anglPc)");
     }},
    // Lid halves 150, walls 200, bottom 300, each wall and the bottom flapped; two end panels
    // 200 x 300 beside the bottom from x0 = 255, nothing hinged to the bottom's ends.
    {"BodyAndTwoEndPanels0606", &Fco0606, none, 910, 1000,
     [](const Model&, const Drawing& d) {
         return expect(hasLine(d, kind::Cut, {455, 350}, {455, 650}) &&
                           hasLine(d, kind::Cut, {-455, 350}, {-455, 650}) &&
                           hasLine(d, kind::Crease, {200, 350}, {200, 650}) &&
                           verticalLinesAt(d, kind::Crease, 255).empty() &&
                           horizontalLinesAt(d, kind::Crease, 150).size() == 2 &&
                           test::dimensions(d).size() == 8,
                       "end panels apart, side flaps on the walls and the bottom, lid halves");
     }},
    // Sleeve 200 | 300 | 200 | 300 by 400; ends 300 wide once turned, two of them.
    {"TurnedEnds0607", &Fco0607, none, 1610, 400,
     [](const Model&, const Drawing& d) {
         return expect(hasLine(d, kind::Crease, {1055, 50}, {1055, 350}) &&
                           hasLine(d, kind::Crease, {1005 + 50, 50}, {1005 + 250, 50}) &&
                           d.extents().xmin == 0,
                       "end pieces flapped on four sides, turned a quarter");
     }},
    {"EndsFlappedOnTheirHeights0615", &Fco0615, none, 1410, 400,
     [](const Model&, const Drawing& d) {
         return expect(hasLine(d, kind::Crease, {1005, 50}, {1205, 50}), "two flaps of 50");
     }},
    {"EndsFlappedOnTheirWidths0616", &Fco0616, none, 1610, 400,
     [](const Model&, const Drawing& d) {
         return expect(hasLine(d, kind::Crease, {1055, 50}, {1055, 350}), "two flaps of 50");
     }},
    {"PanelledEnds0608", &Fco0608, none, 1810, 400,
     [](const Model&, const Drawing& d) {
         return expect(hasLine(d, kind::Crease, {1055, 100}, {1055, 300}) &&
                           hasLine(d, kind::Crease, {1760, 100}, {1760, 300}),
                       "end panels with a side flap each side");
     }},
    {"EndsInTwoLeaves0620", &Fco0620, none, 1820, 400,
     [](const Model&, const Drawing& d) {
         return expect(hasLine(d, kind::Cut, {1205, 100}, {1205, 300}) &&
                           hasLine(d, kind::Crease, {1360, 100}, {1360, 300}),
                       "each end two leaves of half the width");
     }},
    // Front 200, bottom 300 with end walls, back 200, lid 300 with dust flaps, tuck 30.
    {"OnePieceWithTuck0621", &Fco0621, none, 800, 1030,
     [](const Model&, const Drawing& d) {
         return expect(hasLine(d, kind::Cut, {400, 204}, {400, 496}) &&
                           hasLine(d, kind::Cut, {236, 4 + 36 * std::tan(toRadians(15))},
                                   {236, 196 - 36 * std::tan(toRadians(15))}) &&
                           horizontalLinesAt(d, kind::Cut, 1030).size() == 2,
                       "end walls, glue flaps with slanted ends, tuck");
     }},
    {"NoTuck0621", &Fco0621, [](Model& m) { m.hrecouvr = 0; }, 800, 1000,
     [](const Model&, const Drawing& d) {
         return expect(horizontalLinesAt(d, kind::Crease, 1000).empty(),
                       "no crease along the lid's free edge");
     }},
};

class Rigid : public ::testing::TestWithParam<RigidCase> {};

TEST_P(Rigid, DrawTheirStyleWithAClosedOutline) {
    test::expectSoundBlank(GetParam(), /*clean=*/true);
}

INSTANTIATE_TEST_SUITE_P(Fco06, Rigid, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Fco06Pieces, NoBodyAndNoEndsDrawsNothing) {
    for (std::string_view code : generatorCodes()) {
        if (code.substr(0, 2) != "06" || code == "0621")
            continue;  // the one-piece folder has no end pieces
        test::Generated g;
        g.m.AfficheMorceau = {1, 0, 0, 0, 1};
        findGenerator(code)(g.m, g.d);
        EXPECT_EQ(g.d.ElementCount(), 0) << code;
        EXPECT_FALSE(g.d.isEditing()) << code;
    }
}

TEST(Fco06Check, FlapsOfNoWidthAndSlotsWiderThanAWallAreRefused) {
    for (const char* code : {"0601", "0606", "0607", "0621"}) {
        test::Generated g;
        g.m.hrabat = 0;
        const test::StyleRun run = test::runStyle(code, g.m, g.d);
        EXPECT_TRUE(test::refusedSaying(run, "hrabat")) << code;
    }
    test::Generated wide;
    wide.m.encoche = 402;  // set-backs of 201 on walls of 200
    const test::StyleRun run = test::runStyle("0601", wide.m, wide.d);
    EXPECT_TRUE(test::refusedSaying(run, "Encoches trop larges"));
}

}  // namespace
}  // namespace fco600_family_test
}  // namespace brontaxe
