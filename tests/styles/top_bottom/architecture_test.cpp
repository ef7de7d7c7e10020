// Top and bottom boxes: every pair of accepted closures drawn clean in the thinnest and the
// thickest grade, the lid alone and the bottom alone, the closures that are dropped, the
// chooser's list entries, and the combination typed in the code box.

#include "styles/top_bottom/architecture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/allowance_lookup.h"
#include "builders/emit.h"
#include "styles/generators.h"
#include "support/outline.h"
#include "support/shipped_tables.h"
#include "support/style_fixture.h"
#include "support/style_run.h"
#include "support/temp_dir.h"
#include "workbench/workbench.h"

namespace brontaxe {
namespace {

const std::vector<std::int16_t> kClosures = {201, 202, 203, 204, 205, 206, 208, 209,
                                             210, 211, 216, 232, 233, 700, 711};

std::string codeOf(std::int16_t top, std::int16_t bottom) {
    return "0" + std::to_string(top) + "/0" + std::to_string(bottom);
}

// The box the window draws for the two closures in a grade, from the shipped tables.
test::StyleRun combined(const BoardTables& tables, test::Generated& g, std::int16_t top,
                        std::int16_t bottom, int grade) {
    g.m.TypeDessus = top;
    g.m.TypeDessous = bottom;
    lookUpAllowances(g.m, tables, codeOf(top, bottom), grade);
    return test::runStyle(kCombinedGenerator, g.m, g.d);
}

struct Pair {
    std::int16_t top, bottom;
};

std::vector<Pair> everyPair() {
    std::vector<Pair> pairs;
    for (std::int16_t top : kClosures)
        for (std::int16_t bottom : kClosures)
            pairs.push_back({top, bottom});
    // A lid alone and a bottom alone.
    for (std::int16_t c : kClosures) {
        pairs.push_back({c, 0});
        pairs.push_back({0, c});
    }
    return pairs;
}

class EveryPair : public ::testing::TestWithParam<Pair> {};

TEST_P(EveryPair, IsDrawnCleanInTheThinnestAndThickestGrade) {
    const Pair& p = GetParam();
    const BoardTables tables = test::shippedTables();
    for (int grade : {3, 5}) {
        test::Generated g;
        EXPECT_TRUE(test::drawnClean(combined(tables, g, p.top, p.bottom, grade))) << grade;
        EXPECT_FALSE(g.d.isEditing());
        EXPECT_EQ(g.d.tracer().count(), g.d.ElementCount());
        EXPECT_FLOAT_EQ(g.m.Hauteur, 200);  // the doubled height of a single half is put back
        EXPECT_EQ(g.m.TypeDessus, p.top);
        EXPECT_EQ(g.m.TypeDessous, p.bottom);
        // The top stands above the mid-line, the bottom hangs below it.
        const Box box = g.d.extents();
        EXPECT_EQ(box.ymax > 1, p.top != 0);
        EXPECT_EQ(box.ymin < -1, p.bottom != 0);
        EXPECT_FALSE(test::dimensions(g.d).empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Closures, EveryPair, ::testing::ValuesIn(everyPair()),
                         [](const auto& info) {
                             return "Top" + std::to_string(info.param.top) + "Bottom" +
                                    std::to_string(info.param.bottom);
                         });

// Start-up values: 400 x 300 x 200, no allowances but those set here, glue flap 36.
TEST(TopAndBottom, RegularTopOverAutomaticBottomHasABodyOfTheHeight) {
    test::Generated g;
    g.m.Majo[5] = 6;
    g.m.TypeDessus = 201;
    g.m.TypeDessous = 711;
    Architecture(g.m, g.d);
    // Two halves of H/2 + m5/2 = 103 either side of the mid-line, the body's creases there.
    EXPECT_FALSE(test::horizontalLinesAt(g.d, kind::Crease, 103).empty());
    EXPECT_FALSE(test::horizontalLinesAt(g.d, kind::Crease, -103).empty());
    EXPECT_NEAR(g.d.extents().ymax, 103 + 150, 1e-3);  // flaps of half the width
    EXPECT_TRUE(test::hasDimension(g.d, {1436 + 1436 / 25.0, -103}, {1436 + 1436 / 25.0, 103}, 50));
}

TEST(TopAndBottom, ALidAloneCarriesTheWholeHeightRoundedAndIsCutAlongTheMidLine) {
    test::Generated g;
    g.m.Majo[5] = 5;
    g.m.TypeDessus = 201;
    g.m.TypeDessous = 0;
    Architecture(g.m, g.d);
    // 2 x 200 / 2 + 5 / 2 = 202.5, to the whole millimetre: 203.
    EXPECT_FALSE(test::horizontalLinesAt(g.d, kind::Crease, 203).empty());
    EXPECT_NEAR(g.d.extents().ymin, 0, 1e-3);
    const auto cuts = test::horizontalLinesAt(g.d, kind::Cut, 0);
    ASSERT_FALSE(cuts.empty());
    EXPECT_NEAR(cuts.front().a.x, 0, 1e-3);
    EXPECT_NEAR(cuts.front().b.x, 1436, 1e-3);
    EXPECT_FLOAT_EQ(g.m.Hauteur, 200);

    // The bottom alone hangs below the same cut.
    test::Generated bottom;
    bottom.m.TypeDessus = 0;
    bottom.m.TypeDessous = 203;
    Architecture(bottom.m, bottom.d);
    EXPECT_NEAR(bottom.d.extents().ymax, 0, 1e-3);
    EXPECT_NEAR(bottom.d.extents().ymin, -(200 + 300), 1e-3);
}

TEST(TopAndBottom, AClosureNoHalfIsBuiltWithIsDroppedAndForgotten) {
    test::Generated g;
    g.m.TypeDessus = 207;
    g.m.TypeDessous = 201;
    g.m.GenEnCours = true;
    Architecture(g.m, g.d);
    EXPECT_EQ(g.m.TypeDessus, 0);
    EXPECT_EQ(g.m.TypeDessous, 201);
    EXPECT_FALSE(g.m.GenEnCours);
    EXPECT_NEAR(g.d.extents().ymax, 0, 1e-3);  // only the bottom, open along the mid-line
    EXPECT_LT(g.d.extents().ymin, -100);
    EXPECT_TRUE(test::cutOutlineIsClosed(g.d));
    EXPECT_TRUE(test::dimensions(g.d).empty());

    for (std::int16_t dropped : {199, 207, 212, 231, 234, 699, 701, 710, 712}) {
        test::Generated both;
        both.m.TypeDessus = 201;
        both.m.TypeDessous = dropped;
        Architecture(both.m, both.d);
        EXPECT_EQ(both.m.TypeDessous, 0) << dropped;
        EXPECT_FALSE(closureAccepted(dropped)) << dropped;
    }
    test::Generated none;
    none.m.TypeDessus = 0;
    none.m.TypeDessous = 0;
    Architecture(none.m, none.d);
    EXPECT_EQ(none.d.ElementCount(), 0);
}

TEST(TopAndBottom, ListEntriesStandForTheirClosures) {
    EXPECT_EQ(closureOfEntry(11), 711);
    EXPECT_EQ(closureEntries()[11].bottomText, "711 (auto)");
    EXPECT_EQ(closureOfEntry(10), 216);
    EXPECT_EQ(closureEntries()[10].bottomText, "216 (semi-auto)");
    EXPECT_EQ(closureEntries()[10].topText, "216 ( semi-auto)");
    EXPECT_EQ(closureOfEntry(0), 201);
    EXPECT_EQ(closureOfEntry(-1), 201);
    EXPECT_EQ(closureOfEntry(14), 201);
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(entryOfClosure(closureOfEntry(i)), i);
    EXPECT_EQ(entryOfClosure(207), -1);
}

TEST(TopAndBottom, HalvesRefuseWhatTheirStyleRefuses) {
    test::Generated g;
    g.m.TypeDessus = 210;
    g.m.TypeDessous = 201;
    g.m.pattesurtete = true;
    const auto refusal = architectureRule(g.m);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_NE(refusal->find("couvercle 0210"), std::string::npos);
    // 0201 folds its flaps across the length: a width above the length is refused.
    test::Generated wide;
    wide.m.TypeDessus = 233;
    wide.m.TypeDessous = 201;
    wide.m.Largeur = 500;
    EXPECT_TRUE(domainRefusal(kCombinedGenerator, wide.m).has_value());
}

// Typed in the code box, the combination sets both closures, moves to the 02 list's last
// entry and draws.
TEST(TopAndBottom, TypedInTheCodeBox) {
    test::TempDir dir;
    Workbench wb(platform::PrivateProfile(dir.path()));
    wb.startUp();
    wb.window().codeText = "201/711";
    const RegenerationReport report = wb.codeBoxLeft();
    EXPECT_TRUE(report.drawn) << report.message;
    EXPECT_EQ(wb.window().codeText, "0201/711");  // a zero in front of the whole text only
    EXPECT_EQ(wb.model().TypeDessus, 201);
    EXPECT_EQ(wb.model().TypeDessous, 711);
    EXPECT_EQ(wb.window().familyNumber, 1);
    EXPECT_TRUE(wb.isDrawn("0201/0711"));
    EXPECT_TRUE(wb.isDrawn(std::string(kTopBottomEntry)));
    EXPECT_LT(wb.drawing().extents().ymin, -200);  // the crash-lock bottom
}

}  // namespace
}  // namespace brontaxe
