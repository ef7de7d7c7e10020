#include "builders/sleeve_blank.h"

#include <gtest/gtest.h>

#include <vector>

#include "builders/emit.h"
#include "support/outline.h"
#include "support/style_fixture.h"

namespace brontaxe {
namespace {

// Glue flap 36 at 15 degrees, panels 400, 300, 400, 300, height 500.
void drawSleeve(Model& m, Drawing& d, float angle = 15, float G = 36) {
    GenerationPass pass(d);
    SleeveBlank(
        m, d,
        {.glue = G, .taper = angle, .p1 = 400, .p2 = 300, .p3 = 400, .p4 = 300, .height = 500});
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
        bool en2;
        std::int16_t en4;
        std::vector<double> creases;
        std::vector<double> cutFolds;  // full-height cuts: free and cut ends
        double xmin, xmax;
        std::vector<float> panels;  // passes 1 to 4
    };
    const Case cases[] = {
        {"one piece", false, 0, {36, 436, 736, 1136}, {1436}, 0, 1436, {400, 300, 400, 300}},
        {"two pieces", true, 0, {36, 436}, {736}, 0, 736, {400, 300, 0, 0}},
        {"piece 1 of 4", false, 1, {36}, {436}, 0, 436, {400, 0, 0, 0}},
        {"piece 2 of 4", false, 2, {36}, {336}, 0, 336, {300, 0, 0, 0}},
        {"piece 3 of 4", false, 3, {}, {36, 436}, 36, 436, {400, 0, 0, 0}},
        {"piece 4 of 4", false, 4, {36, 336}, {}, 0, 372, {300, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        test::Generated g;
        g.m.CaisseEn2 = c.en2;
        g.m.CaisseEn4 = c.en4;
        drawSleeve(g.m, g.d);
        EXPECT_EQ(foldsOfKind(g.d, kind::Crease), c.creases) << c.name;
        EXPECT_EQ(foldsOfKind(g.d, kind::Cut), c.cutFolds) << c.name;
        const Box box = g.d.extents();
        EXPECT_NEAR(box.xmin, c.xmin, 1e-3) << c.name;
        EXPECT_NEAR(box.xmax, c.xmax, 1e-3) << c.name;
        EXPECT_NEAR(box.height(), 500, 1e-3) << c.name;
        EXPECT_TRUE(test::cutOutlineIsClosed(g.d)) << c.name;
        EXPECT_TRUE(test::noLineDrawnTwice(g.d)) << c.name;
        EXPECT_EQ(g.m.PassesMachine[0], 36) << c.name;
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_EQ(g.m.PassesMachine[i + 1], c.panels[i]) << c.name << " panel " << i + 1;
        EXPECT_EQ(g.m.PassesMachine[16], 500) << c.name;
        std::vector<float> kept;
        for (float w : c.panels)
            if (w != 0)
                kept.push_back(w);
        EXPECT_EQ(ContourPanels(g.m, 400, 300, 400, 300), kept) << c.name;
    }
}

TEST(SleeveBlank, GlueFlapEndsDropByItsWidthTimesTheSlope) {
    test::Generated g;
    drawSleeve(g.m, g.d);
    const double drop = 36 * std::tan(toRadians(15));
    const auto freeEdge = test::verticalLinesAt(g.d, kind::Cut, 0);
    ASSERT_EQ(freeEdge.size(), 1u);
    EXPECT_NEAR(freeEdge[0].a.y, drop, 1e-3);
    EXPECT_NEAR(freeEdge[0].b.y, 500 - drop, 1e-3);
}

TEST(SleeveBlank, SteepEndsMakeATriangleAndNinetyDegreesNoFlapAtAll) {
    test::Generated steep;
    drawSleeve(steep.m, steep.d, 89.5f, 36);  // 36 tan 89.5 is far more than half of 500
    EXPECT_TRUE(test::verticalLinesAt(steep.d, kind::Cut, 0).empty());
    const Box box = steep.d.extents();
    EXPECT_NEAR(box.xmin, 36 - 250 / std::tan(toRadians(89.5)), 1e-2);
    EXPECT_TRUE(test::cutOutlineIsClosed(steep.d));

    for (float angle : {90.0f, 120.0f}) {
        test::Generated g;
        drawSleeve(g.m, g.d, angle);
        EXPECT_NEAR(g.d.extents().xmin, 36, 1e-3) << angle;
        EXPECT_EQ(foldsOfKind(g.d, kind::Cut), (std::vector<double>{36, 1436})) << angle;
        EXPECT_TRUE(test::cutOutlineIsClosed(g.d)) << angle;
    }
}

TEST(SleeveBlank, MirroredDrawingsReverseThePasses) {
    test::Generated g;
    g.m.Sym_Verticale = true;
    drawSleeve(g.m, g.d);
    EXPECT_EQ(g.m.PassesMachine[0], 300);
    EXPECT_EQ(g.m.PassesMachine[4], 36);
}

}  // namespace
}  // namespace brontaxe
