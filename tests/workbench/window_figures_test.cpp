#include "workbench/window_figures.h"

#include <gtest/gtest.h>

#include "support/near.h"
#include "workbench/direction_arrows.h"

namespace brontaxe {
namespace {

TEST(DirectionArrows, FluteAcrossAndPassAlongOverASixHundredByThreeHundredBlank) {
    const Box blank{100, -150, 700, 150, false};
    const auto arrows = directionArrows(blank, AlongAxis::Y, AlongAxis::X, false);
    ASSERT_EQ(arrows.size(), 2u);
    EXPECT_EQ(arrows[0].symbol, kFluteArrowSymbol);
    EXPECT_TRUE(test::near(arrows[0].at, {100 + 105, 150 + 45}));
    EXPECT_EQ(arrows[0].angleDeg, 90);
    EXPECT_EQ(arrows[0].size, 30);
    EXPECT_EQ(arrows[1].symbol, kPassArrowSymbol);
    EXPECT_TRUE(test::near(arrows[1].at, {100 + 90 + 60, 150 + 60}));
    EXPECT_EQ(arrows[1].angleDeg, 90);
    EXPECT_EQ(arrows[1].size, 60);
}

TEST(DirectionArrows, EachAloneAndMirrored) {
    const Box blank{0, 0, 600, 300, false};
    EXPECT_TRUE(directionArrows(blank, AlongAxis::None, AlongAxis::None, false).empty());
    const auto flute = directionArrows(blank, AlongAxis::X, AlongAxis::None, false);
    ASSERT_EQ(flute.size(), 1u);
    EXPECT_TRUE(test::near(flute[0].at, {90, 330}));
    EXPECT_EQ(flute[0].angleDeg, 0);
    const auto pass = directionArrows(blank, AlongAxis::None, AlongAxis::Y, true);
    ASSERT_EQ(pass.size(), 1u);  // no flute arrow: no offset
    EXPECT_TRUE(test::near(pass[0].at, {-90, 360}));
    EXPECT_EQ(pass[0].angleDeg, 0);
}

TEST(WindowFigures, FormatsOfTheLabelsAndNoWasteWithoutSurface) {
    Model m;
    m.LgCoupant = 5657.1f;
    m.LgPerfoRainant = 1234;
    m.LgPerfo = 2346;
    m.LgMiChair = 3456;
    m.LgRainant = 3544;
    m.LgTotal = 16237.1f;
    m.HorsToutX = 1436;
    m.HorsToutY = 500;
    m.NbPoseX = 2;
    m.NbPoseY = 1;
    m.NbPoses = 2;
    m.EspPoseX = 5;
    m.EspPoseY = 5;
    m.FmtCartonX = 3000;
    m.FmtCartonY = 600;
    m.Marges = {5, 15, 0, 0, 0};
    WindowFigures f = windowFigures(m);
    // Each length in its own box.
    EXPECT_EQ(f.cutLength, "5,66");
    EXPECT_EQ(f.cutCreaseLength, "1,23");
    EXPECT_EQ(f.perforationLength, "2,35");
    EXPECT_EQ(f.halfCutLength, "3,46");
    EXPECT_EQ(f.creaseLength, "3,54");
    EXPECT_EQ(f.totalLength, "16,24");
    EXPECT_EQ(f.imposedSize, "2877 x 500");
    EXPECT_EQ(f.cutSurface, "0");
    EXPECT_EQ(f.waste, "XXXXXX");
    EXPECT_EQ(f.sheetWaste, "XXXXXX");
    EXPECT_EQ(f.sheetX, "3000");  // whole millimetres, no point left hanging
    EXPECT_EQ(f.posesX, "2");
    EXPECT_EQ(f.marginY, "15");

    m.SurfDecoupee = 500000;
    computeWaste(m);
    f = windowFigures(m);
    EXPECT_EQ(f.cutSurface, "1");
    // (2877 x 500 - 2 x 500000) / (2877 x 500) and (3000 x 600 - 1000000) / (3000 x 600).
    EXPECT_EQ(f.waste, "30,48");
    EXPECT_EQ(f.sheetWaste, "44,44");
    m.FmtCartonX = 1000;  // the poses cover more than the sheet: no sheet waste to show
    computeWaste(m);
    EXPECT_EQ(windowFigures(m).sheetWaste, "XXXXXX");
}

}  // namespace
}  // namespace brontaxe
