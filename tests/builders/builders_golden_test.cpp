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
        LiddedBodyHalf(m, d,
                       {.p1 = 400,
                        .p2 = 300,
                        .p3 = 400,
                        .p4 = 300,
                        .h = 100,
                        .q = 310,
                        .T = 30,
                        .r = 10,
                        .F = 120,
                        .lip = 3,
                        .p5 = 394});
        SnapLockBodyHalf(m, d,
                         {.h = 100,
                          .p1 = 400,
                          .p2 = 300,
                          .p3 = 400,
                          .p4 = 300,
                          .notch = 10,
                          .depth = 150,
                          .shoulder = 40,
                          .step = 60,
                          .radius = 5});
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
