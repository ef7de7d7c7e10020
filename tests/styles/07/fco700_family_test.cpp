// The ready-glued family, one table: every code at 400 x 300 x 200 on the start-up values (no
// allowances, glue flap 36, slots 8), its overall reach worked out by hand, a sound outline,
// and the crash-lock folds or the glued tray corners it must show. Then the point-table case
// 0701 against levels computed by hand, and what the family refuses.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "board/allowance_lookup.h"
#include "builders/emit.h"
#include "platform/errors.h"
#include "styles/07/fco700.h"
#include "styles/07/fco700_point_table.h"
#include "styles/generators.h"
#include "support/outline.h"
#include "support/shipped_tables.h"
#include "support/style_fixture.h"
#include "support/style_run.h"

namespace brontaxe {
namespace fco700_family_test {
namespace {

// What tells the blank's construction apart.
enum class Build {
    CrashLock,   // a body with a crash-lock bottom below y = 0 - h
    PointTable,  // 0701, 0711: drawn from y = 0 up
    Tray,        // glued-corner tray centred on its base
};

struct Case {
    const char* code;
    Build build;
    double xmin, xmax, ymin, ymax;  // overall reach
    int perforations = 0;
    // Without allowances the lid hinge sits on the body's top edge and shares its first few
    // millimetres with the glue flap's slot, a trait of the lidded body half.
    bool liplessLid = false;
};

// Body: panels from 36 to 1436, h = 100; crash-lock bottom 150 + 12 below it. Tops: regular
// flaps 150, full overlap 300, centre special 200 on the width panels, overlapping
// (300 + 30) / 2 = 165, short flaps hrabat 50, lid 300 + tuck-in 30, rim 3 + 30.
// Point tables: 0701's lock flap the full width 300, 0711's as deep as its glued tabs, flap
// 150 + overlap 30 - 5; body 200, top flaps 150.
// Trays: base 400 x 300 centred, walls 200; doubled walls add 200; a lid 303 deep + tuck-in 30.
const Case kCases[] = {
    {"0700", Build::CrashLock, 0, 1436, -262, 100},
    {"0703", Build::CrashLock, 0, 1436, -262, 400},
    {"0712", Build::CrashLock, 0, 1436, -262, 250},
    {"0713", Build::CrashLock, 0, 1436, -262, 430, 0, true},
    // Its full telescope lid, a base 412 x 309 with walls and flaps 203, 5 right of half a
    // chain spacing past the body's chains (which reach 1582.48): over the body's outside
    // (406 with the glue flap's board x 303) with the lid's play, 3 each way.
    {"0714", Build::CrashLock, 0, 1582.48 + 146.48 / 2 + 5 + 2 * (206 + 203), -357.5, 357.5},
    {"0747", Build::CrashLock, 0, 1436, -262, 300},
    {"0748", Build::CrashLock, 0, 1436, -262, 265},
    {"0751", Build::CrashLock, 0, 1436, -262, 430, 0, true},
    {"0752", Build::CrashLock, 0, 1436, -262, 150},
    {"0770", Build::CrashLock, 0, 1436, -262, 100},
    {"0771", Build::CrashLock, 0, 1436, -262, 250, 1},
    {"0701", Build::PointTable, 0, 1436, 0, 300 + 200 + 150},
    {"0711", Build::PointTable, 0, 1436, 0, 175 + 200 + 150},
    {"0718", Build::Tray, -400, 400, -350, 350},
    {"0715", Build::Tray, -400, 400, -550, 550},
    {"0716", Build::Tray, -400, 400, -350, 350 + 303 + 30},
    {"0717", Build::Tray, -600, 600, -550, 550},
    {"0759", Build::Tray, -400, 400, -350, 350},
    {"0760", Build::Tray, -400, 400, -350, 350 + 303 + 30},
    {"0761", Build::Tray, -600, 600, -350, 350 + 303 + 30},
};

// Creases at 45° (within 3 %: the point table starts its folds from the tabs' corners).
int diagonalCreases(const Drawing& d) {
    int n = 0;
    for (const auto& l : test::linesOfKind(d, kind::Crease)) {
        const double dx = std::abs(l.b.x - l.a.x), dy = std::abs(l.b.y - l.a.y);
        if (dx > 1 && std::abs(dx - dy) < 0.03 * dx)
            ++n;
    }
    return n;
}

class GluedFamily : public ::testing::TestWithParam<Case> {};

TEST_P(GluedFamily, ReachesWhereItsConstructionSaysWithASoundOutline) {
    const Case& c = GetParam();
    test::Generated g;
    const Generator generate = findGenerator(c.code);
    ASSERT_NE(generate, nullptr);
    generate(g.m, g.d);
    const Box box = g.d.extents();
    EXPECT_NEAR(box.xmin, c.xmin, 1e-2);
    EXPECT_NEAR(box.xmax, c.xmax, 1e-2);
    EXPECT_NEAR(box.ymin, c.ymin, 1e-2);
    EXPECT_NEAR(box.ymax, c.ymax, 1e-2);
    EXPECT_FALSE(g.d.isEditing());
    EXPECT_EQ(g.d.tracer().count(), g.d.ElementCount());
    EXPECT_TRUE(test::cutOutlineIsClosedOrEndsOnFolds(g.d));
    if (!c.liplessLid) {
        EXPECT_TRUE(test::noLineDrawnTwice(g.d));
    }
    const auto tears = test::linesOfKind(g.d, kind::Perforation);
    EXPECT_EQ(tears.size(), static_cast<std::size_t>(c.perforations));
    // 0771's tear line a third of the body (200) below the top fold, from the glue flap's
    // free edge to the last panel's.
    for (const LineShape& l : tears) {
        EXPECT_NEAR(l.a.y, 100 - 200.0 / 3, 1e-3) << c.code;
        EXPECT_NEAR(std::min(l.a.x, l.b.x), 0, 1e-3) << c.code;
        EXPECT_NEAR(std::max(l.a.x, l.b.x), 1436, 1e-3) << c.code;
    }
    // Dimension lines stand clear of the blank, none across its flaps. 0714's lid, beside the
    // body, is dimensioned across its base as the telescope trays are: the body alone here.
    const auto besideTheBody = [&](Point p) {
        return c.code == std::string_view("0714") && p.x > 1650;
    };
    Box cuts;
    for (const LineShape& l : test::linesOfKind(g.d, kind::Cut)) {
        if (besideTheBody(l.a))
            continue;
        cuts.add(l.a);
        cuts.add(l.b);
    }
    for (const DimensionShape& dim : test::dimensions(g.d)) {
        if (besideTheBody(dim.p1))
            continue;
        const bool across = areNear(dim.p1.y, dim.p2.y)
                                ? dim.p1.y > cuts.ymin + 1e-3 && dim.p1.y < cuts.ymax - 1e-3
                                : dim.p1.x > cuts.xmin + 1e-3 && dim.p1.x < cuts.xmax - 1e-3;
        EXPECT_FALSE(across) << c.code << " dimension from (" << dim.p1.x << ", " << dim.p1.y
                             << ") to (" << dim.p2.x << ", " << dim.p2.y << ")";
    }
    EXPECT_FALSE(test::dimensions(g.d).empty());
    // The glued folds: two in a crash-lock bottom, one in each corner of a tray.
    EXPECT_EQ(diagonalCreases(g.d), c.build == Build::Tray ? 4 : 2);
}

INSTANTIATE_TEST_SUITE_P(Codes, GluedFamily, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.code); });

// A fresh install draws every glued style with allowances of its own, thickness-based.
TEST(GluedFamilyTables, EveryCodeHasShippedAllowancesInEveryGrade) {
    const BoardTables tables = test::shippedTables();
    for (const Case& c : kCases) {
        const auto code = static_cast<std::int16_t>(std::stoi(c.code));
        for (int n = 1; n <= tables.grades().count(); ++n) {
            ASSERT_TRUE(tables.hasAllowances(code, static_cast<std::int16_t>(n))) << c.code;
            const float t = tables.gradeThickness(n);
            const AllowanceValues a = test::shippedAllowances(tables, code, n);
            // Every blank grows with the board: base or panels, and height.
            EXPECT_GT(a[2], 0) << c.code;
            EXPECT_LE(a[2], 2 * t) << c.code;
            EXPECT_GT(a[5] + a[6], 0) << c.code;
        }
    }
}

// The glued cases are all one piece: the bottom's flaps are glued across the corners.
TEST(GluedCases, RefuseTwoAndFourPieceBoxes) {
    for (const char* code : {"0700", "0712", "0713", "0771"}) {
        test::Generated g;
        g.m.CaisseEn2 = true;
        EXPECT_THROW(findGenerator(code)(g.m, g.d), GenerationError) << code;
        EXPECT_FALSE(g.d.isEditing());
    }
}

TEST(GluedCases, GlueFlapOnTheWidthPanelPutsAWidthPanelFirst) {
    test::Generated g;
    g.m.pattesurtete = true;
    Fco0712(g.m, g.d);
    EXPECT_EQ(g.m.PassesMachine[1], 300);
    EXPECT_EQ(g.m.PassesMachine[2], 400);
    EXPECT_TRUE(test::cutOutlineIsClosedOrEndsOnFolds(g.d));

    // 0713 hangs its glue flap after panel 4 on both halves.
    test::Generated lid;
    lid.m.pattesurtete = true;
    Fco0713(lid.m, lid.d);
    EXPECT_NEAR(lid.d.extents().xmax, 36 + 1400 + 36, 1e-2);
    EXPECT_TRUE(test::cutOutlineIsClosedOrEndsOnFolds(lid.d));
}

TEST(GluedCases, HandHolesOnTheOpenCaseOnlyWhenChosen) {
    test::Generated plain, holes;
    holes.m.OptionPoign = 1;
    Fco0700(plain.m, plain.d);
    Fco0700(holes.m, holes.d);
    // Two holes, each two straight edges and two round ends.
    EXPECT_EQ(test::arcsOfKind(holes.d, kind::Cut).size(),
              test::arcsOfKind(plain.d, kind::Cut).size() + 4);
}

// 0701 worked by hand for 400 x 300 x 200, no allowances, glue flap 36, slot 8, offset 0,
// overlap 30: panels 400, 300, 400, 300, body 200, flaps round(149.9) = 150.
TEST(Fco0701, LevelsOfTheWorkedCase) {
    test::Generated g;
    const LockTable t = lockTable(g.m, LockVariant::Fco0701);
    // Glue-flap crease and panel boundaries.
    EXPECT_FLOAT_EQ(t.x.glueFold, 36);
    EXPECT_FLOAT_EQ(t.x.fold12, 436);
    EXPECT_FLOAT_EQ(t.x.fold23, 736);
    EXPECT_FLOAT_EQ(t.x.fold34, 1136);
    EXPECT_FLOAT_EQ(t.x.rightEdge, 1436);
    // Bottom crease one width up, top crease a body height above it, top flap 150.
    EXPECT_FLOAT_EQ(t.y.bottomFold, 300);
    EXPECT_FLOAT_EQ(t.y.topFold, 500);
    EXPECT_FLOAT_EQ(t.y.topEdge, 650);
    // Lock flap 150 deep, glue tab 30 below it; the lock 14.5 under the bottom crease.
    EXPECT_FLOAT_EQ(t.y.flapEdge, 150);
    EXPECT_FLOAT_EQ(t.y.tabEdge, 120);
    EXPECT_FLOAT_EQ(t.y.hookThroat, 285.5);
    // Slots 8 wide centred on the creases (n = 4), glued tabs 150 into panels 2 and 3.
    EXPECT_FLOAT_EQ(t.x.slot1Left, 432);
    EXPECT_FLOAT_EQ(t.x.slot1Right, 440);
    EXPECT_FLOAT_EQ(t.x.flap2Corner, 586);
    EXPECT_FLOAT_EQ(t.x.flap3Corner, 986);
    // The lock geometry from n: s = 4 / sin 32.5, q1 = s cos 77.5, q2 = s sin 77.5,
    // r = (14.5 + q2 - 2 - 4 - q1) / 2.
    const double s = 4 / std::sin(32.5 * M_PI / 180);
    const double q1 = s * std::cos(77.5 * M_PI / 180), q2 = s * std::sin(77.5 * M_PI / 180);
    const double r = (14.5 + q2 - 2 - 4 - q1) / 2;
    EXPECT_NEAR(t.x.notch1, 436 - q1, 1e-3);
    EXPECT_NEAR(t.y.hookTip, 285.5 + r, 1e-3);
    EXPECT_NEAR(t.y.notchApex, 300 + q2 - 2, 1e-3);
    EXPECT_NEAR(t.x.lockFoldFoot, 436 - 300 * std::tan(15 * M_PI / 180), 1e-3);
}

TEST(Fco0701, DrawsAClosedBlankWithItsTopSlotsAndDimensions) {
    test::Generated g;
    Fco0701(g.m, g.d);
    EXPECT_TRUE(test::cutOutlineIsClosed(g.d));
    EXPECT_EQ(test::arcsOfKind(g.d, kind::Cut).size(), 3u + 5);  // slot ends and fillets
    EXPECT_EQ(test::dimensions(g.d).size(), 10u);
    EXPECT_TRUE(test::hasDimension(g.d, {0, -75}, {36, -75}));
    EXPECT_TRUE(test::hasDimension(g.d, {1516, 300}, {1516, 500}));
}

TEST(Fco0701, ALockTooNarrowForItsTabsIsRefusedInFrench) {
    test::Generated g;
    g.m.Largeur = 60;
    const test::StyleRun run = test::runStyle("0701", g.m, g.d);
    EXPECT_TRUE(test::refusedSaying(run, "Largeur trop petite"));
    EXPECT_EQ(g.d.ElementCount(), 0);
}

TEST(Fco0701, ZeroSlotIsRefusedNotDrawnAsADegenerateLock) {
    test::Generated g;
    g.m.encoche = 0;
    try {
        Fco0701(g.m, g.d);
        FAIL() << "drawn";
    } catch (const GenerationError& e) {
        EXPECT_NE(std::string(e.what()).find("encoche"), std::string::npos);
    }
    EXPECT_EQ(g.d.ElementCount(), 0);
    EXPECT_FALSE(g.d.isEditing());
}

// Nothing of one generation is kept for the next.
TEST(Fco0701, ASecondGenerationDependsOnlyOnItsOwnInputs) {
    test::Generated reused;
    reused.m.Largeur = 500;
    Fco0701(reused.m, reused.d);
    reused.m.Largeur = 200;
    Fco0701(reused.m, reused.d);
    test::Generated fresh;
    fresh.m.Largeur = 200;
    Fco0701(fresh.m, fresh.d);
    ASSERT_EQ(reused.d.ElementCount(), fresh.d.ElementCount());
    EXPECT_EQ(reused.d.elements(), fresh.d.elements());
}

// 0711's own top: a slotted case's flaps over 0701's bottom. With slot halves of 2 and 6 (an
// offset of 2), swapped from one fold to the next, the flaps' edges stand where the slotted
// cases put them; each flap half the width deep, so that the length flaps meet; the slots
// square where 0701 rounds them. With `pattesurtete`, a width panel first; 0701 has no such
// option.
TEST(Fco0711, DrawsTheFlapsOfASlottedCaseOverItsLockedBottom) {
    for (const auto& [onWidth, first] : {std::pair{false, 400.0}, {true, 300.0}}) {
        SCOPED_TRACE(onWidth);
        test::Generated g;
        g.m.pattesurtete = onWidth;
        g.m.decalenc = 2;
        Fco0711(g.m, g.d);
        const LockTable t = lockTable(g.m, LockVariant::Fco0711);
        EXPECT_DOUBLE_EQ(t.x.fold12 - t.x.glueFold, first);
        EXPECT_FLOAT_EQ(lockTable(g.m, LockVariant::Fco0701).x.fold12, 436);
        EXPECT_FLOAT_EQ(2 * (t.y.topEdge - t.y.topFold), 300);
        const float folds[] = {t.x.glueFold, t.x.fold12, t.x.fold23, t.x.fold34, t.x.rightEdge};
        const auto edges = test::horizontalLinesAt(g.d, kind::Cut, t.y.topEdge);
        ASSERT_EQ(edges.size(), 4u);
        for (std::size_t k = 0; k < 4; ++k) {
            const double half = k % 2 == 0 ? 6 : 2;
            EXPECT_NEAR(std::min(edges[k].a.x, edges[k].b.x), folds[k] + half, 1e-3) << k;
            EXPECT_NEAR(std::max(edges[k].a.x, edges[k].b.x), folds[k + 1] - (k < 3 ? half : 0),
                        1e-3)
                << k;
        }
        for (const ArcShape& a : test::arcsOfKind(g.d, kind::Cut))
            EXPECT_LT(a.centre.y, t.y.bottomFold) << "a slot rounded on the top";
        EXPECT_TRUE(test::cutOutlineIsClosedOrEndsOnFolds(g.d));
    }
}

}  // namespace
}  // namespace fco700_family_test
}  // namespace brontaxe
