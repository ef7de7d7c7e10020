// A design saved as .des and opened again: the design block of the file, the model restored
// through the field setter, a restart in between, and the files that must be refused.
#include "workbench/design_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "drawing/bridges.h"
#include "drawing/drawing_dump.h"
#include "io/drawing_files.h"
#include "model/model_fields.h"
#include "platform/pending_files.h"
#include "support/line_kinds_drawing.h"
#include "support/temp_dir.h"

namespace brontaxe {
namespace {

namespace fs = std::filesystem;

platform::EnvironmentLookup noEnvironment() {
    return [](const char*) -> std::optional<std::string> { return std::nullopt; };
}

// A program started on its settings folder, as after a restart.
struct Program {
    explicit Program(const fs::path& settings)
        : wb(platform::PrivateProfile(settings), &findGenerator, noEnvironment()) {
        wb.startUp();
        wb.regenerate();
    }
    Workbench wb;
};

// Every field of the model as text, the generation results included.
std::vector<std::pair<std::string, std::string>> allFields(const Model& m) {
    std::vector<std::pair<std::string, std::string>> out;
    for (const std::string& listed : fieldNames()) {
        const auto open = listed.find('(');
        if (open == std::string::npos) {
            out.emplace_back(listed, *fieldText(m, listed));
            continue;
        }
        for (int i = 0; i <= 16; ++i) {
            const std::string name = listed.substr(0, open) + "(" + std::to_string(i) + ")";
            if (auto t = fieldText(m, name))
                out.emplace_back(name, *t);
        }
    }
    for (float v : {m.HorsToutX, m.HorsToutY, m.LgCoupant, m.LgRainant, m.SurfDecoupee})
        out.emplace_back("result", std::to_string(v));
    return out;
}

// A 0216 in grade 5 with its length and a few style parameters changed, imposed 2 x 1.
void change0216(Workbench& wb) {
    wb.window().codeText = "0216";
    wb.codeBoxLeft();
    wb.gradeChosen(5);
    wb.window().lengthText = "523.5";
    wb.model().lgPatte = 31.5f;
    wb.model().hrabat_auto = false;
    wb.model().hrabat = 77;
    wb.model().Sym_Verticale = true;
    wb.model().senscann = AlongAxis::Y;
    wb.model().Majo[6] = 2.25f;
    wb.imposition().AvecImpos = true;
    wb.imposition().quarterTurns = true;
    wb.enterPoseCount(Axis::X, 2);
    const RegenerationReport r = wb.regenerate();
    ASSERT_TRUE(r.drawn) << r.message;
}

TEST(DesignFile, A0216SavedAndOpenedAfterARestartGivesTheSameModelAndDrawing) {
    test::TempDir dir;
    std::vector<std::pair<std::string, std::string>> fieldsBefore;
    std::string dumpBefore;
    {
        Program before(dir.path());
        change0216(before.wb);
        ASSERT_EQ(before.wb.model().NumQualite, 5);
        ASSERT_TRUE(saveDesign(before.wb, dir / "boite.des").ok);
        fieldsBefore = allFields(before.wb.model());
        dumpBefore = dumpDrawing(before.wb.drawing());
    }
    Program after(dir.path());
    ASSERT_NE(dumpDrawing(after.wb.drawing()), dumpBefore);  // the restart drew the 0201
    const OpenedDesign opened = openDesign(after.wb, dir / "boite.des");
    ASSERT_TRUE(opened.result.ok) << opened.result.message;
    EXPECT_TRUE(opened.parametric);
    EXPECT_TRUE(opened.report.drawn) << opened.report.message;
    EXPECT_EQ(allFields(after.wb.model()), fieldsBefore);
    EXPECT_EQ(dumpDrawing(after.wb.drawing()), dumpBefore);
    EXPECT_EQ(after.wb.window().codeText, "0216");
    EXPECT_EQ(after.wb.window().lengthText, "523,5");
    EXPECT_TRUE(after.wb.imposition().AvecImpos);
    EXPECT_TRUE(after.wb.imposition().quarterTurns);
    EXPECT_FALSE(after.wb.imposition().roll);

    // The design goes on: the next regeneration draws the same, and a change takes.
    EXPECT_TRUE(after.wb.regenerate().drawn);
    EXPECT_EQ(dumpDrawing(after.wb.drawing()), dumpBefore);
}

// The section applied comes back with the design, whichever side of the cut it keeps.
TEST(DesignFile, ASectionKeepingAnySideReadsBack) {
    test::TempDir dir;
    for (const SectionSide side :
         {SectionSide::Left, SectionSide::Right, SectionSide::Top, SectionSide::Bottom}) {
        SCOPED_TRACE(static_cast<int>(side));
        Program before(dir.path());
        const Model& m = before.wb.model();
        const double at = (isVerticalSection(side) ? m.HorsToutX : m.HorsToutY) / 2;
        ASSERT_FALSE(before.wb.applySection(side, at).refusal);
        ASSERT_TRUE(saveDesign(before.wb, dir / "coupe.des").ok);
        Program after(dir.path());
        ASSERT_TRUE(openDesign(after.wb, dir / "coupe.des").result.ok);
        EXPECT_EQ(after.wb.appliedSection(), (SectionRequest{side, at}));
    }
}

TEST(DesignFile, TheDesignBlockReadsBackAsWrittenAndIsOptional) {
    Drawing d;
    d.AddLine(0, 0, 10, 0);
    const io::DesignRecord design{{{"Longueur", "400"}, {"Majo(6)", "1.5"}},
                                  {{"txtModel", "0201 \"é\""}}};
    Drawing back;
    std::optional<io::DesignRecord> read;
    ASSERT_TRUE(io::readDesText(io::desText(d, &design), back, &read).ok);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, design);
    EXPECT_EQ(back.elements(), d.elements());

    ASSERT_TRUE(io::readDesText(io::desText(d), back, &read).ok);
    EXPECT_FALSE(read.has_value());
}

// What the program must refuse, each leaving the design on show as it was.
TEST(DesignFile, DamagedDesignsAreRefusedInFrenchAndTheCurrentDesignStays) {
    test::TempDir dir;
    Program p(dir.path());
    ASSERT_TRUE(saveDesign(p.wb, dir / "bon.des").ok);
    const std::string good = test::readFile(dir / "bon.des");
    p.wb.window().lengthText = "611";
    p.wb.regenerate();
    const auto fields = allFields(p.wb.model());
    const std::string dump = dumpDrawing(p.wb.drawing());

    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        const auto at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return at == std::string::npos ? text : text.replace(at, from.size(), to);
    };
    const struct {
        const char* name;
        std::string text;
        const char* expected;
    } cases[] = {
        {"not a number", replaced("[\"Longueur\",\"400\"]", "[\"Longueur\",\"abc\"]"),
         "Valeur incorrecte pour Longueur"},
        {"unknown field", replaced("[\"Longueur\",\"400\"]", "[\"Longeur\",\"400\"]"),
         "Champ inconnu : Longeur"},
        {"index out of range", replaced("[\"Majo(6)\"", "[\"Majo(17)\""), "Indice hors limites"},
        {"preference inside", replaced("[\"Longueur\",\"400\"]", "[\"MajoFefco\",\"/\"]"),
         "n'appartient pas au dessin"},
        {"family", replaced("[\"NumFamille\",\"1\"]", "[\"NumFamille\",\"9\"]"),
         "famille incorrecte"},
        {"permission", replaced("[\"QuartDeTour\",\"0\"]", "[\"QuartDeTour\",\"oui\"]"),
         "valeur incorrecte pour QuartDeTour"},
        {"pair of three", replaced("[\"Longueur\",\"400\"]", "[\"Longueur\",\"400\",\"x\"]"),
         "paramètre de \"model\" incorrect"},
        {"cut short", good.substr(0, good.size() / 2), "Fichier de dessin illisible"},
    };
    for (const auto& c : cases) {
        test::writeFile(dir / "abime.des", c.text);
        const OpenedDesign opened = openDesign(p.wb, dir / "abime.des");
        EXPECT_FALSE(opened.result.ok) << c.name;
        EXPECT_NE(opened.result.message.find(c.expected), std::string::npos)
            << c.name << ": " << opened.result.message;
        EXPECT_EQ(allFields(p.wb.model()), fields) << c.name;
        EXPECT_EQ(dumpDrawing(p.wb.drawing()), dump) << c.name;
    }
    // Two pieces saved with a style that is drawn in one piece only.
    {
        Program q(dir.path());
        q.wb.toggleTwoPieceCase();
        ASSERT_TRUE(saveDesign(q.wb, dir / "deux.des").ok);
        std::string text = test::readFile(dir / "deux.des");
        const std::string from = "[\"txtModel\",\"0201\"]";
        ASSERT_NE(text.find(from), std::string::npos) << text.substr(text.find("\"window\""));
        text.replace(text.find(from), from.size(), "[\"txtModel\",\"0216\"]");
        test::writeFile(dir / "deux.des", text);
        const OpenedDesign opened = openDesign(p.wb, dir / "deux.des");
        EXPECT_FALSE(opened.result.ok);
        EXPECT_NE(opened.result.message.find("plusieurs morceaux impossible"), std::string::npos)
            << opened.result.message;
        EXPECT_EQ(dumpDrawing(p.wb.drawing()), dump);
    }
    // A missing file, and a format the program writes but does not read.
    EXPECT_FALSE(openDesign(p.wb, dir / "absent.des").result.ok);
    EXPECT_NE(openDesign(p.wb, dir / "x.dxf").result.message.find("Format non lisible"),
              std::string::npos);
    EXPECT_EQ(dumpDrawing(p.wb.drawing()), dump);
}

TEST(DesignFile, ADrawingWithoutItsDesignOpensAsItWasSavedAndIsMeasured) {
    test::TempDir dir;
    Drawing fixed = test::lineKindsDrawing();
    applyBridges(fixed, placeBridges(fixed, {.width = 0.8, .pitch = 60, .clearance = 5}));
    const BridgeTotals bridges = bridgeTotals(fixed, kind::Cut);
    ASSERT_GT(bridges.count, 0);
    ASSERT_TRUE(io::SaveDrawing(fixed, dir / "autre.des").ok);

    Program p(dir.path());
    const std::string design = dumpDrawing(p.wb.drawing());
    const io::DesignRecord record = designRecord(p.wb);
    const OpenedDesign opened = openDesign(p.wb, dir / "autre.des");
    ASSERT_TRUE(opened.result.ok) << opened.result.message;
    EXPECT_FALSE(opened.parametric);
    EXPECT_EQ(p.wb.drawing().elements(), fixed.elements());
    const Model& m = p.wb.model();
    EXPECT_FLOAT_EQ(m.HorsToutX, 240);
    EXPECT_FLOAT_EQ(m.HorsToutY, 180);
    // Each figure totals the strokes of its own kind, as they were asked for.
    const std::pair<LineKind, float Model::*> kFigures[] = {
        {kind::Cut, &Model::LgCoupant},       {kind::PerforatedCrease, &Model::LgPerfoRainant},
        {kind::Perforation, &Model::LgPerfo}, {kind::HalfCut, &Model::LgMiChair},
        {kind::Crease, &Model::LgRainant},
    };
    double all = 0;
    for (const auto& [lineKind, figure] : kFigures) {
        double total = 0;
        for (const test::AskedStroke& s : test::lineKindsStrokes())
            total += s.lineKind == lineKind ? test::askedLength(s) : 0;
        EXPECT_NEAR(m.*figure, total, 1e-3) << "kind " << lineKindNumber(lineKind);
        all += total;
    }
    EXPECT_NEAR(m.LgTotal, all, 1e-3);
    EXPECT_EQ(m.NbPonts, bridges.count);
    EXPECT_NEAR(m.LgPonts, bridges.width, 1e-4);
    EXPECT_EQ(designRecord(p.wb), record);  // the design itself is untouched

    // Saved again without a design, it stays a fixed drawing.
    ASSERT_TRUE(saveDesign(p.wb, dir / "copie.des", false).ok);
    EXPECT_EQ(test::readFile(dir / "copie.des"), test::readFile(dir / "autre.des"));
    EXPECT_NE(design, dumpDrawing(p.wb.drawing()));
}

TEST(DesignFile, AFailedSaveLeavesTheOldFileAndSaysWhy) {
    test::TempDir dir;
    Program p(dir.path());
    test::writeFile(dir / "ancien.des", "ancien");
    // The temporary file beside the target cannot be made: a folder holds its name.
    fs::create_directory(platform::temporaryPathFor(dir / "ancien.des", ::getpid()));
    const io::FileResult r = saveDesign(p.wb, dir / "ancien.des");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("Impossible d'écrire le fichier"), std::string::npos) << r.message;
    EXPECT_EQ(test::readFile(dir / "ancien.des"), "ancien");
    EXPECT_NE(saveDesign(p.wb, dir / "manque" / "x.des").message.find("Dossier inexistant"),
              std::string::npos);
}

TEST(Preferences, StartUpReadsTheViewerTheTemplateAndTheProfileInUpperCase) {
    test::TempDir dir;
    {
        Program fresh(dir.path());
        EXPECT_EQ(fresh.wb.model().Soft3D, "KORVANE3D");
        // As the private-profile call does, the default loses its trailing blank.
        EXPECT_EQ(fresh.wb.model().Chemin3D, "C:\\Program Files\\Korvane3D\\korvane3d.exe");
        EXPECT_EQ(fresh.wb.model().NomModel, "");
        EXPECT_EQ(fresh.wb.model().Personnalisation.name(), "");
    }
    test::writeFile(dir / "korparam.ini",
                    "[Preferences]\nSoft3D=PLIAO\nChemin3D=/opt/pliao/pliao\n"
                    "[FicheTechnique]\nNomModel=fiche1.des\nPersonnalisation=voranis\n");
    Program p(dir.path());
    EXPECT_EQ(p.wb.model().Soft3D, "PLIAO");
    EXPECT_EQ(p.wb.model().Chemin3D, "/opt/pliao/pliao");
    EXPECT_EQ(p.wb.model().NomModel, "fiche1.des");
    EXPECT_EQ(p.wb.model().Personnalisation, CustomerProfile::Voranis);
}

TEST(Preferences, AnAllowanceFolderIsStoredEvenWithoutTablesAndAMissingOneIsRefused) {
    test::TempDir dir;
    Program p(dir.path());
    const std::string before = p.wb.model().MajoFefco;
    EXPECT_TRUE(p.wb.changeDataFolder(dir / "absent").has_value());
    EXPECT_EQ(p.wb.model().MajoFefco, before);

    fs::create_directory(dir / "vide");
    EXPECT_FALSE(p.wb.changeDataFolder(dir / "vide").has_value());
    EXPECT_EQ(p.wb.model().MajoFefco, (dir / "vide").string() + "/");
    Program restarted(dir.path());
    EXPECT_EQ(restarted.wb.model().MajoFefco, (dir / "vide").string() + "/");
}

}  // namespace
}  // namespace brontaxe

namespace brontaxe {
namespace {

// Designs saved by earlier versions of the program open to the figures they were saved with:
// version 1, before the file kept die-lines and sections, and version 2, before it kept the
// optimiser's permissions (written by brontaxe-cli: a sectioned imposition, a die-line imposed
// 2 x 1, an optimised imposition).
TEST(DesignFile, FilesOfEarlierVersionsReopenToTheirSavedFigures) {
    const fs::path folder = fs::path(BRONTAXE_GOLDEN_DIR).parent_path() / "io";
    const struct {
        const char* file;
        float x, y, cut, crease, surface;
        int poses;
        bool optimised;
    } cases[] = {
        {"des-v1/style-0216.des", 1704.5f, 551.5f, 13015.2754f, 8348.0f, 819772.5f, 2, false},
        {"des-v1/haut-bas-0201-0711.des", 1447.0f, 570.5f, 5624.7798f, 4217.0923f, 770147.0f, 1,
         false},
        {"des-v1/optimisee-0427.des", 1242.0f, 1215.0f, 13272.9229f, 10454.0f, 951726.6875f, 2,
         true},
        {"des-v2/section-0427.des", 700.0f, 1215.0f, 9393.877f, 5859.0f, 571770.3125f, 2, false},
        {"des-v2/decoupe-2x1.des", 300.0f, 200.0f, 2000.0f, 0.0f, 60000.0f, 2, false},
        {"des-v2/optimisee-0201.des", 1447.0f, 509.0f, 28575.545f, 17950.0f, 716856.625f, 5, true},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        Program p(dir.path());
        const OpenedDesign opened = openDesign(p.wb, folder / c.file);
        ASSERT_TRUE(opened.result.ok) << c.file << opened.result.message;
        EXPECT_TRUE(opened.parametric) << c.file;
        const Model& m = p.wb.model();
        EXPECT_FLOAT_EQ(m.HorsToutX, c.x) << c.file;
        EXPECT_FLOAT_EQ(m.HorsToutY, c.y) << c.file;
        EXPECT_NEAR(m.LgCoupant, c.cut, 0.01) << c.file;
        EXPECT_NEAR(m.LgRainant, c.crease, 0.01) << c.file;
        EXPECT_NEAR(m.SurfDecoupee, c.surface, 1) << c.file;
        EXPECT_EQ(m.NbPoses, c.poses) << c.file;
        EXPECT_EQ(p.wb.nesting().has_value(), c.optimised) << c.file;
        // No file of an earlier version allowed the optimiser what it did not keep.
        EXPECT_FALSE(p.wb.imposition().quarterTurns) << c.file;
    }
}

}  // namespace
}  // namespace brontaxe
