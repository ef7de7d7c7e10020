// Golden dumps guard the drawings against unintended change. After a reviewed change, run
// scripts/accept-golden.sh to write the new dumps.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "drawing/drawing_dump.h"
#include "styles/02/fco200.h"
#include "support/style_fixture.h"
#include "support/temp_dir.h"

namespace brontaxe {
namespace {

struct GoldenCase {
    const char* file;
    std::function<void(Model&)> setUp;
};

void checkGolden(const GoldenCase& c) {
    test::Generated g;
    c.setUp(g.m);
    Fco0201(g.m, g.d);
    const std::string actual = dumpDrawing(g.d);
    const std::filesystem::path path = std::filesystem::path(BRONTAXE_GOLDEN_DIR) / c.file;
    if (std::getenv("BRONTAXE_ACCEPT_GOLDEN")) {
        test::writeFile(path, actual);
        return;
    }
    ASSERT_TRUE(std::filesystem::exists(path)) << path << " is missing";
    EXPECT_EQ(actual, test::readFile(path)) << "drawing differs from " << path;
}

TEST(Golden, Fco0201Default) {
    checkGolden({"0201_default.txt", [](Model&) {}});
}

TEST(Golden, Fco0201AllowancesOffsetSlotsHandHolesAndGlueExtension) {
    checkGolden({"0201_allowances_handholes.txt", [](Model& m) {
                     m.Majo = {0, 2, 3, 2, 3, 6, 2, 0};
                     m.decalenc = 1;
                     m.OptionPoign = 3;
                     m.patProlong = 15;
                 }});
}

}  // namespace
}  // namespace brontaxe
