#include "builders/sleeve_blank.h"

#include <gtest/gtest.h>

#include <vector>

#include "builders/emit.h"
#include "support/outline.h"

namespace brontaxe {
namespace {

// Glue flap 36 at 15 degrees, panels 400, 300, 400, 300, height 500.
// Its passes written over a table that holds others: the sleeve's set every entry.
MachinePassTable drawSleeve(Drawing& d, PieceCut pieces = {}, float angle = 15, float G = 36) {
    GenerationPass pass(d);
    MachinePassTable passes;
    passes.fill(9);
    SleeveBlank(
        d, {.glue = G, .taper = angle, .p1 = 400, .p2 = 300, .p3 = 400, .p4 = 300, .height = 500},
        pieces)
        .writeTo(passes);
    return passes;
}

std::vector<double> foldsOfKind(const Drawing& d, LineKind lineKind) {
    std::vector<double> xs;
    for (const auto& l : test::linesOfKind(d, lineKind)) {
        if (areNear(l.a.x, l.b.x) && areNear(std::fabs(l.b.y - l.a.y), 500, 1e-3))
            xs.push_back(l.a.x);
    }
    std::sort(xs.begin(), xs.end());
    return xs;
}

TEST(SleeveBlank, EveryPieceVariantDrawsItsPanelsFoldsAndGlueFlaps) {
    struct Case {
        const char* name;
        PieceCut pieces;
        std::vector<double> creases;
        std::vector<double> cutFolds;  // full-height cuts: free and cut ends
        double xmin, xmax;
        std::vector<float> panels;  // passes 1 to 4
    };
    const Case cases[] = {
        {"one piece", {}, {36, 436, 736, 1136}, {1436}, 0, 1436, {400, 300, 400, 300}},
        {"two pieces", {.twoPieces = true}, {36, 436}, {736}, 0, 736, {400, 300, 0, 0}},
        {"piece 1 of 4",
         {.fourPieces = FourPieces::FirstPanel},
         {36},
         {436},
         0,
         436,
         {400, 0, 0, 0}},
        {"piece 2 of 4",
         {.fourPieces = FourPieces::SecondPanel},
         {36},
         {336},
         0,
         336,
         {300, 0, 0, 0}},
        {"piece 3 of 4",
         {.fourPieces = FourPieces::LoosePanel},
         {},
         {36, 436},
         36,
         436,
         {400, 0, 0, 0}},
        {"piece 4 of 4",
         {.fourPieces = FourPieces::GluedBothEnds},
         {36, 336},
         {},
         0,
         372,
         {300, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        Drawing d;
        const MachinePassTable passes = drawSleeve(d, c.pieces);
        EXPECT_EQ(foldsOfKind(d, kind::Crease), c.creases) << c.name;
        EXPECT_EQ(foldsOfKind(d, kind::Cut), c.cutFolds) << c.name;
        const Box box = d.extents();
        EXPECT_NEAR(box.xmin, c.xmin, 1e-3) << c.name;
        EXPECT_NEAR(box.xmax, c.xmax, 1e-3) << c.name;
        EXPECT_NEAR(box.height(), 500, 1e-3) << c.name;
        EXPECT_TRUE(test::cutOutlineIsClosed(d)) << c.name;
        EXPECT_TRUE(test::noLineDrawnTwice(d)) << c.name;
        MachinePassTable expected{};
        expected[0] = 36;
        for (std::size_t i = 0; i < 4; ++i)
            expected[i + 1] = c.panels[i];
        expected[16] = 500;
        EXPECT_EQ(passes, expected) << c.name;
        std::vector<float> kept;
        for (float w : c.panels)
            if (w != 0)
                kept.push_back(w);
        EXPECT_EQ(ContourPanels(c.pieces, 400, 300, 400, 300), kept) << c.name;
    }
}

TEST(SleeveBlank, GlueFlapEndsDropByItsWidthTimesTheSlope) {
    Drawing d;
    drawSleeve(d);
    const double drop = 36 * std::tan(toRadians(15));
    const auto freeEdge = test::verticalLinesAt(d, kind::Cut, 0);
    ASSERT_EQ(freeEdge.size(), 1u);
    EXPECT_NEAR(freeEdge[0].a.y, drop, 1e-3);
    EXPECT_NEAR(freeEdge[0].b.y, 500 - drop, 1e-3);
}

TEST(SleeveBlank, SteepEndsMakeATriangleAndNinetyDegreesNoFlapAtAll) {
    Drawing steep;
    drawSleeve(steep, {}, 89.5f, 36);  // 36 tan 89.5 is far more than half of 500
    EXPECT_TRUE(test::verticalLinesAt(steep, kind::Cut, 0).empty());
    const Box box = steep.extents();
    EXPECT_NEAR(box.xmin, 36 - 250 / std::tan(toRadians(89.5)), 1e-2);
    EXPECT_TRUE(test::cutOutlineIsClosed(steep));

    for (float angle : {90.0f, 120.0f}) {
        Drawing d;
        drawSleeve(d, {}, angle);
        EXPECT_NEAR(d.extents().xmin, 36, 1e-3) << angle;
        EXPECT_EQ(foldsOfKind(d, kind::Cut), (std::vector<double>{36, 1436})) << angle;
        EXPECT_TRUE(test::cutOutlineIsClosed(d)) << angle;
    }
}

}  // namespace
}  // namespace brontaxe
