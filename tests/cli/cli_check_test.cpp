// The command line and the design-rule check: the verdict under the figures, --controle's exit
// code, die-making files refused from a blank with findings unless --force, and sizes outside
// a style's domain refused.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <vector>

#include "cli/cli_app.h"
#include "cli/cli_check.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace brontaxe::cli {
namespace {

using test::CliRun;
using test::runCli;

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Flaps of the length panels 20 mm deeper than half the width: they collide when folded.
constexpr const char* kLongFlaps = "Majo(6)=20";

TEST(CliCheck, PrintsTheVerdictAndControleExitsWithItsOwnCodeOnFindings) {
    test::TempDir config;
    const CliRun clean = runCli({"0201", "--controle"}, config);
    EXPECT_EQ(clean.code, 0) << clean.err;
    EXPECT_TRUE(has(clean.out, "Contrôle : aucun défaut")) << clean.out;

    const CliRun faulty = runCli({"0201", "--set", kLongFlaps}, config);
    EXPECT_EQ(faulty.code, 0) << faulty.err;
    EXPECT_TRUE(has(faulty.out, "Contrôle : 1 défaut\n")) << faulty.out;
    EXPECT_TRUE(has(faulty.out,
                    "Rabats en collision : rabats des panneaux de longueur, "
                    "170 + 170 mm sur 303 mm"))
        << faulty.out;
    EXPECT_EQ(runCli({"0201", "--set", kLongFlaps, "--controle"}, config).code, kExitFindings);
}

TEST(CliCheck, FittingStripsDrawTheirCreaseListOnce) {
    test::TempDir config;
    for (const char* code : {"0914 Int", "0914 Ext", "0920 Ext", "0951", "0951 Ext"}) {
        SCOPED_TRACE(code);
        const CliRun run = runCli({code, "--controle"}, config);
        EXPECT_EQ(run.code, 0) << run.out << run.err;
        EXPECT_FALSE(has(run.out, "Filets superposés")) << run.out;
    }
}

TEST(CliCheck, AWarningIsReportedButNeverBlocksTheDie) {
    test::TempDir config;
    test::TempDir out;
    // Hand-holes 2 mm under the flaps' crease: the board tears there when the box is lifted.
    const std::string path = (out / "boite.cf2").string();
    const CliRun run = runCli(
        {"0201", "--set", "OptionPoign=1", "--set", "DPoign=2", "-o", path.c_str(), "--controle"},
        config);
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_TRUE(has(run.out, "Contrôle : aucun défaut, ")) << run.out;
    EXPECT_TRUE(has(run.out, "Trou trop près d'un rainage")) << run.out;
    EXPECT_TRUE(std::filesystem::exists(path));
}

TEST(CliCheck, DieMakingFilesOfABlankWithFindingsAreWrittenOnlyWhenForced) {
    test::TempDir config;
    test::TempDir out;
    for (const char* name : {"boite.cf2", "boite.DXF"}) {
        SCOPED_TRACE(name);
        const std::string path = (out / name).string();
        const CliRun refused = runCli({"0201", "--set", kLongFlaps, "-o", path.c_str()}, config);
        EXPECT_EQ(refused.code, kExitFindings);
        EXPECT_TRUE(has(refused.err, "non écrit : la découpe a 1 défaut")) << refused.err;
        EXPECT_FALSE(std::filesystem::exists(path));

        const CliRun forced =
            runCli({"0201", "--set", kLongFlaps, "-o", path.c_str(), "--force"}, config);
        EXPECT_EQ(forced.code, 0) << forced.err;
        EXPECT_TRUE(std::filesystem::exists(path));

        const std::string clean = (out / ("propre-" + std::string(name))).string();
        EXPECT_EQ(runCli({"0201", "-o", clean.c_str()}, config).code, 0);
        EXPECT_TRUE(std::filesystem::exists(clean));
    }
    // A picture of the blank is no die: written with its findings.
    const std::string pdf = (out / "boite.pdf").string();
    EXPECT_EQ(runCli({"0201", "--set", kLongFlaps, "-o", pdf.c_str()}, config).code, 0);
    EXPECT_TRUE(std::filesystem::exists(pdf));
}

TEST(CliCheck, SizesOutsideTheStylesDomainAreRefusedAndNamed) {
    test::TempDir config;
    const CliRun r = runCli({"0201", "--longueur", "100", "--largeur", "600"}, config);
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(has(r.err, "Largeur supérieure à la longueur : 600 mm pour 100 mm")) << r.err;
    EXPECT_FALSE(has(r.out, "Contrôle"));
}

}  // namespace
}  // namespace brontaxe::cli
