// The optimiser of the imposition, end to end on the workbench: never fewer poses than the
// grid (with its nesting rules) on the same sheet, never two drawn poses closer than the gap,
// measured here with GEOS on the poses' outer contours as the drawing holds them.

#include <gtest/gtest.h>

#include <geos_c.h>

#include <cmath>

#include "support/cli_run.h"
#include "support/poses.h"
#include "support/style_run.h"
#include "support/temp_dir.h"
#include "workbench/design_file.h"
#include "workbench/nesting_workbench.h"

namespace brontaxe {
namespace {

struct Bench {
    test::TempDir dir;
    Workbench wb{platform::PrivateProfile(dir.path())};

    bool draw(const std::string& code, const char* l, const char* w, const char* h, float sheetX,
              float sheetY) {
        wb.startUp();
        wb.window().lengthText = l;
        wb.window().widthText = w;
        wb.window().heightText = h;
        wb.window().codeText = code;
        wb.codeBoxLeft();
        Model& m = wb.model();
        m.ImposManuelle = true;
        m.FmtCartonX = sheetX;
        m.FmtCartonY = sheetY;
        return wb.regenerate().drawn;
    }
};

// The least distance between two drawn poses' outer contours, by GEOS.
double leastDistance(const Drawing& d) {
    GEOSContextHandle_t g = GEOS_init_r();
    std::vector<GEOSGeometry*> shapes;
    std::vector<Box> boxes;
    for (const auto& edges : test::poseOuterContours(d)) {
        std::vector<GEOSGeometry*> lines;
        for (const test::Segment& s : edges) {
            GEOSCoordSequence* seq = GEOSCoordSeq_create_r(g, 2, 2);
            GEOSCoordSeq_setXY_r(g, seq, 0, s.a.x, s.a.y);
            GEOSCoordSeq_setXY_r(g, seq, 1, s.b.x, s.b.y);
            lines.push_back(GEOSGeom_createLineString_r(g, seq));
        }
        GEOSGeometry* all = GEOSGeom_createCollection_r(g, GEOS_MULTILINESTRING, lines.data(),
                                                        static_cast<unsigned>(lines.size()));
        shapes.push_back(GEOSPolygonize_r(g, &all, 1));
        GEOSGeom_destroy_r(g, all);
        boxes.push_back(test::boxOf(edges));
    }
    double least = 1e9;
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const GEOSPreparedGeometry* p = GEOSPrepare_r(g, shapes[i]);
        for (std::size_t k = i + 1; k < shapes.size(); ++k) {
            const Box& a = boxes[i];
            const Box& b = boxes[k];
            if (a.xmin > b.xmax + 50 || b.xmin > a.xmax + 50 || a.ymin > b.ymax + 50 ||
                b.ymin > a.ymax + 50)
                continue;
            double dist = 0;
            GEOSPreparedDistance_r(g, p, shapes[k], &dist);
            least = std::min(least, dist);
        }
        GEOSPreparedGeom_destroy_r(g, p);
    }
    for (GEOSGeometry* s : shapes)
        GEOSGeom_destroy_r(g, s);
    GEOS_finish_r(g);
    return least;
}

// Every drawn style at two sizes on a 2000 x 1500 sheet (gaps 5 mm, margins 5 and 15 mm).
TEST(Nesting, NeverFewerPosesThanTheGridNorCloserThanTheGap) {
    Bench b;
    int offered = 0;
    for (const std::string& code : test::drawnCatalogueCodes()) {
        for (const auto& [l, w, h] : {std::tuple{"300", "200", "150"}, {"500", "350", "250"}}) {
            SCOPED_TRACE(code + " " + l);
            if (!b.draw(code, l, w, h, 2000, 1500))
                continue;
            const Model& m = b.wb.model();
            const std::optional<NestingOffer> offer = optimiseImposition(b.wb, {});
            const bool turnedFits = m.HorsToutY <= 1995 && m.HorsToutX <= 1485;
            const bool fits = m.HorsToutX <= 1995 && m.HorsToutY <= 1485;
            ASSERT_EQ(offer.has_value(), fits || turnedFits);
            if (!offer)
                continue;
            ++offered;
            const int poses = static_cast<int>(offer->arrangement.poses.size());
            EXPECT_GE(poses, offer->gridPoses);
            EXPECT_EQ(offer->gridPoses > 0, fits);
            takeNestingOffer(b.wb, *offer);
            EXPECT_EQ(m.NbPoses, poses);
            const Box drawn = b.wb.drawing().extents();
            EXPECT_LE(drawn.width(), 1995 + 0.01);
            EXPECT_LE(drawn.height(), 1485 + 0.01);
            if (poses > 1) {
                EXPECT_GE(leastDistance(b.wb.drawing()), 5 - 0.01);
            }
        }
    }
    EXPECT_GT(offered, 250);
}

// Where turning and interlocking pay: cross-shaped folders, lock bottoms, tuck flaps. The
// poses are those found when the optimiser was written; the grid counts with the style's
// own nesting rule where it has one.
TEST(Nesting, TurnedAndInterlockedBlanksGiveMorePoses) {
    struct Case {
        const char* code;
        const char* l;
        const char* w;
        const char* h;
        int grid;
        int optimised;
    };
    const Case cases[] = {
        {"0420", "300", "200", "150", 2, 4}, {"0429", "300", "200", "150", 2, 3},
        {"0430", "300", "200", "150", 3, 5}, {"0443", "500", "350", "250", 1, 2},
        {"0713", "300", "200", "150", 3, 4}, {"0713", "500", "350", "250", 1, 2},
        {"0215", "300", "200", "150", 3, 4}, {"0216", "300", "200", "150", 3, 5},
        {"0210", "300", "200", "150", 2, 5},
    };
    Bench b;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.code) + " " + c.l);
        ASSERT_TRUE(b.draw(c.code, c.l, c.w, c.h, 2000, 1500));
        const std::optional<NestingOffer> offer = optimiseImposition(b.wb, {});
        ASSERT_TRUE(offer);
        EXPECT_EQ(offer->gridPoses, c.grid);
        EXPECT_EQ(static_cast<int>(offer->arrangement.poses.size()), c.optimised);
    }
}

// The other way round: the least sheet (or roll length) for a count holds the count, is no
// larger than the grid's for it, and the optimiser finds the count again on it.
TEST(Nesting, LeastSheetForACount) {
    Bench b;
    ASSERT_TRUE(b.draw("0427", "300", "200", "80", 0, 0));
    for (const bool roll : {false, true}) {
        SCOPED_TRACE(roll);
        b.wb.model().FmtCartonX = 1600;
        const auto least = optimiseImposition(b.wb, {.roll = roll, .count = 6});
        ASSERT_TRUE(least);
        EXPECT_EQ(least->arrangement.poses.size(), 6u);
        if (roll) {
            EXPECT_EQ(least->sheetX, 1600);
        }
        takeNestingOffer(b.wb, *least);
        EXPECT_GE(b.wb.model().NbPoses, 6);
        const Model& m = b.wb.model();
        // The grid's best for 6 poses: 1 x 6, 2 x 3, 3 x 2 or 6 x 1.
        double grid = 1e18;
        for (const auto& [x, y] : {std::pair{1, 6}, {2, 3}, {3, 2}, {6, 1}}) {
            const double w = x * (m.HorsToutX + 5.0) - 5 + 5;
            if (!roll || w <= 1600)
                grid = std::min(grid, (roll ? 1600 : w) * (y * (m.HorsToutY + 5.0) - 5 + 15));
        }
        EXPECT_LE(double{m.FmtCartonX} * m.FmtCartonY, grid);
    }
}

// Taken, the arrangement is kept in the drawing file and comes back with it.
TEST(Nesting, TakenArrangementSavedAndReopened) {
    Bench b;
    ASSERT_TRUE(b.draw("0713", "300", "200", "150", 2000, 1500));
    takeNestingOffer(b.wb, *optimiseImposition(b.wb, {}));
    const NestPattern taken = *b.wb.nesting();
    const auto file = b.dir.path() / "boite.des";
    ASSERT_TRUE(saveDesign(b.wb, file).ok);
    Bench other;
    ASSERT_TRUE(other.draw("0201", "300", "200", "150", 1000, 1000));
    ASSERT_TRUE(openDesign(other.wb, file).parametric);
    EXPECT_EQ(other.wb.nesting(), taken);
    EXPECT_EQ(other.wb.model().NbPoses, 4);
    ASSERT_TRUE(other.draw("0201", "300", "200", "150", 1000, 1000));
    EXPECT_EQ(readPattern(patternText(taken)), taken);
    for (const char* bad : {"45", "90 rangs rangs", "90 tout", ""})
        EXPECT_FALSE(readPattern(bad)) << bad;
}

TEST(Nesting, CommandLine) {
    test::TempDir config;
    const test::CliRun run =
        test::runCli({"0713", "--longueur", "300", "--largeur", "200", "--hauteur", "150",
                      "--format-x", "2000", "--format-y", "1500", "--optimiser"},
                     config);
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find(
                  "Imposition optimisée : 4 poses (découpe tournée de 270°, une colonne sur deux "
                  "retournée), grille : 3 poses"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("Poses : 4 x 1 = 4"), std::string::npos) << run.out;
    EXPECT_EQ(test::runCli({"0201", "--rouleau"}, config).code, 2);
}

}  // namespace
}  // namespace brontaxe
