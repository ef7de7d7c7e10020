// Designs written by the command line and read back by it: a style, a sectioned imposition,
// a die-line imposed 2 x 1; the options beside a design change it, sizes refused for a
// die-line; and the design converted to another format.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "styles/generators.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"
#include "workbench/design_file.h"
#include "workbench/workbench.h"

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

// The "Coupant" figure printed, in metres.
double printedCut(const std::string& out) {
    const auto line = out.find("Coupant :");
    if (line == std::string::npos)
        return -1;
    std::string figure = out.substr(line + 9, out.find(" m\n", line) - line - 9);
    std::replace(figure.begin(), figure.end(), ',', '.');
    return std::stod(figure);
}

// A design edited by hand in the window draws and measures its edits on the command line; the
// options that would draw its style anew are refused.
TEST(CliDesign, AnEditedDesignPrintsTheEditedFigures) {
    test::TempDir dir;
    const std::string style = (dir / "style.des").string();
    const std::string edited = (dir / "modifiée.des").string();
    {
        test::TempDir settings;
        Workbench wb(platform::PrivateProfile(settings.path()), &findGenerator,
                     [](const char*) -> std::optional<std::string> { return std::nullopt; });
        wb.startUp();
        wb.regenerate();
        ASSERT_TRUE(saveDesign(wb, style).ok);
        // A 100 x 50 window a third of the way across the blank, at mid-height.
        std::vector<Element> blank = wb.editableBlank();
        const Box box = wb.drawing().extents();
        const double x = box.xmin + box.width() * 0.33;
        const double y = (box.ymin + box.ymax) / 2;
        for (const auto& [a, b] : {std::pair<Point, Point>{{x, y}, {x + 100, y}},
                                   {{x + 100, y}, {x + 100, y + 50}},
                                   {{x + 100, y + 50}, {x, y + 50}},
                                   {{x, y + 50}, {x, y}}})
            blank.push_back(Element{LineShape{a, b}, kind::Cut});
        ASSERT_TRUE(wb.applyBlankEdit(blank).drawn);
        ASSERT_TRUE(saveDesign(wb, edited).ok);
    }
    test::TempDir config;
    const CliRun plain = runCli({style.c_str()}, config);
    const CliRun read = runCli({edited.c_str()}, config);
    ASSERT_EQ(read.code, 0) << read.err;
    EXPECT_NE(read.out.find("Découpe modifiée à la main"), std::string::npos) << read.out;
    EXPECT_NEAR(printedCut(read.out), printedCut(plain.out) + 0.30, 0.006) << read.out;

    for (std::vector<const char*> locked :
         {std::vector<const char*>{edited.c_str(), "--longueur", "450"},
          {edited.c_str(), "--qualite", "3"},
          {edited.c_str(), "--set", "lgPatte=30"},
          {edited.c_str(), "--caisse-en-2"}}) {
        SCOPED_TRACE(locked[1]);
        const CliRun refused = runCli(locked, config);
        EXPECT_EQ(refused.code, 2);
        EXPECT_NE(refused.err.find("modifiée à la main"), std::string::npos) << refused.err;
    }
    const CliRun imposed = runCli({edited.c_str(), "--poses-x", "2"}, config);
    EXPECT_EQ(imposed.code, 0) << imposed.err;
    EXPECT_NE(imposed.out.find("Nb. Poses : 2"), std::string::npos) << imposed.out;
    EXPECT_NEAR(printedCut(imposed.out), 2 * printedCut(read.out), 0.011) << imposed.out;
}

}  // namespace
}  // namespace brontaxe::cli
