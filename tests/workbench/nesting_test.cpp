// The optimiser of the imposition, end to end on the workbench: never fewer poses than the
// grid (with its nesting rules) on the same sheet, never two drawn poses closer than the gap,
// measured here with GEOS on the poses' outer contours as the drawing holds them.

#include <gtest/gtest.h>

#include <geos_c.h>

#include <cmath>
#include <cstdio>

#include "drawing/pen_scope.h"
#include "support/cli_run.h"
#include "support/poses.h"
#include "support/style_run.h"
#include "support/temp_dir.h"
#include "workbench/design_file.h"
#include "workbench/nesting_workbench.h"
#include "workbench/pieces.h"

namespace brontaxe {
namespace nesting_test {
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
        for (const Segment& s : edges) {
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

bool crosses(Point a, Point b, const Segment& s) {
    auto side = [](Point p, Point q, Point r) {
        return (q.x - p.x) * (r.y - p.y) - (q.y - p.y) * (r.x - p.x);
    };
    return side(a, b, s.a) * side(a, b, s.b) < 0 && side(s.a, s.b, a) * side(s.a, s.b, b) < 0;
}

// The dimension lines of the drawing that cross the outline of a pose other than the first.
int chainsAcrossOtherPoses(const Drawing& d) {
    const auto contours = test::poseOuterContours(d);
    int crossing = 0;
    for (const Element& e : d.elements()) {
        const auto* dim = std::get_if<DimensionShape>(&e.shape);
        if (!dim)
            continue;
        // The dimension line runs through the reference point along the measured points.
        const bool vertical = std::fabs(dim->p1.x - dim->p2.x) < 1e-6;
        const Point a = vertical ? Point{dim->ref.x, dim->p1.y} : Point{dim->p1.x, dim->ref.y};
        const Point b = vertical ? Point{dim->ref.x, dim->p2.y} : Point{dim->p2.x, dim->ref.y};
        for (std::size_t k = 1; k < contours.size(); ++k)
            for (const Segment& s : contours[k])
                crossing += crosses(a, b, s) ? 1 : 0;
    }
    return crossing;
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
            const bool turnedFits =
                !keepsFluteDirection(code) && m.HorsToutY <= 1995 && m.HorsToutX <= 1485;
            const bool fits = m.HorsToutX <= 1995 && m.HorsToutY <= 1485;
            ASSERT_EQ(offer.has_value(), fits || turnedFits);
            if (!offer)
                continue;
            ++offered;
            const int poses = static_cast<int>(offer->arrangement.poses.size());
            EXPECT_GE(poses, offer->gridPoses);
            // Without the user's leave, the flutes run the same way on every pose.
            if (keepsFluteDirection(code)) {
                for (const NestPose& p : offer->arrangement.poses)
                    EXPECT_EQ(p.turn % 180, 0) << p.turn;
                EXPECT_FALSE(hasQuarterTurn(offer->arrangement.pattern));
            }
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

// Where turning and interlocking pay: cross-shaped folders, lock bottoms, tuck flaps, with
// quarter turns allowed. At least what was found when the optimiser was written; the grid
// counts with the style's own nesting rule where it has one.
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
        b.wb.imposition().quarterTurns = true;
        const std::optional<NestingOffer> offer = optimiseImposition(b.wb, {});
        ASSERT_TRUE(offer);
        EXPECT_EQ(offer->gridPoses, c.grid);
        EXPECT_GE(static_cast<int>(offer->arrangement.poses.size()), c.optimised);
    }
}

// Bounds worked out by hand, with quarter turns allowed, on 2000 x 1500 (gaps 5, margins 5
// and 15): the pad's rows of 4 at 0 degrees and rows of 6 turned (2 x 305 + 2 x 405 <= 1490);
// telescope base and folders in two blocks; the cross-shaped tray staggered diagonally.
TEST(Nesting, ReachesTheBoundsOfMixedBlocksAndStaggeredPoses) {
    struct Case {
        const char* code;
        const char* l;
        const char* w;
        const char* h;
        std::optional<Piece> piece;
        int atLeast;
        bool mirrored = false;  // its dimension chains on the right
    };
    const Case cases[] = {
        {"0901", "400", "300", "200", {}, 20}, {"0300", "200", "150", "80", Piece::Inside, 23},
        {"0430", "200", "150", "80", {}, 14},  {"0430", "200", "150", "80", {}, 14, true},
        {"0443", "200", "150", "80", {}, 14},  {"0601", "400", "300", "200", {}, 2},
    };
    Bench b;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        ASSERT_TRUE(b.draw(c.code, c.l, c.w, c.h, 2000, 1500));
        if (c.piece)
            b.wb.choosePiece(*c.piece);
        if (c.mirrored)
            b.wb.toggleMirror();
        b.wb.imposition().quarterTurns = true;
        const std::optional<NestingOffer> offer = optimiseImposition(b.wb, {});
        ASSERT_TRUE(offer);
        const int poses = static_cast<int>(offer->arrangement.poses.size());
        EXPECT_GE(poses, c.atLeast) << patternText(offer->arrangement.pattern);
        takeNestingOffer(b.wb, *offer);
        EXPECT_EQ(b.wb.model().NbPoses, poses);
        EXPECT_GE(leastDistance(b.wb.drawing()), 5 - 0.01);
        EXPECT_EQ(chainsAcrossOtherPoses(b.wb.drawing()), 0);
        const Box drawn = b.wb.drawing().extents();
        EXPECT_LE(drawn.width(), 1995 + 0.01);
        EXPECT_LE(drawn.height(), 1485 + 0.01);
    }
}

// Faults once met: each row an arrangement that was worse than the grid, or hid what it did.
TEST(Nesting, NeverWorseThanTheGridNorBlindToTheBlank) {
    Bench b;
    // A sheet the grid fills exactly, at the same gap: a 0201 of 1447 x 509 on 2904 x 1038.
    ASSERT_TRUE(b.draw("0201", "400", "300", "200", 2904, 1038));
    std::optional<NestingOffer> offer = optimiseImposition(b.wb, {});
    ASSERT_TRUE(offer);
    EXPECT_GE(static_cast<int>(offer->arrangement.poses.size()), offer->gridPoses);
    EXPECT_FALSE(offer->beatsGrid());

    // The blank cut by a section is the one nested, and stays cut once taken.
    ASSERT_TRUE(b.draw("0201", "400", "300", "200", 2000, 1500));
    const double whole = b.wb.model().HorsToutX;
    ASSERT_FALSE(b.wb.applySection(SectionSide::Left, whole / 2).refusal);
    b.wb.imposition().quarterTurns = true;
    offer = optimiseImposition(b.wb, {});
    ASSERT_TRUE(offer);
    EXPECT_TRUE(b.wb.appliedSection());
    const int cutPoses = static_cast<int>(offer->arrangement.poses.size());
    EXPECT_GE(cutPoses, 4);
    takeNestingOffer(b.wb, *offer);
    EXPECT_TRUE(b.wb.appliedSection());
    EXPECT_EQ(b.wb.model().NbPoses, cutPoses);

    // A stray cut beyond the outline is part of what the next pose keeps clear of.
    Drawing d;
    PenScope pen(d, kind::Cut);
    d.AddLine(0, 0, 100, 0);
    d.AddLine(100, 0, 100, 50);
    d.AddLine(100, 50, 0, 50);
    d.AddLine(0, 50, 0, 0);
    d.AddLine(120, 10, 140, 10);
    pen.setKind(kind::Crease);
    d.AddLine(50, 60, 50, 80);
    const Box reach = ringsBox(blankContour(d));
    EXPECT_NEAR(reach.xmax, 140, 0.1);
    EXPECT_NEAR(reach.ymax, 80, 0.1);
    // Side by side 105 mm apart the outlines keep the 5 mm gap, the stray cut does not.
    Arrangement side;
    side.poses = {{0, {0, 0}}, {0, {105, 0}}};
    EXPECT_FALSE(posesKeepGaps(blankContour(d), side, 5, 5));
    side.poses[1].at = {150, 0};
    EXPECT_TRUE(posesKeepGaps(blankContour(d), side, 5, 5));
}

// A 100 x 50 blank, and an L in the same box, its upper right quarter cut away.
const std::vector<Ring> kRectangle{{{0, 0}, {100, 0}, {100, 50}, {0, 50}, {0, 0}}};
const std::vector<Ring> kEll{{{0, 0}, {100, 0}, {100, 25}, {50, 25}, {50, 50}, {0, 50}, {0, 0}}};

Arrangement twoPoses(NestPose first, NestPose second) {
    Arrangement a;
    a.poses = {first, second};
    return a;
}

// The optimiser's own check of two poses: no closer than the smaller gap; with no gap, poses
// may touch, along a side or at a corner, but not overlap, even by a hundredth.
TEST(Nesting, PosesKeepTheSmallerGapAndNeverOverlap) {
    struct Case {
        const char* name;
        const std::vector<Ring>& blank;
        NestPose second;
        double gapX, gapY;
        bool keeps;
    };
    const Case cases[] = {
        {"side by side, touching, no gap", kRectangle, {0, {100, 0}}, 0, 0, true},
        {"touching at a corner, no gap", kRectangle, {0, {100, 50}}, 0, 0, true},
        {"turned half a turn, touching, no gap", kRectangle, {180, {200, 50}}, 0, 0, true},
        {"overlapping by 1 mm, no gap", kRectangle, {0, {99, 0}}, 0, 0, false},
        {"overlapping by a hundredth, no gap", kRectangle, {0, {99.99, 0}}, 0, 0, false},
        {"one on the other, no gap", kRectangle, {0, {0, 0}}, 0, 0, false},
        {"a row above, overlapping, no gap", kRectangle, {0, {30, 49}}, 0, 0, false},
        {"5 mm apart, gap 5", kRectangle, {0, {105, 0}}, 5, 5, true},
        {"4.9 mm apart, gap 5", kRectangle, {0, {104.9, 0}}, 5, 5, false},
        {"3 mm apart, gaps 8 and 3", kRectangle, {0, {103, 0}}, 8, 3, true},
        {"2 mm apart, gaps 3 and 8", kRectangle, {0, {0, 52}}, 3, 8, false},
        // The second L turned into the first's notch: they touch at two corners.
        {"two Ls in each other's notch, no gap", kEll, {180, {150, 75}}, 0, 0, true},
        {"two Ls in each other's notch, gap 1", kEll, {180, {150, 75}}, 1, 1, false},
        {"an L's arm in the other's notch", kEll, {180, {140, 70}}, 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(posesKeepGaps(c.blank, twoPoses({0, {0, 0}}, c.second), c.gapX, c.gapY), c.keeps);
    }
}

// The gap between the poses of a row and the gap between rows are each their own: a row's
// poses keep the first, the rows the second, and the poses lie no further apart than that.
TEST(Nesting, RowsAndColumnsEachKeepTheirOwnGap) {
    const char* const patterns[] = {"0", "180 rangs", "0 colonnes", "90"};
    for (const auto& [gapX, gapY] : {std::pair{8.0, 3.0}, {3.0, 8.0}, {0.0, 6.0}, {6.0, 0.0}}) {
        SCOPED_TRACE(testing::Message() << "gaps " << gapX << " and " << gapY);
        // Rectangles lie on the grid's own pitches: boxes and gaps.
        const Arrangement grid = arrangeCounts(kRectangle, {}, gapX, gapY, 3, 2);
        ASSERT_EQ(grid.poses.size(), 6u);
        EXPECT_NEAR(grid.used.width(), 3 * 100 + 2 * gapX, 1e-9);
        EXPECT_NEAR(grid.used.height(), 2 * 50 + gapY, 1e-9);
        // A sheet that holds them exactly is filled.
        const std::optional<Arrangement> best = bestArrangement(
            kRectangle,
            {.width = grid.used.width(), .length = grid.used.height(), .gapX = gapX, .gapY = gapY});
        ASSERT_TRUE(best);
        EXPECT_EQ(best->poses.size(), 6u);
        // Ls slid into one another: any two poses of a row at least the first gap apart, of
        // two rows the second.
        for (const char* pattern : patterns) {
            SCOPED_TRACE(pattern);
            const Arrangement a = arrangeCounts(kEll, *readPattern(pattern), gapX, gapY, 3, 3);
            ASSERT_EQ(a.poses.size(), 9u);
            for (std::size_t i = 0; i < a.poses.size(); ++i) {
                for (std::size_t k = i + 1; k < a.poses.size(); ++k) {
                    const double gap = i / 3 == k / 3 ? gapX : gapY;
                    EXPECT_TRUE(posesKeepGaps(kEll, twoPoses(a.poses[i], a.poses[k]), gap, gap))
                        << i << " and " << k;
                }
            }
        }
    }
}

// Which poses turn: the first pose lies as the pattern's own turn says, and every other
// column (or row) half a turn more, row by row from the lower left.
TEST(Nesting, EveryOtherColumnOrRowTurnsFromTheSecond) {
    const struct {
        const char* pattern;
        std::vector<int> turns;  // 3 columns x 2 rows
    } cases[] = {
        {"0", {0, 0, 0, 0, 0, 0}},
        {"0 colonnes", {0, 180, 0, 0, 180, 0}},
        {"0 rangs", {0, 0, 0, 180, 180, 180}},
        {"180 rangs", {180, 180, 180, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern);
        const Arrangement a = arrangeCounts(kRectangle, *readPattern(c.pattern), 5, 5, 3, 2);
        std::vector<int> turns;
        for (const NestPose& pose : a.poses)
            turns.push_back(pose.turn);
        EXPECT_EQ(turns, c.turns);
    }
}

// Past a block's cut the next block starts one gap between rows further on: on 316 x 153
// with gaps 8 (in a row) and 3 (between rows), a row of 100 x 50 blanks, then a row turned a
// quarter (5 x 50 + 4 x 8 = 282 wide, 50 + 3 + 100 = 153 long): 8 poses, where one gap for
// the other leaves 6.
TEST(Nesting, BlocksAreCutOneGapBetweenRowsApart) {
    const std::optional<Arrangement> best = bestArrangement(
        kRectangle, {.width = 316, .length = 153, .gapX = 8, .gapY = 3, .quarterTurns = true});
    ASSERT_TRUE(best);
    EXPECT_EQ(best->poses.size(), 8u) << patternText(best->pattern);
    // Laid as asked, the pattern keeps it; the other way round, rows 8 apart, it takes
    // 50 + 8 + 100 of length, and the turned row holds 6 (6 x 50 + 5 x 3 = 315).
    const NestPattern blocks = *readPattern("0 bloc 1 rangs / 90 rangs");
    Arrangement laid =
        arrange(kRectangle, blocks,
                {.width = 316, .length = 153, .gapX = 8, .gapY = 3, .quarterTurns = true});
    EXPECT_EQ(laid.poses.size(), 8u);
    EXPECT_NEAR(laid.used.height(), 153, 1e-9);
    laid = arrange(kRectangle, blocks,
                   {.width = 316, .length = 158, .gapX = 3, .gapY = 8, .quarterTurns = true});
    EXPECT_EQ(laid.poses.size(), 9u);
    EXPECT_NEAR(laid.used.height(), 158, 1e-9);
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

// Taken, the arrangement is kept in the drawing file and comes back with it, blocks, slides
// and the count asked included.
TEST(Nesting, TakenArrangementSavedAndReopened) {
    Bench b;
    ASSERT_TRUE(b.draw("0901", "400", "300", "200", 2000, 1500));
    takeNestingOffer(b.wb, *optimiseImposition(b.wb, {}));
    const NestPattern taken = *b.wb.nesting();
    ASSERT_FALSE(taken.rest.empty());
    const int poses = b.wb.model().NbPoses;
    const auto file = b.dir.path() / "boite.des";
    ASSERT_TRUE(saveDesign(b.wb, file).ok);
    Bench other;
    ASSERT_TRUE(other.draw("0201", "300", "200", "150", 1000, 1000));
    ASSERT_TRUE(openDesign(other.wb, file).parametric);
    EXPECT_EQ(other.wb.nesting(), taken);
    EXPECT_EQ(other.wb.model().NbPoses, poses);
    for (const char* text : {"90 rangs", "0 bloc 2 rangs / 90 rangs colonnes", "0 quinconce",
                             "0 bloc 1 colonnes / 270 bloc 3 rangs / 180 max 30"}) {
        const std::optional<NestPattern> p = readPattern(text);
        ASSERT_TRUE(p) << text;
        EXPECT_EQ(patternText(*p), text);
    }
    for (const char* bad : {"45", "90 rangs rangs", "90 tout", "", "0 / 90", "0 bloc 2 rangs",
                            "0 bloc 0 rangs / 90", "0 max 0", "0 bloc 2 rangs max 3 / 90"})
        EXPECT_FALSE(readPattern(bad)) << bad;
}

TEST(Nesting, CommandLine) {
    test::TempDir config;
    auto run = [&config](std::vector<const char*> args) { return test::runCli(args, config); };
    const test::CliRun turned =
        run({"0713", "--longueur", "300", "--largeur", "200", "--hauteur", "150", "--format-x",
             "2000", "--format-y", "1500", "--optimiser", "--quart-de-tour"});
    EXPECT_EQ(turned.code, 0) << turned.err;
    EXPECT_NE(turned.out.find("quart de tour : cannelure en travers), grille : 3 poses"),
              std::string::npos)
        << turned.out;
    // Without leave the flutes are kept; a sheet the grid fills exactly keeps the grid.
    const test::CliRun exact =
        run({"0201", "--optimiser", "--format-x", "2904", "--format-y", "1038"});
    EXPECT_EQ(exact.code, 0) << exact.err;
    EXPECT_NE(exact.out.find("pas mieux que la grille"), std::string::npos) << exact.out;
    EXPECT_NE(exact.out.find("Poses : 2 x 2 = 4\n"), std::string::npos) << exact.out;

    struct Refused {
        std::vector<const char*> args;
        const char* says;
    };
    const Refused refused[] = {
        {{"0201", "--rouleau"}, "vont avec --optimiser"},
        {{"0201", "--optimiser", "--format-x", "2000"}, "--format-x sans --format-y"},
        {{"0201", "--format-y", "1500"}, "--format-y sans --format-x"},
        {{"0201", "--optimiser", "--rouleau", "--format-y", "1500"}, "sans --format-x"},
        {{"0201", "--format-x", "1000", "--format-y", "1000", "--marge-x", "600", "--centre"},
         "Marge en X trop grande : 2 x 600 mm"},
        {{"0201", "--optimiser", "--nb-poses", "0"}, "nombre de poses de 1 à 10000"},
        {{"0201", "--optimiser", "--nb-poses", "4", "--format-x", "2000", "--format-y", "900"},
         "--nb-poses calcule le Format Carton"},
    };
    for (const Refused& r : refused) {
        const test::CliRun out = run(r.args);
        EXPECT_EQ(out.code, 2) << r.says;
        EXPECT_NE(out.err.find(r.says), std::string::npos) << out.err;
    }

    // A count asked: exactly that many, on a sheet no longer than twice its width, or a roll.
    for (const bool roll : {false, true}) {
        SCOPED_TRACE(roll);
        std::vector<const char*> args{"0201", "--largeur",   "50",         "--hauteur",
                                      "40",   "--optimiser", "--nb-poses", roll ? "30" : "15"};
        if (roll)
            args.insert(args.end(), {"--rouleau", "--format-x", "2000"});
        const test::CliRun least = run(args);
        EXPECT_EQ(least.code, 0) << least.err;
        EXPECT_EQ(least.err.find("plus petit que la découpe"), std::string::npos) << least.err;
        const std::string count = roll ? "30 poses : " : "15 poses : ";
        EXPECT_NE(least.out.find("\n" + count), std::string::npos) << least.out;
        const auto at = least.out.find("Format Carton : ");
        ASSERT_NE(at, std::string::npos);
        double x = 0, y = 0;
        ASSERT_EQ(std::sscanf(least.out.c_str() + at, "Format Carton : %lf x %lf", &x, &y), 2);
        if (roll)
            EXPECT_EQ(x, 2000);
        else
            EXPECT_LE(std::max(x, y), 2 * std::min(x, y));
        // The offer says the sheet that is taken.
        const std::string sheet = std::to_string(static_cast<int>(x)) + " x " +
                                  std::to_string(static_cast<int>(y)) + " mm";
        EXPECT_NE(least.out.find(" sur " + sheet), std::string::npos) << least.out;
    }
}

}  // namespace
}  // namespace nesting_test
}  // namespace brontaxe
