#include "cli/cli_bridges.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/cli_run.h"

namespace brontaxe::cli {
namespace {

// The number after a caption in the figures, e.g. "Ponts :".
double figureAfter(const std::string& out, const std::string& caption) {
    const std::size_t at = out.find(caption);
    if (at == std::string::npos)
        return -1;
    std::string figure = out.substr(at + caption.size(), out.find('\n', at) - at - caption.size());
    std::replace(figure.begin(), figure.end(), ',', '.');
    return std::stod(figure);
}

// A die-line in CFF2: a rectangle of cut, 400 by 200 mm, each side with the given bridge fields.
std::string rectangle(const std::string& bridges) {
    std::string out = "$BOF\nMAIN,M\nUM\n";
    for (const char* side : {"0,0,400,0", "400,0,400,200", "400,200,0,200", "0,200,0,0"})
        out += std::string("L,2,1,0,") + side + "," + bridges + "\n";
    return out + "END\n$EOF\n";
}

// Bridges placed on a code, on a die-line without any, and those a die-line came with kept.
TEST(CliBridges, PlacesBridgesCountsThemAndPrintsTheRules) {
    const struct {
        const char* name;
        std::string dieLine;
        int fewest, most;
    } cases[] = {{"Code", "", 21, 1000},
                 {"DieLineWithout", rectangle("0,0"), 6, 6},
                 {"DieLineWithItsOwn", rectangle("1,0.5"), 4, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir config;
        const std::string file = (config / "plan.cf2").string();
        if (!c.dieLine.empty())
            test::writeFile(file, c.dieLine);
        const test::CliRun r = runCli(
            {c.dieLine.empty() ? "0201" : file.c_str(), "--ponts", "0.5,150", "--regles"}, config);
        ASSERT_EQ(r.code, 0) << r.err;
        const double bridges = figureAfter(r.out, "Ponts :");
        EXPECT_GE(bridges, c.fewest) << r.out;
        EXPECT_LE(bridges, c.most) << r.out;
        EXPECT_NEAR(figureAfter(r.out, "Coupant - ponts :"),
                    figureAfter(r.out, "Coupant :") - bridges * 0.5 / 1000, 0.011);
        EXPECT_NE(r.out.find("Règles de la forme\n  Coupant : "), std::string::npos) << r.out;
        EXPECT_NE(r.out.find(std::to_string(static_cast<int>(bridges)) + " pont(s)"),
                  std::string::npos);
    }
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
