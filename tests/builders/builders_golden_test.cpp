// Golden dumps of the builders with the most elements, guarding them against unintended
// change. After a reviewed change, run scripts/accept-golden.sh to write the new dumps.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "builders/double_wall_tray.h"
#include "builders/emit.h"
#include "builders/lidded_body_half.h"
#include "builders/snap_lock_body_half.h"
#include "drawing/drawing_dump.h"
#include "support/builder_bodies.h"
#include "support/style_fixture.h"
#include "support/temp_dir.h"

namespace brontaxe {
namespace {

void checkGolden(const char* file, const std::function<void(Model&, Drawing&)>& draw) {
    test::Generated g;
    {
        GenerationPass pass(g.d);
        draw(g.m, g.d);
    }
    const std::string actual = dumpDrawing(g.d);
    const std::filesystem::path path = std::filesystem::path(BRONTAXE_GOLDEN_DIR) / file;
    if (std::getenv("BRONTAXE_ACCEPT_GOLDEN")) {
        test::writeFile(path, actual);
        return;
    }
    ASSERT_TRUE(std::filesystem::exists(path)) << path << " is missing";
    EXPECT_EQ(actual, test::readFile(path)) << "drawing differs from " << path;
}

TEST(GoldenBuilders, LiddedBodyOverAShapedBottomWithHandHoles) {
    checkGolden("builders_lid_over_shaped_bottom.txt", [](Model& m, Drawing& d) {
        m.OptionPoign = 3;
        LiddedBodyHalf(m, d, test::kLid);
        SnapLockBodyHalf(m, d, test::kSnapLock);
    });
}

TEST(GoldenBuilders, DoubleWallTrayWithCornerCreasesAndHandHoles) {
    checkGolden("builders_double_wall_tray.txt", [](Model& m, Drawing& d) {
        m.OptionPoign = 3;
        DoubleWallTray(m, d,
                       {.a = 200,
                        .b = 150,
                        .h = 100,
                        .endWallDiagonals = true,
                        .sideWallDiagonals = true,
                        .flapDiagonals = true,
                        .flaps = CornerFlaps::DoubleEndWalls,
                        .doubleWall = DoubleWallSizes{100, 100, 100, 106}});
    });
}

}  // namespace
}  // namespace brontaxe
