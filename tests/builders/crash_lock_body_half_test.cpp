// The crash-lock bottom: glued flaps folded at 45° from the corners the case folds flat on,
// lock flaps whose hooks catch behind each other, a closed outline, and sizes it refuses.

#include "builders/crash_lock_body_half.h"

#include <gtest/gtest.h>

#include <cmath>

#include "builders/emit.h"
#include "platform/errors.h"
#include "support/builder_bodies.h"
#include "support/near.h"
#include "support/outline.h"

namespace brontaxe {
namespace {

using test::horizontalLinesAt;

// 400 x 300 body, 100 high, no allowances; glue flap 36, slots 8 centred on the creases, so
// the flap feet start 4 mm beside each crease: panel 2 at 440, panel 4 at 1140.
constexpr std::array<float, 4> kPanels{400, 300, 400, 300};
constexpr float kH = 100;

struct CrashLock : ::testing::Test {
    test::Built g;
    Drawing& d = g.d;
    BlankSettings& settings = g.settings;
    MachinePassTable& passes = g.passes;

    void draw(const std::array<float, 4>& panels = kPanels, bool mirrored = false) {
        GenerationPass pass(d);
        CrashLockBodyHalf(
            d,
            {.panels = panels, .h = kH, .lock = crashLockSizes(panels), .glue = test::kStartupGlue},
            settings, {.mirrored = mirrored})
            .writeTo(passes);
    }
    // Creases that rise at 45° from (x, y).
    int diagonalsFrom(double x, double y, double length) {
        int found = 0;
        for (const auto& l : test::linesOfKind(d, kind::Crease)) {
            const Point lo = l.a.y < l.b.y ? l.a : l.b, hi = l.a.y < l.b.y ? l.b : l.a;
            if (areNear(lo.x, x, 1e-3) && areNear(lo.y, y, 1e-3) &&
                areNear(hi.x - lo.x, length, 1e-3) && areNear(hi.y - lo.y, length, 1e-3))
                ++found;
        }
        return found;
    }
};

TEST_F(CrashLock, SizesComeFromTheNeighbouringPanels) {
    const CrashLockSizes s = crashLockSizes(kPanels);
    EXPECT_EQ(s.lockDepth, 150);  // to the middle of the 300 bottom
    EXPECT_EQ(s.glueDepth, 150);  // half the narrower side
    EXPECT_EQ(s.tongue, 12);
    EXPECT_EQ(s.clearance, 5);
    // Odd widths round down, as the slotted flaps do.
    EXPECT_EQ(crashLockSizes({400, 301, 400, 301}).lockDepth, 150);
}

TEST_F(CrashLock, GluedFlapsFoldAt45DegreesFromTheFlatFoldedCorners) {
    draw();
    EXPECT_EQ(diagonalsFrom(36 + 400 + 4, kH, 150), 1);
    EXPECT_EQ(diagonalsFrom(36 + 1100 + 4, kH, 150), 1);
    EXPECT_EQ(test::linesOfKind(d, kind::Crease).size(), 4u + 4 + 2);  // panels, bottom, 45°
}

TEST_F(CrashLock, HooksReachPastTheMiddleAndCatchBehindEachOther) {
    draw();
    // Panel 1 (feet 40 to 432): tongue half on the left, short half on the right.
    const auto tongue = horizontalLinesAt(d, kind::Cut, kH + 150 + 12);
    const auto shortHalf = horizontalLinesAt(d, kind::Cut, kH + 150 - 5);
    ASSERT_EQ(tongue.size(), 2u);  // panels 1 and 3
    ASSERT_EQ(shortHalf.size(), 2u);
    EXPECT_NEAR(std::max(tongue[0].a.x, tongue[0].b.x), 236, 1e-3);
    EXPECT_NEAR(std::min(shortHalf[0].a.x, shortHalf[0].b.x), 236, 1e-3);
    // Across the bottom the tongue of one lock flap and the short half of the other overlap by
    // the tongue less the clearance: the hooks catch, at any width.
    for (float width : {300.0f, 301.0f, 120.0f}) {
        const CrashLockSizes s = crashLockSizes({400, width, 400, width});
        const float overlap = (s.lockDepth + s.tongue) + (s.lockDepth - s.clearance) - width;
        EXPECT_GE(overlap, 5) << width;
        EXPECT_LE(overlap, 7) << width;
    }
    // Closed but for the body's lower corners, where the other half joins on.
    const std::vector<Point> loose = test::looseCutEnds(d);
    ASSERT_EQ(loose.size(), 2u);
    for (const Point& p : loose) {
        EXPECT_TRUE(test::near(p.y, 0, 1e-3));
        EXPECT_TRUE(areNear(p.x, 0, 1e-3) || areNear(p.x, 1436, 1e-3)) << testing::PrintToString(p);
    }
    EXPECT_TRUE(test::noLineDrawnTwice(d));
}

TEST_F(CrashLock, LowerHalfHangsBelowTheBodyAndRecordsItsFlaps) {
    draw(kPanels, true);
    EXPECT_NEAR(d.extents().ymin, -(kH + 162), 1e-3);
    EXPECT_NEAR(d.extents().ymax, 0, 1e-3);
    EXPECT_EQ(passes[12], 162);
    EXPECT_EQ(passes[13], 150);
    EXPECT_EQ(passes[7], 0);  // the upper half's flaps are the top's business
}

TEST_F(CrashLock, RefusesABottomThatCannotLock) {
    for (const std::array<float, 4>& panels :
         {std::array<float, 4>{400, 8, 400, 8}, std::array<float, 4>{30, 300, 30, 300}}) {
        EXPECT_FALSE(crashLockFault(settings.slots, panels, crashLockSizes(panels)).empty());
        EXPECT_THROW(draw(panels), GenerationError);
    }
    EXPECT_TRUE(crashLockFault(settings.slots, kPanels, crashLockSizes(kPanels)).empty());
}

}  // namespace
}  // namespace brontaxe
