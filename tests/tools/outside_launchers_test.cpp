#include "workbench/outside_launchers.h"

#include <gtest/gtest.h>

#include "board/grade_table.h"
#include "support/stand_in.h"
#include "support/temp_dir.h"
#include "workbench/workbench.h"

namespace brontaxe::tools {
namespace {

struct RcvCase {
    float lengthText, widthText, heightText, epaisseur;
    std::int16_t grade;
    const char* line;
};

TEST(KorRcv, CommandLineAsTheCalculatorReadsIt) {
    GradeTable grades;
    grades.append({"BC", "K", 3, 0});
    grades.append({"2 - BC - double cannelure", "DC7", 7, 1});
    const RcvCase cases[] = {
        {300, 200, 150, 3, 1,
         "C:\\wkorvane\\bin32\\KorRCV.exe   L= 306;B= 206;H= 156;Q=BC;C=K;e= 3"},
        {300.5, 200, 150, 3, 1,
         "C:\\wkorvane\\bin32\\KorRCV.exe   L= 306.5;B= 206;H= 156;Q=BC;C=K;e= 3"},
        {300, 200.2f, 150, 6.5f, 2,
         "C:\\wkorvane\\bin32\\KorRCV.exe   L= 313;B= 213.2;H= 163;Q=2 - BC - double "
         "cannelure;C=DC7;e= 6.5"},
        {0.5f, 200, 150, 0, 0, "C:\\wkorvane\\bin32\\KorRCV.exe   L= .5;B= 200;H= 150;Q=;C=;e= 0"},
    };
    for (const RcvCase& c : cases) {
        Model m;
        m.Longueur = c.lengthText;
        m.Largeur = c.widthText;
        m.Hauteur = c.heightText;
        m.EpaisseurCarton = c.epaisseur;
        m.NumQualite = c.grade;
        EXPECT_EQ(korRcvCommandLine(kDefaultKorRcv, m, grades), c.line);
    }
}

TEST(KorRcv, ArgumentsKeepTheGradeLabelInOneArgument) {
    GradeTable grades;
    grades.append({"1 - B - simple", "K", 3, 0});
    Model m;
    m.Longueur = 300;
    m.Largeur = 200;
    m.Hauteur = 150;
    m.EpaisseurCarton = 3;
    m.NumQualite = 1;
    const platform::EnvironmentLookup env = [](const char*) -> std::optional<std::string> {
        return "/c";
    };
    EXPECT_EQ(korRcvArguments(OutsidePrograms{}, m, grades, env),
              (std::vector<std::string>{"/c/wkorvane/bin32/korrcv.exe",
                                        "L= 306;B= 206;H= 156;Q=1 - B - simple;C=K;e= 3"}));
}

TEST(Korvane3D, CommandLineHasTheBlankInsideTheQuotes) {
    EXPECT_EQ(korvane3DCommandLine(kDefaultKorvane3D),
              "\"C:\\wkorvane\\bin\\Korvane3D.exe \" c:\\korvane\\brontaxe.des");
}

TEST(KorGeom, OnlyTheExactPasteMarkerTakesThePastePath) {
    EXPECT_TRUE(isPasteHandOver("C:\\temp\\$Paste1.des"));
    EXPECT_FALSE(isPasteHandOver("C:\\temp\\$paste1.des"));
    EXPECT_FALSE(isPasteHandOver("C:\\temp\\$PASTE.des"));
    EXPECT_FALSE(isPasteHandOver("boite.des"));
}

// A workbench with its own settings and drive C, and stand-ins for the outside programs.
struct Desk {
    test::TempDir dir;
    platform::EnvironmentLookup env = [this](const char* name) -> std::optional<std::string> {
        if (std::string(name) == "BRONTAXE_DRIVE_C")
            return (dir / "c").string();
        return std::nullopt;
    };
    Workbench wb{platform::PrivateProfile(dir.path())};
    OutsidePrograms programs;

    Desk() {
        test::writeFile(dir / "korparam.ini",
                        "[Preferences]\nMajoFefco=" + (dir / "sans-tables/").string() + "\n");
        wb.startUp();
        wb.regenerate();
        std::filesystem::create_directories(dir / "mes programmes");
        programs.korvane3D = (dir / "mes programmes" / "visionneuse").string();
        programs.korGeom = (dir / "mes programmes" / "cao").string();
        test::writeStandIn(programs.korvane3D, dir / "args");
        test::writeStandIn(programs.korGeom, dir / "args");
    }
    bool filtered() const { return !wb.drawing().filter().hidesNothing(); }
};

TEST(Export3D, EachCommandWritesItsFileWithoutDimensionsAndOnlyKorvane3DStartsAViewer) {
    const std::pair<Export3D, const char*> commands[] = {
        {Export3D::Korvane3D, "brontaxe.des"},
        {Export3D::Presenter3D, "brontaxe.ev"},
        {Export3D::Pliao, "brontaxe.pli"},
    };
    for (const auto& [kind, file] : commands) {
        Desk desk;
        const Export3DResult r = export3D(desk.wb, kind, desk.programs, desk.env);
        EXPECT_EQ(r.problem, std::nullopt);
        EXPECT_EQ(r.file, desk.dir / "c" / "korvane" / file);
        EXPECT_GT(std::filesystem::file_size(r.file), 0u) << file;
        EXPECT_FALSE(desk.wb.model().Mode3D);
        EXPECT_FALSE(desk.filtered()) << "the dimensions are shown again";
        if (kind == Export3D::Korvane3D)
            EXPECT_EQ(test::recordedArguments(desk.dir / "args"),
                      std::vector<std::string>{r.file.string()});
        else
            EXPECT_FALSE(std::filesystem::exists(desk.dir / "args")) << file;
    }
}

TEST(Export3D, TheDimensionFilterStaysWhenTheUserHadSetIt) {
    Desk desk;
    desk.wb.window().dimensioningHidden = true;
    desk.wb.regenerate();
    ASSERT_TRUE(desk.filtered());
    export3D(desk.wb, Export3D::Pliao, desk.programs, desk.env);
    EXPECT_TRUE(desk.filtered());
}

TEST(Export3D, AMissingViewerIsSaidAndTheWindowGetsItsModeBack) {
    Desk desk;
    desk.programs.korvane3D = (desk.dir / "absent" / "Korvane3D.exe").string();
    const Export3DResult r = export3D(desk.wb, Export3D::Korvane3D, desk.programs, desk.env);
    EXPECT_EQ(r.problem, "Programme introuvable : " + desk.programs.korvane3D);
    EXPECT_TRUE(std::filesystem::exists(r.file));
    EXPECT_FALSE(desk.wb.model().Mode3D);
    EXPECT_FALSE(desk.filtered());
}

TEST(Export3D, TheDefaultViewerIsLookedForOnDriveC) {
    Desk desk;
    const Export3DResult r = export3D(desk.wb, Export3D::Korvane3D, OutsidePrograms{}, desk.env);
    EXPECT_EQ(r.problem, "Programme introuvable : " +
                             (desk.dir / "c" / "wkorvane" / "bin" / "korvane3d.exe").string());
}

TEST(Stapelix, StartsWithoutDataInTheFolderOfItsProgram) {
    Desk desk;
    const ProgramRun byDefault = stapelixRun(OutsidePrograms{}, desk.env);
    const auto bin = desk.dir / "c" / "program files" / "velbrin" / "lomdrak" / "stapelix" / "bin";
    EXPECT_EQ(byDefault.argv,
              std::vector<std::string>{(bin / "velbrin.stapelix.desktop.exe").string()});
    EXPECT_EQ(byDefault.workingDirectory, bin.string());

    OutsidePrograms moved;
    moved.stapelix = "  /opt/stapelix/Stapelix  ";
    const ProgramRun configured = stapelixRun(moved, desk.env);
    EXPECT_EQ(configured.argv, std::vector<std::string>{"/opt/stapelix/Stapelix"});
    EXPECT_EQ(configured.workingDirectory, "/opt/stapelix");
}

TEST(KorGeom, TheCadProgramIsStartedOnTheSavedDrawing) {
    Desk desk;
    EXPECT_EQ(openInKorGeom(desk.programs, "/tmp/ma boite.des", desk.env), std::nullopt);
    EXPECT_EQ(test::recordedArguments(desk.dir / "args"),
              std::vector<std::string>{"/tmp/ma boite.des"});
}

}  // namespace
}  // namespace brontaxe::tools
