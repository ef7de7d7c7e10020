// The interior fittings, one table: every creased strip at 400 x 300 x 200, board 3 mm and
// allowances 3, 4, 1.5, 5, 6, 7, 8, 9, in the default profile and the VEM and TREMALUXE ones,
// its crease list and strip worked out by hand. Then the pads, the strip with half-cut lines,
// the cross divider and the shipped allowances.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "board/allowance_lookup.h"
#include "builders/emit.h"
#include "check/design_check.h"
#include "platform/errors.h"
#include "styles/09/fco900.h"
#include "styles/generators.h"
#include "support/outline.h"
#include "support/shipped_tables.h"
#include "support/style_fixture.h"
#include "support/style_run.h"
#include "support/temp_dir.h"
#include "workbench/workbench.h"

namespace brontaxe {
namespace {

test::Generated worked(const char* profile = "") {
    test::Generated g;
    g.m.EpaisseurCarton = 3;
    const float allowances[] = {3, 4, 1.5, 5, 6, 7, 8, 9};
    for (std::size_t i = 0; i < 8; ++i)
        g.m.Majo[i + 1] = allowances[i];
    g.m.Personnalisation = ProfileChoice::parse(profile);
    return g;
}

struct StripCase {
    const char* code;
    const char* profile;
    float length;
    const char* list;  // as left in ListeFoulages
};

// Default: grown by m1 inside (0914 Int: H + m1 + m3, 2 m1 + W + m3, ...), shrunk by m2
// outside. Profiles: each panel plus its own allowance, the length plus the last.
const StripCase kStrips[] = {
    {"0914 Int", "", 400, "204.5+307.5+206+306+203/"},
    {"0914 Ext", "", 400, "196+292+192+290.5+194.5/"},
    {"0920 Ext", "", 400, "194.5+142+192+292+192+142+194.5/"},
    {"0951", "", 400, "203+306+203/"},
    {"0951 Ext", "", 400, "196+292+196/"},
    {"0914 Int", "VEM", 407, "203+304+201.5+305+56/"},  // the last panel on hrabat 50
    {"0914 Int", "TREMALUXE", 407, "203+304+201.5+305+56/"},
    {"0914 Ext", "VEM", 407, "203+304+201.5+305+206/"},
    {"0920 Ext", "TREMALUXE", 409, "203+154+201.5+305+206+157+208/"},
    {"0951", "VEM", 405, "203+304+201.5/"},
    {"0951 Ext", "TREMALUXE", 405, "203+304+201.5/"},
    // A profile the program has no rules for draws as the default.
    {"0914 Int", "VEMX", 400, "204.5+307.5+206+306+203/"},
};

void PrintTo(const StripCase& c, std::ostream* os) {
    *os << c.code << " " << c.profile;
}

std::vector<float> segmentsOf(const std::string& list) {
    std::vector<float> out;
    std::size_t start = 0;
    const std::string across = list.substr(0, list.find('/'));
    while (start <= across.size()) {
        const std::size_t end = std::min(across.find('+', start), across.size());
        out.push_back(std::stof(across.substr(start, end - start)));
        start = end + 1;
    }
    return out;
}

class FittingStrips : public ::testing::TestWithParam<StripCase> {};

TEST_P(FittingStrips, WriteTheirPanelsAndDrawThemAsOneCreasedStrip) {
    const StripCase& c = GetParam();
    test::Generated g = worked(c.profile);
    findGenerator(c.code)(g.m, g.d);
    EXPECT_EQ(g.m.ListeFoulages, c.list);
    EXPECT_FLOAT_EQ(g.m.Largeur, 300);  // the width given to the builder is put back
    EXPECT_FLOAT_EQ(g.m.Longueur, 400);

    const std::vector<float> panels = segmentsOf(c.list);
    float width = 0;
    for (float p : panels)
        width += p;
    const Box box = g.d.extents();
    EXPECT_NEAR(box.width(), c.length, 1e-3);
    EXPECT_NEAR(box.height(), width, 1e-3);
    // A crease at each panel boundary, from edge to edge.
    float y = 0;
    for (std::size_t i = 0; i + 1 < panels.size(); ++i) {
        y += panels[i];
        const auto creases = test::horizontalLinesAt(g.d, kind::Crease, y);
        ASSERT_EQ(creases.size(), 1u) << y;
        EXPECT_NEAR(std::abs(creases[0].b.x - creases[0].a.x), c.length, 1e-3);
    }
    EXPECT_EQ(test::linesOfKind(g.d, kind::Crease).size(), panels.size() - 1);
    EXPECT_TRUE(checkDrawing(g.d).empty()) << findingsText(checkDrawing(g.d));
    EXPECT_FALSE(g.d.isEditing());
}

INSTANTIATE_TEST_SUITE_P(Codes, FittingStrips, ::testing::ValuesIn(kStrips));

TEST(FittingsFamily, EveryCodeHasShippedAllowancesInEveryGrade) {
    const BoardTables tables = test::shippedTables();
    for (std::int16_t code : {901, 902, 914, 920, 933, 951, 969, 990, 991})
        for (int n = 1; n <= tables.grades().count(); ++n)
            EXPECT_TRUE(tables.hasAllowances(code, static_cast<std::int16_t>(n)))
                << code << " " << n;
    // Liners grow inside and shrink outside by the board's thickness.
    for (std::int16_t code : {914, 920, 951})
        for (int n = 1; n <= tables.grades().count(); ++n) {
            const AllowanceValues a = test::shippedAllowances(tables, code, n);
            EXPECT_EQ(a[1], tables.gradeThickness(n)) << code;
            EXPECT_EQ(a[2], tables.gradeThickness(n)) << code;
        }
}

// The pad with the list as typed: the normalisation makes the last panel what the width leaves.
TEST(Pads, TheTypedListIsCompletedToTheWidth) {
    test::Generated g;
    g.m.ListeFoulages = "100+100";
    Fco0901(g.m, g.d);
    EXPECT_EQ(g.m.ListeFoulages, "100+200/");
    EXPECT_EQ(test::horizontalLinesAt(g.d, kind::Crease, 100).size(), 1u);
    EXPECT_EQ(test::linesOfKind(g.d, kind::Crease).size(), 1u);
}

TEST(Pads, TheSecondPadIsTheFirstWithLengthAndWidthExchanged) {
    test::Generated first, second;
    first.m.ListeFoulages = second.m.ListeFoulages = "120+1/50+1";
    std::swap(first.m.Longueur, first.m.Largeur);
    Fco0901(first.m, first.d);
    Fco0902(second.m, second.d);
    EXPECT_EQ(second.d.elements(), first.d.elements());
    EXPECT_FLOAT_EQ(second.m.Longueur, 400);
    EXPECT_FLOAT_EQ(second.m.Largeur, 300);
    EXPECT_EQ(second.m.ListeFoulages, "120+280/50+250");
}

TEST(Pads, ARefusedListLeavesNothingDrawnAndTheSizesAsTheyWere) {
    test::Generated g;
    g.m.ListeFoulages = "350+10";  // across the 0902 strip of width 400: fine; 0901's 300: not
    EXPECT_THROW(Fco0901(g.m, g.d), GenerationError);
    EXPECT_FALSE(g.d.isEditing());
    EXPECT_EQ(g.d.ElementCount(), 0);
    EXPECT_EQ(g.m.ListeFoulages, "350+10");
    Fco0902(g.m, g.d);
    EXPECT_EQ(g.m.ListeFoulages, "350+50/");
    EXPECT_FLOAT_EQ(g.m.Longueur, 400);
}

// In the window: the creases box of 0990 drives the pad; an overlong list is said in the
// status and nothing of it is drawn, a good one after it draws again.
TEST(Pads, TheCreasesBoxOfTheWindow) {
    test::TempDir dir;
    Workbench wb(platform::PrivateProfile(dir.path()));
    wb.startUp();
    wb.window().codeText = "990";
    ASSERT_TRUE(wb.codeBoxLeft().drawn);
    EXPECT_TRUE(wb.window().creaseListLayout);
    wb.window().creaseList = "350+10";
    RegenerationReport r = wb.regenerate();
    EXPECT_FALSE(r.drawn);
    EXPECT_NE(r.message.find("Refoulages plus longs que la largeur : 350\u00a0mm pour 300\u00a0mm"),
              std::string::npos)
        << r.message;
    EXPECT_EQ(test::linesOfKind(wb.drawing(), kind::Crease).size(), 0u);
    wb.window().creaseList = "100+100+1/150+1";
    r = wb.regenerate();
    ASSERT_TRUE(r.drawn) << r.message;
    EXPECT_EQ(test::linesOfKind(wb.drawing(), kind::Crease).size(), 3u);
    EXPECT_EQ(wb.model().ListeFoulages, "100+100+100/150+250");
}

TEST(Fittings, PanelsOfNoWidthAreRefusedInFrench) {
    test::Generated g = worked();
    g.m.Hauteur = 4;  // 0914 Ext: H - 2 m2 = -4
    try {
        Fco0914Ext(g.m, g.d);
        FAIL();
    } catch (const GenerationError& e) {
        EXPECT_NE(std::string(e.what()).find("Dimensions trop petites"), std::string::npos);
    }
    EXPECT_EQ(g.d.ElementCount(), 0);
    EXPECT_FLOAT_EQ(g.m.Largeur, 300);
}

// 0969 at 400 x 300 x 200, board 3: N half-cut lines one height apart across a strip
// 2 N H + L + 2 H wide; along it (W + e + s1)/2, s2, W + e, s2, (W + e + s1)/2.
struct HalfCutCase {
    std::int16_t lines;
    float s1, s2;  // the allowances the count takes
    float width;
};

const HalfCutCase kHalfCuts[] = {
    {1, 3, 6, 1200},    // (m1, m4)
    {2, 4, 7, 1600},    // (m2, m5)
    {3, 1.5, 8, 2000},  // (m3, m6)
    {4, 2, 20, 2400},   // fixed
};

TEST(StripWithHalfCuts, FollowsItsCountOfLines) {
    for (const HalfCutCase& c : kHalfCuts) {
        test::Generated g = worked();
        g.m.Majo[4] = 6;
        g.m.Majo[5] = 7;
        g.m.Majo[6] = 8;
        g.m.nbmortaise = c.lines;
        Fco0969(g.m, g.d);
        const float end = (303 + c.s1) / 2;
        const Box box = g.d.extents();
        EXPECT_NEAR(box.width(), 2 * end + 2 * c.s2 + 303, 1e-3) << c.lines;
        EXPECT_NEAR(box.height(), c.width, 1e-3) << c.lines;
        const auto halfCuts = test::linesOfKind(g.d, kind::HalfCut);
        ASSERT_EQ(halfCuts.size(), static_cast<std::size_t>(c.lines));
        for (int i = 1; i <= c.lines; ++i)
            EXPECT_EQ(test::horizontalLinesAt(g.d, kind::HalfCut, 200.0 * i).size(), 1u);
        for (float x : {end, end + c.s2, end + c.s2 + 303, end + 2 * c.s2 + 303})
            EXPECT_EQ(test::verticalLinesAt(g.d, kind::Crease, x).size(), 1u) << x;
        EXPECT_EQ(defectCount(checkDrawing(g.d)), 0u) << findingsText(checkDrawing(g.d));
    }
}

TEST(StripWithHalfCuts, ANullSecondAllowanceTakesTwentyMillimetres) {
    test::Generated g = worked();
    g.m.nbmortaise = 1;
    g.m.Majo[4] = 0;
    Fco0969(g.m, g.d);
    EXPECT_NEAR(g.d.extents().width(), 303 + 3 + 2 * 20 + 303, 1e-3);
}

// The divider set: NbCases by NbCases cells, so NbCases - 1 strips of L by H slotted from
// their top edge "Profondeur" deep (half the height when 0), and as many strips of W by H
// slotted from their bottom edge through the rest; a slot the board's thickness wide between
// two cells.
struct DividerCase {
    const char* name;
    std::int16_t option;  // slot mouth: 0 rounded, 1 chamfered, 2 sharp
    std::int16_t cells;
    float depth;     // CroisPar4
    float slotFoot;  // where the two kinds' slots meet, above the strips' bottom edge
    std::size_t arcs;
};

const DividerCase kDividers[] = {
    {"Rounded", 0, 3, 50, 150, 16},  // two arcs a slot, two slots a strip, four strips
    {"Chamfered", 1, 3, 50, 150, 0},
    {"SharpFourCells", 2, 4, 80, 120, 0},
    {"HalfTheHeightWithoutDepth", 2, 3, 0, 100, 0},
};

void PrintTo(const DividerCase& c, std::ostream* os) {
    *os << c.name;
}

class DividerSets : public ::testing::TestWithParam<DividerCase> {};

TEST_P(DividerSets, HaveStripsAlongTheLengthAndTheWidthThatSlideIntoEachOther) {
    const DividerCase& c = GetParam();
    test::Generated g = worked();
    g.m.OptionCrois = c.option;
    g.m.NbCases = c.cells;
    g.m.CroisPar4 = c.depth;
    Drawing& d = g.d;
    Fco0933(g.m, d);
    EXPECT_EQ(test::arcsOfKind(d, kind::Cut).size(), c.arcs);
    const float gap = 600.0F / 15;
    const int strips = 2 * (c.cells - 1);
    const Box box = d.extents();
    EXPECT_NEAR(box.width(), 400, 1e-3);
    EXPECT_NEAR(box.ymax, 200, 1e-3);
    EXPECT_NEAR(box.ymin, -(strips - 1) * (200 + gap), 1e-3);
    // A slot's end: the thickness wide, centred between two cells.
    const auto slotAt = [&](double x, double y) {
        const auto ends = test::horizontalLinesAt(d, kind::Cut, y);
        return std::any_of(ends.begin(), ends.end(), [&](const auto& l) {
            return std::abs(std::min(l.a.x, l.b.x) - (x - 1.5)) < 1e-3 &&
                   std::abs(std::max(l.a.x, l.b.x) - (x + 1.5)) < 1e-3;
        });
    };
    // An unslotted edge as long as the strip.
    const auto edgeOf = [&](double length, double y) {
        const auto edges = test::horizontalLinesAt(d, kind::Cut, y);
        return std::any_of(edges.begin(), edges.end(), [&](const auto& l) {
            return std::abs(std::abs(l.b.x - l.a.x) - length) < 1e-3;
        });
    };
    for (int row = 0; row < strips; ++row) {
        const bool across = row >= c.cells - 1;
        const double y = -row * (200 + gap);
        const double length = across ? 300 : 400;
        EXPECT_TRUE(edgeOf(length, across ? y + 200 : y)) << row;
        for (int i = 1; i < c.cells; ++i) {
            // Down from the top to the foot on one kind, up from the bottom to it on the other:
            // together the two go through the whole height.
            const double foot = y + c.slotFoot;
            EXPECT_TRUE(slotAt(length * i / c.cells, foot)) << row << " " << i;
        }
    }
    // Chamfered mouths: `CroisPar2` along the edge, down the slot at `CroisPar3` degrees to the
    // edge, on both sides of every slot.
    std::size_t chamfers = 0;
    for (const LineShape& l : test::linesOfKind(d, kind::Cut)) {
        const double dx = std::abs(l.b.x - l.a.x);
        const double dy = std::abs(l.b.y - l.a.y);
        if (dx < 1e-6 || dy < 1e-6)
            continue;
        EXPECT_NEAR(dx, g.m.CroisPar2, 1e-3);
        EXPECT_NEAR(dy, g.m.CroisPar2 * std::tan(g.m.CroisPar3 * std::numbers::pi / 180), 1e-3);
        ++chamfers;
    }
    EXPECT_EQ(chamfers, c.option == 1 ? std::size_t(2 * strips * (c.cells - 1)) : 0u);
    EXPECT_TRUE(test::cutOutlineIsClosed(d));
    EXPECT_EQ(defectCount(checkDrawing(d)), 0u) << findingsText(checkDrawing(d));
}

INSTANTIATE_TEST_SUITE_P(Fco0933, DividerSets, ::testing::ValuesIn(kDividers),
                         [](const auto& info) { return std::string(info.param.name); });

struct DividerRefusal {
    const char* name;
    std::int16_t cells;
    float depth;
    const char* words;
};

const DividerRefusal kDividerRefusals[] = {
    {"OneCellIsNoSet", 1, 50, "au moins 2"},
    {"CellsNarrowerThanTwoBoards", 100, 50, "100 x 100 cases"},  // 4 mm cells in 3 mm board
    {"SlotsThroughTheHeight", 3, 199, "Profondeur de croisillon impossible"},
};

TEST(DividerSets, AreRefusedWhereTheyCannotBeMade) {
    for (const DividerRefusal& c : kDividerRefusals) {
        SCOPED_TRACE(c.name);
        test::Generated g = worked();
        g.m.NbCases = c.cells;
        g.m.CroisPar4 = c.depth;
        EXPECT_TRUE(test::refusedSaying(test::runStyle("0933", g.m, g.d), c.words));
        EXPECT_EQ(g.d.ElementCount(), 0);
    }
}

}  // namespace
}  // namespace brontaxe
