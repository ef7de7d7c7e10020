// Designs written by the command line and read back by it: a style, a sectioned imposition,
// a die-line imposed 2 x 1; the options beside a design change it, sizes refused for a
// die-line; and the design converted to another format.

#include <gtest/gtest.h>

#include <fstream>

#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace brontaxe::cli {
namespace {

using test::CliRun;
using test::runCli;

TEST(CliDesign, ADesignWrittenWithOIsReadBackToTheSameFigures) {
    test::TempDir dir;
    {
        std::ofstream(dir / "client.dxf")
            << "0\nSECTION\n2\nHEADER\n9\n$INSUNITS\n70\n4\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n"
               "0\nLINE\n8\nCUT\n10\n0\n20\n0\n11\n300\n21\n0\n"
               "0\nLINE\n8\nCUT\n10\n300\n20\n0\n11\n300\n21\n200\n"
               "0\nLINE\n8\nCUT\n10\n300\n20\n200\n11\n0\n21\n200\n"
               "0\nLINE\n8\nCUT\n10\n0\n20\n200\n11\n0\n21\n0\n0\nENDSEC\n0\nEOF\n";
    }
    const std::string style = (dir / "style.des").string();
    const std::string cut = (dir / "coupee.des").string();
    const std::string dxf = (dir / "client.dxf").string();
    const std::string dieLine = (dir / "decoupe.des").string();
    const struct {
        std::vector<const char*> write;
        const std::string& file;
    } cases[] = {
        {{"0301", "--longueur", "420", "--qualite", "3", "-o", style.c_str()}, style},
        {{"0201", "--poses-x", "2", "--section", "700", "-o", cut.c_str()}, cut},
        {{dxf.c_str(), "--poses-x", "2", "-o", dieLine.c_str()}, dieLine},
    };
    for (const auto& c : cases) {
        test::TempDir config;
        const CliRun written = runCli(c.write, config);
        ASSERT_EQ(written.code, 0) << c.file << written.err;
        const CliRun read = runCli({c.file.c_str()}, config);
        ASSERT_EQ(read.code, 0) << c.file << read.err;
        EXPECT_EQ(read.out, written.out) << c.file;
    }

    // Options beside a design change it; a die-line takes no sizes.
    test::TempDir config;
    const CliRun longer = runCli({style.c_str(), "--longueur", "450"}, config);
    ASSERT_EQ(longer.code, 0) << longer.err;
    EXPECT_NE(longer.out.find("Modèle 0301 : intérieur 450 x 300 x 200 mm"), std::string::npos)
        << longer.out;
    const CliRun sized = runCli({dieLine.c_str(), "--longueur", "450"}, config);
    EXPECT_EQ(sized.code, 2);
    EXPECT_NE(sized.err.find("ne s'appliquent pas à une découpe importée"), std::string::npos)
        << sized.err;

    // Converted: the CF2 of the design, not "Code de modèle inconnu".
    const std::string cf2 = (dir / "style.cf2").string();
    const CliRun converted = runCli({style.c_str(), "-o", cf2.c_str()}, config);
    ASSERT_EQ(converted.code, 0) << converted.err;
    EXPECT_TRUE(std::ifstream(cf2).good());
}

}  // namespace
}  // namespace brontaxe::cli
