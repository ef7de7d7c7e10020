#include "builders/alternate_folds.h"

#include <gtest/gtest.h>

#include <cmath>

#include "builders/emit.h"
#include "platform/errors.h"
#include "support/builder_bodies.h"
#include "support/outline.h"

namespace brontaxe {
namespace {

using test::horizontalLinesAt;
using test::verticalLinesAt;

// A one-piece folder: end flaps 100 | bottom 400 | end flaps 100 across; lid half 150, side
// 100, bottom 300, side 100, lid half 150 upwards, the lid halves over the bottom only.
FoldGrid folder() {
    FoldGrid g;
    g.columns = {100, 400, 100};
    g.rows = {{150, 1, 1}, {100, 0, 2}, {300, 0, 2}, {100, 0, 2}, {150, 1, 1}};
    g.creasedAcross = {false, true, false};
    return g;
}

struct FoldGridBuilder : ::testing::Test {
    test::Built g;
    void draw(const FoldGrid& grid) {
        GenerationPass pass(g.d);
        AlternateFolds(g.d, grid).writeTo(g.passes);
    }
};

TEST_F(FoldGridBuilder, RowBoundariesAreSlitAcrossTheEndFlapsAndCreasedAcrossTheBottom) {
    draw(folder());
    EXPECT_NEAR(g.d.BlankSizeX(), 600, 1e-4);
    EXPECT_NEAR(g.d.BlankSizeY(), 800, 1e-4);
    for (double y : {250.0, 550.0, 650.0}) {
        const auto slits = horizontalLinesAt(g.d, kind::Cut, y);
        ASSERT_EQ(slits.size(), 2u) << y;
        EXPECT_NEAR(slits[0].a.x + slits[0].b.x, 100, 1e-4) << y;  // 0 to 100
        EXPECT_NEAR(slits[1].a.x + slits[1].b.x, 1100, 1e-4) << y;
        ASSERT_EQ(horizontalLinesAt(g.d, kind::Crease, y).size(), 1u) << y;
    }
    // Where the lid half meets the side: a crease over the bottom, outline beside it.
    EXPECT_EQ(horizontalLinesAt(g.d, kind::Crease, 150).size(), 1u);
    EXPECT_EQ(horizontalLinesAt(g.d, kind::Cut, 150).size(), 2u);
    // The end flaps fold on the columns' boundaries; the lid halves' ends are cut.
    EXPECT_EQ(verticalLinesAt(g.d, kind::Crease, 100).size(), 3u);
    EXPECT_EQ(verticalLinesAt(g.d, kind::Cut, 100).size(), 2u);
    EXPECT_TRUE(test::cutOutlineIsClosedOrEndsOnFolds(g.d));
    EXPECT_TRUE(test::noLineDrawnTwice(g.d));
    EXPECT_TRUE(test::noLineDrawnTwice(g.d, kind::Crease));
    EXPECT_EQ(g.passes[1], 400);
    EXPECT_EQ(g.passes[8], 300);
    EXPECT_EQ(g.passes[3], 0);
}

// The side rows' end cells (corner flaps, 100 wide in full) narrowed to `width`: their free
// side is cut `width` from the bottom's column, the rest of their column left off the blank.
TEST(FoldGridEndCells, NarrowedEndCellsKeepTheirWidthBesideTheirNeighbour) {
    struct Case {
        float width;
        double freeSide;  // x of the left cell's free side
    };
    for (const Case c : {Case{60, 40}, Case{0, 0}, Case{100, 0}, Case{130, 0}}) {
        SCOPED_TRACE(c.width);
        test::Built g;
        FoldGrid grid = folder();
        grid.rows[1].endCellWidth = grid.rows[3].endCellWidth = c.width;
        GenerationPass pass(g.d);
        AlternateFolds(g.d, grid).writeTo(g.passes);
        for (const double x : {c.freeSide, 600 - c.freeSide})  // two side rows, and the bottom's
            EXPECT_EQ(verticalLinesAt(g.d, kind::Cut, x).size(), c.freeSide > 0 ? 2u : 3u) << x;
        // Below the lid half, the outline runs from the narrowed cell's free side.
        const auto outline = horizontalLinesAt(g.d, kind::Cut, 150);
        ASSERT_EQ(outline.size(), 2u);
        EXPECT_NEAR(std::fmin(outline[0].a.x, outline[0].b.x), c.freeSide, 1e-4);
        EXPECT_TRUE(test::cutOutlineIsClosedOrEndsOnFolds(g.d));
        EXPECT_TRUE(test::noLineDrawnTwice(g.d));
    }
}

TEST_F(FoldGridBuilder, CutsComeBeforeCreasesAndEveryLineIsRegistered) {
    draw(folder());
    EXPECT_EQ(g.d.tracer().count(), g.d.ElementCount());
    bool creaseSeen = false;
    for (const Element& e : g.d.elements()) {
        if (e.lineKind == kind::Crease)
            creaseSeen = true;
        EXPECT_FALSE(creaseSeen && e.lineKind == kind::Cut);
    }
}

TEST_F(FoldGridBuilder, RefusesGridsThatCannotBeDrawn) {
    FoldGrid noWidth = folder();
    noWidth.columns[0] = 0;
    EXPECT_THROW(draw(noWidth), GenerationError);
    FoldGrid outside = folder();
    outside.rows[0].lastColumn = 3;
    EXPECT_THROW(draw(outside), GenerationError);
    EXPECT_THROW(draw(FoldGrid{}), GenerationError);
    EXPECT_EQ(g.d.ElementCount(), 0);
}

}  // namespace
}  // namespace brontaxe
