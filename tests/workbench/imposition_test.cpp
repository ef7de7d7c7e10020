#include "workbench/imposition.h"

#include <gtest/gtest.h>

#include "support/style_fixture.h"
#include "workbench/imposition_input.h"

namespace brontaxe {
namespace {

bool mentions(const ImpositionNotices& notices, const std::string& words) {
    for (const auto& n : notices) {
        if (n.find(words) != std::string::npos)
            return true;
    }
    return false;
}

// A measured blank of 400 x 300 with the start-up gaps of 5 and margins of 5 and 15.
Model blank400x300() {
    Model m = test::startupModel();
    m.CodeModele = "0201";
    m.HorsToutX = 400;
    m.HorsToutY = 300;
    return m;
}

TEST(ComputeImposition, SheetModeCountsWithTheWholeNumberDivision) {
    struct Case {
        float sheet;
        bool centre;
        int poses;
    };
    // (sheet - margin x f + gap) \ (400 + 5), operands rounded half to even first.
    const Case cases[] = {
        {1000, false, 2},
        {1000, true, 2},
        {820, false, 2},
        {809, false, 1},
        {809.5f, false, 2},  // 809.5 rounds to 810, which holds two pitches of
                             // 405
        {808.5f, false, 1},  // 808.5 rounds to 808
        {10000, false, 24},
    };
    for (const Case& c : cases) {
        Model m = blank400x300();
        m.ImposManuelle = true;
        m.FmtCartonX = c.sheet;
        m.FmtCartonY = 1000;
        const ImpositionNotices notices = computeImposition(m, ImpositionSettings{true, c.centre});
        EXPECT_EQ(m.NbPoseX, c.poses) << c.sheet << (c.centre ? " centred" : "");
        EXPECT_TRUE(notices.empty()) << c.sheet;
        // Y: 990 \ 305 and, centred, 975 \ 305.
        EXPECT_EQ(m.NbPoseY, 3);
        EXPECT_EQ(m.NbPoses, m.NbPoseX * m.NbPoseY);
    }
}

TEST(ComputeImposition, PoseModeSizesTheSheetAndSheetModeFillsAMissingOne) {
    Model m = blank400x300();
    m.NbPoseX = 3;
    m.NbPoseY = 2;
    computeImposition(m, {true, false});
    EXPECT_FLOAT_EQ(m.FmtCartonX, 1215);
    EXPECT_FLOAT_EQ(m.FmtCartonY, 620);
    EXPECT_EQ(m.NbPoses, 6);
    computeImposition(m, {true, true});
    EXPECT_FLOAT_EQ(m.FmtCartonX, 1220);
    EXPECT_FLOAT_EQ(m.FmtCartonY, 635);

    // A sheet of 0 in sheet mode becomes the blank and two margins: one pose.
    m.ImposManuelle = true;
    m.FmtCartonX = 0;
    computeImposition(m, {false, false});
    EXPECT_FLOAT_EQ(m.FmtCartonX, 410);
    EXPECT_FLOAT_EQ(m.FmtCartonY, 330);
    EXPECT_EQ(m.NbPoses, 1);
}

TEST(ComputeImposition, NestedStylesShortenThePitch) {
    struct Case {
        const char* code;
        double dX, dY;
    };
    // W 300, H 200, Dblmur 6, hrabat 50, hpatrent 30, hrecouvr 30, Majo(6) = Majo(7) = 3.
    // 0421-0429: t = 2H + Dblmur = 406 > W/2; 0427 takes t - hrabat = 356 < 2(t - W/2) = 512;
    // 0429 takes t - H = 206.
    const Case cases[] = {
        {"0201", 0, 0},   {"0210", 0, 286}, {"0211", 0, 286}, {"0212", 0, 0},   {"0215", 0, 130},
        {"0713", 0, 130}, {"0421", 256, 0}, {"0427", 356, 0}, {"0429", 206, 0},
    };
    for (const Case& c : cases) {
        Model m = test::startupModel();
        m.CodeModele = c.code;
        m.Largeur = 300;
        m.Hauteur = 200;
        m.Dblmur = 6;
        m.hrabat = 50;
        m.hpatrent = 30;
        m.hrecouvr = 30;
        m.Majo[6] = 3;
        m.Majo[7] = 3;
        const NestingOffsets n = nestingOffsets(m);
        EXPECT_NEAR(n.dX, c.dX, 1e-4) << c.code;
        EXPECT_NEAR(n.dY, c.dY, 1e-4) << c.code;

        // The sheet holds as many more poses as the shorter pitch allows.
        m.HorsToutX = 1000;
        m.HorsToutY = 1000;
        m.ImposManuelle = true;
        m.FmtCartonX = 5000;
        m.FmtCartonY = 5000;
        m.Marges = {0, 0, 0, 0, 0};
        computeImposition(m, {true, false});
        const double span = 5000 + 5;
        EXPECT_EQ(m.NbPoseX, static_cast<int>((span - c.dX) / (1005 - c.dX))) << c.code;
        EXPECT_EQ(m.NbPoseY, static_cast<int>((span - c.dY) / (1005 - c.dY))) << c.code;
    }
}

TEST(ComputeImposition, FolderWithShallowWallsTakesTheSmallerOffsetOrNone) {
    Model m = test::startupModel();
    m.CodeModele = "0427";
    m.Largeur = 300;
    m.Hauteur = 50;  // t = 106: 2 x (106 - 150) < 0 is not used: W/2 >= t
    m.Dblmur = 6;
    m.hrabat = 20;
    EXPECT_EQ(nestingOffsets(m).dX, 0);
    m.Hauteur = 75;  // t = 156: 2 x 6 = 12 against t - hrabat = 136
    EXPECT_NEAR(nestingOffsets(m).dX, 12, 1e-4);
}

TEST(ComputeImposition, AbsurdInputIsCappedAndSaid) {
    struct Case {
        const char* what;
        bool sheetMode;
        float sheetX, marginX, blankX, gapX;
        std::int16_t posesX;
        int expected;
        const char* notice;  // nullptr: nothing to say
    };
    const Case cases[] = {
        {"kilometre sheet", true, 1e6f, 5, 400, 5, 1, 100, "limité à 100"},
        {"margins beyond the sheet", true, 1000, 2000, 400, 5, 1, 1, "marges dépassent"},
        {"sheet smaller than the blank", true, 300, 5, 400, 5, 1, 1, nullptr},
        {"no blank and no gap", true, 1000, 5, 0, 0, 1, 1, "Pas des poses"},
        {"gap eating the blank", true, 1000, 5, 400, -500, 1, 1, "Pas des poses"},
        {"astronomic sheet", true, 3e38f, 5, 400, 5, 1, 100, "limité à 100"},
        {"too many poses", false, 0, 5, 400, 5, 30000, 100, "limité à 100"},
        {"negative poses", false, 0, 5, 400, 5, -3, 1, "impossible"},
        {"no poses", false, 0, 5, 400, 5, 0, 1, nullptr},
    };
    for (const Case& c : cases) {
        Model m = blank400x300();
        m.ImposManuelle = c.sheetMode;
        m.FmtCartonX = c.sheetX;
        m.FmtCartonY = 1000;
        m.Marges[0] = c.marginX;
        m.HorsToutX = c.blankX;
        m.EspPoseX = c.gapX;
        m.NbPoseX = c.posesX;
        const ImpositionNotices notices = computeImposition(m, {true, false});
        EXPECT_EQ(m.NbPoseX, c.expected) << c.what;
        EXPECT_EQ(m.NbPoses, m.NbPoseX * m.NbPoseY) << c.what;
        EXPECT_TRUE(std::isfinite(m.FmtCartonX)) << c.what;
        if (c.notice)
            EXPECT_TRUE(mentions(notices, c.notice)) << c.what;
        else
            EXPECT_TRUE(notices.empty()) << c.what << ": " << notices.front();
    }
}

TEST(ImpositionInput, SheetMarginsCountsAndGapsFollowTheBoxRules) {
    Model m = blank400x300();
    ImpositionSettings s;

    BoxEntry e = enterSheetSize(m, s, Axis::X, 300);  // smaller than the blank: warned, kept
    EXPECT_TRUE(e.taken && e.warn);
    EXPECT_FLOAT_EQ(m.FmtCartonX, 300);
    EXPECT_TRUE(m.ImposManuelle && s.AvecImpos);
    EXPECT_FALSE(enterSheetSize(m, s, Axis::X, 300).taken);  // same value: nothing to do
    EXPECT_FALSE(enterSheetSize(m, s, Axis::X, 1000).warn);
    enterSheetSize(m, s, Axis::Y, 500);
    EXPECT_TRUE(enterSheetSize(m, s, Axis::Y, 0).taken);  // 0 switches the copies off
    EXPECT_FALSE(s.AvecImpos);

    e = enterMargin(m, s, 1, 20);
    EXPECT_TRUE(e.taken && s.AvecImpos && m.ImposManuelle);
    EXPECT_FLOAT_EQ(m.Marges[1], 20);
    EXPECT_FALSE(enterMargin(m, s, 2, 20).taken);  // only the X and Y margins exist

    e = enterPoseCount(m, s, Axis::X, 2.5);  // halves to even
    EXPECT_EQ(m.NbPoseX, 2);
    EXPECT_TRUE(e.taken && !e.warn && !m.ImposManuelle && s.AvecImpos);
    e = enterPoseCount(m, s, Axis::Y, 1e9);  // kept as far as 16 bits go, and warned
    EXPECT_TRUE(e.warn);
    EXPECT_EQ(m.NbPoseY, 32767);
    EXPECT_TRUE(enterPoseCount(m, s, Axis::Y, -4).warn);
    EXPECT_EQ(m.NbPoseY, -4);

    enterPoseCount(m, s, Axis::X, 0);  // 0 switches the copies off, both counts at 0
    EXPECT_FALSE(s.AvecImpos);
    EXPECT_EQ(m.NbPoseX, 0);
    EXPECT_EQ(m.NbPoseY, 0);
    computeImposition(m, s);
    EXPECT_EQ(m.NbPoseX, 1);
    EXPECT_EQ(m.NbPoseY, 1);
    EXPECT_EQ(m.NbPoses, 1);

    EXPECT_TRUE(enterPoseGap(m, Axis::Y, 8).taken);
    EXPECT_FLOAT_EQ(m.EspPoseY, 8);
    EXPECT_FALSE(enterPoseGap(m, Axis::Y, 8).taken);
    EXPECT_TRUE(enterPoseGap(m, Axis::X, std::nan("")).taken);  // no number reads as 0
    EXPECT_FLOAT_EQ(m.EspPoseX, 0);
}

TEST(ImpositionInput, MajImposKeepsTheSheetInWholeMillimetres) {
    Model m = blank400x300();
    m.HorsToutX = 400.4f;
    m.NbPoseX = 2;
    m.NbPoseY = 1;
    updateImpositionFigures(m, {true, false});
    EXPECT_FLOAT_EQ(m.FmtCartonX, 811);  // 2 x 400.4 + 5 + 5 = 810.8
    EXPECT_FLOAT_EQ(m.FmtCartonY, 315);
}

TEST(ImposedWaste, NoSurfaceGivesMinusOneAndASurfaceGivesPercentages) {
    Model m = blank400x300();
    m.NbPoseX = 2;
    m.NbPoseY = 1;
    m.NbPoses = 2;
    m.FmtCartonX = 1000;
    m.FmtCartonY = 400;
    WasteFigures w = imposedWaste(m);
    EXPECT_EQ(w.ImpX, 805);
    EXPECT_EQ(w.ImpY, 300);
    EXPECT_EQ(w.PerteHorsTout, -1);
    EXPECT_EQ(w.PerteFormat, -1);
    m.SurfDecoupee = 100000;
    w = imposedWaste(m);
    EXPECT_NEAR(w.PerteHorsTout, (805.0 * 300 - 200000) / (805.0 * 300) * 100, 1e-9);
    EXPECT_NEAR(w.PerteFormat, 50, 1e-9);
}

}  // namespace
}  // namespace brontaxe
