#include "pallet/cape_study.h"

#include <gtest/gtest.h>

#include "pallet/cape_link.h"
#include "platform/child_process.h"
#include "support/stand_in.h"
#include "support/temp_dir.h"

namespace brontaxe::pallet {
namespace {

// A settings folder, a drive C and an outside program folder with blanks in its name.
struct CapeDesk {
    test::TempDir dir;
    std::filesystem::path cape = dir / "Cape Pack" / "";
    platform::PrivateProfile profile{dir / "windows"};
    platform::EnvironmentLookup env = [this](const char* name) -> std::optional<std::string> {
        if (std::string(name) == "BRONTAXE_DRIVE_C")
            return (dir / "c").string();
        return std::nullopt;
    };

    CapeDesk() { std::filesystem::create_directories(dir / "windows"); }
    void configure(const std::string& openCmdLine) {
        test::writeFile(
            dir / "windows" / "cpExt.ini",
            "[general]\r\nCAPEPath=" + cape.string() + "\r\nopenCmdLine=" + openCmdLine + "\r\n");
    }
    std::string setting(const char* section, const char* key) const {
        return profile.GetString(section, key, "(absent)", 256, kCapeSettingsFile);
    }
};

PalletStudy caseStudy(const std::string& reportType = "0") {
    PalletStudy s;
    s.kind = LoadKind::ErectedCases;
    s.length = "306";
    s.width = "206";
    s.height = "156";
    s.unitWeight = "5";
    s.netWeight = "4.7";
    s.pallet = "EURO";
    s.maxHeight = "1650";
    s.maxWeight = "1000";
    s.reportType = reportType;
    s.imageWidth = "640";
    s.imageHeight = "480";
    return s;
}

TEST(CapeStudy, WithoutTheProgramsSettingsNothingIsWritten) {
    CapeDesk desk;
    for (const char* settings :
         {"", "[general]\nCAPEPath=/opt/cape/\n", "[general]\nopenCmdLine=cape\n"}) {
        test::writeFile(desk.dir / "windows" / "cpExt.ini", settings);
        EXPECT_FALSE(outsideProgramConfigured(desk.profile)) << settings;
        const Preparation p =
            prepareCapeStudy(desk.profile, caseStudy(), "c:\\korvane\\", "07/12/2026", desk.env);
        EXPECT_FALSE(p.study);
        EXPECT_TRUE(p.missingSettings);
        EXPECT_EQ(p.problem, kCapeMissingText);
    }
    EXPECT_FALSE(std::filesystem::exists(desk.cape));
}

TEST(CapeStudy, ReportSettingsFollowTheReportType) {
    struct Case {
        const char* typed;
        const char* written;
        bool size;  // units, width and height written too
    } cases[] = {{"0", "0", false}, {"1", "1", true}, {"2", "0", false}, {"abc", "0", false}};
    for (const Case& c : cases) {
        CapeDesk desk;
        desk.configure("cape");
        ASSERT_TRUE(prepareCapeStudy(desk.profile, caseStudy(c.typed), "c:\\korvane\\",
                                     "07/12/2026", desk.env)
                        .study);
        EXPECT_EQ(desk.setting("General", "ReportType"), c.written) << c.typed;
        EXPECT_EQ(desk.setting("General", "units"), c.size ? "0" : "(absent)") << c.typed;
        EXPECT_EQ(desk.setting("General", "width"), c.size ? "640" : "(absent)") << c.typed;
        EXPECT_EQ(desk.setting("General", "height"), c.size ? "480" : "(absent)") << c.typed;
        EXPECT_EQ(desk.setting("General", "DiagramType"), "8");
        EXPECT_EQ(desk.setting("general", "ActiveConnection"), "1");
        EXPECT_EQ(desk.setting("returns", "jpeg"), "c:\\korvane\\arr_excel_m.jpg");
    }
}

TEST(CapeStudy, CommandLineKeepsAProgramPathWithBlanksWhole) {
    CapeDesk desk;
    desk.configure("\"/opt/Cape Pack/cape\" -silencieux");
    const Preparation p =
        prepareCapeStudy(desk.profile, caseStudy(), "c:\\korvane\\", "07/12/2026", desk.env);
    ASSERT_TRUE(p.study) << p.problem;
    const std::string study = (desk.cape / "tutor" / "pal_excel_m.cif").string();
    EXPECT_EQ(p.study->studyFile, study);
    EXPECT_EQ(p.study->commandLine, "\"/opt/Cape Pack/cape\" -silencieux /cif\"cap\"" +
                                        desk.cape.string() + "tutor\\pal_excel_m.cif");
    EXPECT_EQ(p.study->argv, (std::vector<std::string>{"/opt/Cape Pack/cape", "-silencieux", "/cif",
                                                       "cap", study}));
    EXPECT_TRUE(std::filesystem::exists(study));
}

TEST(CapeStudy, AProgramOnDriveCIsMappedAndDirectoryBlanksTrimmed) {
    CapeDesk desk;
    test::writeFile(desk.dir / "windows" / "cpExt.ini",
                    "[general]\nCAPEPath=  C:\\CAPE\\  \nopenCmdLine=C:\\CAPE\\Cape.exe\n");
    const Preparation p =
        prepareCapeStudy(desk.profile, caseStudy(), "c:\\korvane\\", "07/12/2026", desk.env);
    ASSERT_TRUE(p.study) << p.problem;
    EXPECT_EQ(p.study->argv.front(), (desk.dir / "c" / "cape" / "cape.exe").string());
    EXPECT_EQ(p.study->studyFile, desk.dir / "c" / "cape" / "tutor" / "pal_excel_m.cif");
}

// What the outside program leaves: 57 result lines, numbered so that each box shows whence it
// came, and the image.
std::string resultText() {
    std::string text;
    for (int i = 1; i <= 57; ++i)
        text += "  L" + std::to_string(i) + " \r\n";
    return text;
}

TEST(CapeStudy, AStandInProgramRunsOnTheStudyAndItsResultsFillTheGrid) {
    CapeDesk desk;
    const auto program = desk.cape / "cape pack";
    std::filesystem::create_directories(desk.cape);
    test::writeFile(desk.dir / "result.txt", resultText());
    test::writeFile(desk.dir / "result.jpg", "JPEG");
    test::writeStandIn(program, desk.dir / "args",
                       "printf 'txt=%s\\r\\n' '" + (desk.dir / "result.txt").string() + "' >> '" +
                           (desk.dir / "windows" / "cpExt.ini").string() + "'");
    desk.configure("\"" + program.string() + "\"");
    // The image is named in the settings by the study itself; the stand-in leaves it there.
    const std::string rep = (desk.dir / "korvane").string() + "/";
    PalletStudy study = caseStudy();
    const Preparation p = prepareCapeStudy(desk.profile, study, rep, "07/12/2026", desk.env);
    ASSERT_TRUE(p.study) << p.problem;
    desk.profile.WriteString("returns", "jpeg", (desk.dir / "result.jpg").string(),
                             kCapeSettingsFile);

    std::string error;
    platform::ChildProcess run = platform::ChildProcess::start(p.study->argv, error);
    ASSERT_TRUE(run.started()) << error;
    ASSERT_TRUE(platform::waitPumping(run, [] { return true; }));
    EXPECT_EQ(test::recordedArguments(desk.dir / "args"),
              (std::vector<std::string>{"/cif", "cap", p.study->studyFile.string()}));

    const auto results =
        collectCapeResults(desk.profile, LoadKind::ErectedCases, ResultGrid(), rep, desk.env);
    ASSERT_TRUE(results);
    ASSERT_TRUE(results->gridRead);
    const ResultGrid& g = results->grid;
    EXPECT_EQ(g.Text2[0], "L35");
    EXPECT_EQ(g.Text2[4], "L39");
    EXPECT_EQ(g.Text2[9], "0");  // line 51 read as a number: "L51" is none
    EXPECT_EQ(g.Text2[10], "L19");
    EXPECT_EQ(g.Text2[12], "L21");
    EXPECT_EQ(g.Text2[17], "L47");
    EXPECT_EQ(g.Text2[22], "L52");
    EXPECT_EQ(g.Text4[0], "L42");
    EXPECT_EQ(g.Text4[1], "L43");
    ASSERT_TRUE(results->image);
    EXPECT_EQ(*results->image, desk.dir / "korvane" / "result.jpg");
    EXPECT_EQ(test::readFile(*results->image), "JPEG");
}

TEST(CapeStudy, FlatBlanksTotalIsLayersTimesBlanksPerLayer) {
    std::vector<std::string> lines(58, "0");
    lines[12] = "12";
    lines[21] = "8";
    lines[51] = "1234.50";
    const ResultGrid g = gridFromResultLines(lines, LoadKind::FlatBlanks);
    EXPECT_EQ(g.Text2[10], "12");
    EXPECT_EQ(g.Text2[11], "8");
    EXPECT_EQ(g.Text2[12], "96");
    EXPECT_EQ(g.Text2[9], "1234.5");
}

TEST(CapeStudy, MissingReturnsOrResultTextAreToldApart) {
    CapeDesk desk;
    desk.configure("cape");
    ResultGrid previous;
    previous.Text2[0] = "avant";
    EXPECT_FALSE(collectCapeResults(desk.profile, LoadKind::ErectedCases, previous, "c:\\korvane\\",
                                    desk.env));
    desk.profile.WriteString("returns", "txt", (desk.dir / "absent.txt").string(),
                             kCapeSettingsFile);
    desk.profile.WriteString("returns", "jpeg", (desk.dir / "absent.jpg").string(),
                             kCapeSettingsFile);
    const auto r = collectCapeResults(desk.profile, LoadKind::ErectedCases, previous,
                                      "c:\\korvane\\", desk.env);
    ASSERT_TRUE(r);
    EXPECT_FALSE(r->gridRead);
    EXPECT_EQ(r->grid.Text2[0], "avant");
    EXPECT_FALSE(r->image);
}

TEST(CapeStudy, AnImageAlreadyInTheWorkingFolderIsNotCopiedOntoItself) {
    test::TempDir dir;
    test::writeFile(dir / "arr_excel_m.jpg", "JPEG");
    EXPECT_EQ(copyResultImage(dir / "arr_excel_m.jpg", dir.path()), dir / "arr_excel_m.jpg");
    EXPECT_EQ(test::readFile(dir / "arr_excel_m.jpg"), "JPEG");
    EXPECT_EQ(fileNameOf("c:\\korvane\\arr.jpg"), "arr.jpg");
    EXPECT_EQ(CompatiblePath("  C:\\CAPE "), "C:\\CAPE\\");
    EXPECT_EQ(CompatiblePath("C:\\CAPE\\"), "C:\\CAPE\\");
}

}  // namespace
}  // namespace brontaxe::pallet
