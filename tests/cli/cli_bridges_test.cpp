#include "cli/cli_bridges.h"

#include <gtest/gtest.h>

#include "support/cli_run.h"

namespace brontaxe::cli {
namespace {

// The number after a caption in the figures, e.g. "Ponts :".
double figureAfter(const std::string& out, const std::string& caption) {
    const std::size_t at = out.find(caption);
    return at == std::string::npos ? -1 : std::stod(out.substr(at + caption.size()));
}

TEST(CliBridges, PlacesBridgesCountsThemAndPrintsTheRules) {
    test::TempDir config;
    const test::CliRun r = runCli({"0201", "--ponts", "0.5,150", "--regles"}, config);
    ASSERT_EQ(r.code, 0) << r.err;
    const double bridges = figureAfter(r.out, "Ponts :");
    EXPECT_GT(bridges, 20) << r.out;
    EXPECT_NEAR(figureAfter(r.out, "Coupant - ponts :"),
                figureAfter(r.out, "Coupant :") - bridges * 0.5 / 1000, 0.011);
    EXPECT_NE(r.out.find("Règles de la forme\n  Coupant : "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(std::to_string(static_cast<int>(bridges)) + " pont(s)"),
              std::string::npos);
}

TEST(CliBridges, RefusesWidthsAndPitchesOutOfReach) {
    for (const char* bad : {"0,5", "abc", "0.5,0", "12", "0.5,x"}) {
        test::TempDir config;
        const test::CliRun r = runCli({"0201", "--ponts", bad}, config);
        EXPECT_EQ(r.code, 2) << bad;
        EXPECT_NE(r.err.find("Ponts incorrects"), std::string::npos) << bad << r.err;
    }
}

}  // namespace
}  // namespace brontaxe::cli
