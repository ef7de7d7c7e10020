#include "cli/cli_app.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>
#include <vector>

#include "io/drawing_files.h"
#include "platform/number_text.h"
#include "styles/generators.h"
#include "support/cli_run.h"
#include "support/french_typography.h"
#include "support/shipped_tables.h"
#include "support/temp_dir.h"

namespace brontaxe::cli {
namespace {

using test::CliRun;
using test::runCli;

// As the figures show them to a French reader: the shortest form after the comma.
std::string figure(double value) {
    return platform::readableNumber(value);
}

std::string sizeText(const test::BlankSize& s) {
    return figure(s.x) + " x " + figure(s.y) + " mm";
}

TEST(Cli, DrawsTheDefaultBoxAndPrintsItsFiguresWithTheWindowCaptions) {
    test::TempDir config;
    const CliRun r = runCli({"0201"}, config);
    ASSERT_EQ(r.code, 0) << r.err;
    // Grade 1 of the shipped tables, since no settings name another data directory.
    const BoardTables tables = test::shippedTables();
    const AllowanceValues a = test::shippedAllowances(tables, 201, 1);
    EXPECT_NE(r.out.find("Dim. Hors Tout : " + sizeText(test::blank0201(a, 400, 300, 200, 36))),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("qualité " + tables.gradeLabel(1)), std::string::npos) << r.out;
    // Creases: four verticals of h in each half, and the flap creases along the panels less
    // the seven half slots of 4 mm.
    const float h = (200 + a[5]) / 2;
    const float panels = 1400 + a[1] + a[2] + a[3] + a[4];
    const float rainant = 8 * h + 2 * (panels - 7 * 4);
    EXPECT_NE(r.out.find("Rainant :"), std::string::npos);
    EXPECT_NE(r.out.find(figure(rainant / 1000) + " m"), std::string::npos);
    EXPECT_NE(r.out.find("Coupant :"), std::string::npos);
    EXPECT_NE(r.out.find("Perfo Rainant :"), std::string::npos);
    EXPECT_NE(r.out.find("Mi-Chair :"), std::string::npos);
    EXPECT_NE(r.out.find("Total :"), std::string::npos);
    EXPECT_TRUE(r.err.empty());
}

TEST(Cli, DimensionsAndFieldsChangeTheDrawingAndDumpShowsIt) {
    test::TempDir config;
    const CliRun r = runCli({"0201", "--longueur", "500", "--largeur", "301", "--hauteur", "100",
                             "--set", "lgPatte=30", "--set", "Majo(6)=2", "--dump"},
                            config);
    ASSERT_EQ(r.code, 0) << r.err;
    // --set comes after the grade's allowances, so Majo(6) is 2 whatever the table says.
    AllowanceValues a = test::shippedAllowances(test::shippedTables(), 201, 1);
    a[6] = 2;
    EXPECT_NE(r.out.find(sizeText(test::blank0201(a, 500, 301, 100, 30))), std::string::npos)
        << r.out;
    const std::string h = platform::formatNumber((100 + a[5]) / 2, "#######0.00");
    EXPECT_NE(r.out.find("\n3 LINE k6 v1 p1 (30.00,0.00) (30.00," + h + ")\n"), std::string::npos);
}

// What the user reads has French typography and the decimal comma: every style refused over
// a table of sizes it cannot be made in, the command line's own refusals, and the reports of a
// drawing with every option that prints one. The drawing's dump, read by scripts, keeps its
// points.
TEST(Cli, TheFrenchTextsHaveTheirTypographyAndTheDecimalComma) {
    test::TempDir config;
    const std::regex decimalPoint(R"(\d\.\d)");
    const auto french = [&decimalPoint](const std::string& text) {
        return test::plainSpacesBeforeMarks(text) == 0 && !std::regex_search(text, decimalPoint);
    };
    const std::vector<std::vector<const char*>> badSizes = {
        {"--longueur", "12,5"},
        {"--largeur", "9000,5"},
        {"--hauteur", "0,5"},
        {"--longueur", "60", "--largeur", "40,5", "--hauteur", "900"},
    };
    int refusals = 0;
    for (std::string_view code : generatorCodes()) {
        if (code == kCombinedGenerator)
            continue;
        const std::string codeText(code);
        for (const auto& sizes : badSizes) {
            std::vector<const char*> args{codeText.c_str()};
            args.insert(args.end(), sizes.begin(), sizes.end());
            const CliRun r = runCli(args, config);
            if (r.code == 0)
                continue;
            ++refusals;
            EXPECT_TRUE(french(r.rawErr)) << code << ": " << r.rawErr;
        }
    }
    EXPECT_GT(refusals, 100);
    for (const std::vector<const char*>& args :
         {std::vector<const char*>{"0201", "--format-x", "-12.5"},
          {"0201", "--marge-x", "1200.5", "--format-x", "1000.5", "--format-y", "900"},
          {"0201", "--rcv", "--ect", "-2.5"},
          {"0201", "--set", "lgPatte=700.5"},
          {"0201", "--longueur", "0.5"}}) {
        const CliRun r = runCli(args, config);
        EXPECT_NE(r.code, 0) << args[1];
        EXPECT_TRUE(french(r.rawErr)) << r.rawErr;
    }
    const CliRun report =
        runCli({"0201", "--longueur", "400,5", "--poses-x", "2", "--rcv", "--plie", "--regles",
                "--passages", "--ponts", "0.5,150", "--caisse-en-2"},
               config);
    ASSERT_EQ(report.code, 0) << report.err;
    EXPECT_TRUE(french(report.rawOut)) << report.rawOut;
    EXPECT_NE(report.out.find("intérieur 400,5 x 300 x 200 mm"), std::string::npos) << report.out;
    const CliRun help = runCli({"--help"}, config);
    EXPECT_EQ(test::plainSpacesBeforeMarks(help.rawOut), 0) << help.rawOut;
    const CliRun dump = runCli({"0201", "--dump"}, config);
    EXPECT_NE(dump.rawOut.find("(36.00,0.00)"), std::string::npos);
}

TEST(Cli, BadInputGetsAClearMessageAndExitCodeTwo) {
    test::TempDir config;
    const std::vector<std::pair<std::vector<const char*>, std::string>> cases = {
        {{"0999"}, "0999"},
        {{}, "code de modèle manquant"},
        {{"0201", "--largeur", "-300"}, "Largeur incorrecte"},
        {{"0201", "--hauteur", "0"}, "Hauteur incorrecte"},
        {{"0201", "--longueur", "1e9"}, "Longueur incorrecte"},
        {{"0201", "--set", "lgPate=30"}, "Champ inconnu : lgPate"},
        {{"0201", "--set", "lgPatte"}, "NOM=VALEUR"},
        {{"0201", "--set", "lgPatte=trente"}, "Valeur incorrecte"},
        {{"0201", "--set", "Majo(20)=1"}, "Indice hors limites"},
        {{"0201", "--set", "Hauteur=-1"}, "Hauteur incorrecte"},
        {{"0201", "--qualite", "0"}, "Erreur"},
        {{"0201", "--poses-x", "-3"}, "Nombre de poses en X incorrect"},
        {{"0201", "--format-y", "-1"}, "Format Carton en Y incorrect"},
        {{"0201", "--marge-x", "1e12"}, "Marge en X incorrect"},
        {{"0201", "--espace-x", "nan"}, "Erreur"},
        {{"0201", "--poses-x", "2", "--format-x", "1000"}, "pas les deux"},
        {{"0201", "--poses-y", "deux"}, "non numérique"},
        {{"absent.dxf"}, "Fichier introuvable"},
        {{"plan.cf2", "--calque", "Calque7"}, "--calque incorrect"},
        {{"plan.dxf", "--longueur", "900", "--qualite", "99", "--set", "lgPatte=abc"},
         "options du modèle sans effet sur une découpe lue d'un fichier, dessinée telle qu'elle "
         "est lue : --longueur, --qualite, --set"},
    };
    for (const auto& [args, expected] : cases) {
        const CliRun r = runCli(args, config);
        EXPECT_EQ(r.code, 2) << expected;
        EXPECT_NE(r.err.find(expected), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << expected;
    }
}

TEST(Cli, ImpositionOptionsPrintPosesSheetAndWaste) {
    test::TempDir config;
    CliRun r = runCli({"0201", "--poses-x", "3", "--poses-y", "2"}, config);
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("Poses : 3 x 2 = 6\n"), std::string::npos) << r.out;
    // Grade 1 gives a blank of 1447 x 509: 3 x 1447 + 2 x 5 + 5 by 2 x 509 + 5 + 15.
    EXPECT_NE(r.out.find("Format Carton : 4356 x 1038 mm\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Dim. imposée : 4351 x 1023 mm"), std::string::npos) << r.out;

    r = runCli({"0201", "--format-x", "3000", "--format-y", "1100", "--marge-x", "10", "--espace-y",
                "20", "--centre"},
               config);
    ASSERT_EQ(r.code, 0) << r.err;
    // (3000 - 20 + 5) \ 1441 = 2 and (1100 - 30 + 20) \ 520 = 2.
    EXPECT_NE(r.out.find("Poses : 2 x 2 = 4\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Format Carton : 3000 x 1100 mm (Centré)"), std::string::npos);
    EXPECT_TRUE(r.err.empty()) << r.err;

    r = runCli({"0201"}, config);
    EXPECT_NE(r.out.find("Poses : 1 x 1 = 1 (non dessinées)"), std::string::npos) << r.out;
}

// A die-line in the place of the code: its rule type named on the command line, imposed and
// checked like a blank, its figures headed by the file's name.
TEST(Cli, ADieLineFileIsReadMeasuredAndImposed) {
    test::TempDir config;
    test::writeFile(config / "plan.cf2",
                    "$BOF\nMAIN,M\nUM\nL,2,9,0,0,0,100,0,0,0\nL,2,9,0,100,0,100,50,0,0\n"
                    "L,2,9,0,100,50,0,50,0,0\nL,2,9,0,0,50,0,0,0,0\nEND\n$EOF\n");
    const std::string path = (config / "plan.cf2").string();
    const CliRun r =
        runCli({path.c_str(), "--calque", "type 9=coupe", "--poses-x", "2", "--controle"}, config);
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("Découpe plan.cf2 :"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Poses : 2 x 1 = 2\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Coupant :                0,6 m"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Surfaces Découpées : 0,01 m²"), std::string::npos) << r.out;
    // Its rules of an unknown type kept as annotation: drawn, with the warning's exit code.
    const CliRun unknown = runCli({path.c_str()}, config);
    EXPECT_EQ(unknown.code, 4) << unknown.err;
    EXPECT_NE(unknown.err.find("calque inconnu \"type 9\""), std::string::npos) << unknown.err;
}

// Each kind of capping is the imposition's (ComputeImposition); here, that it is said.
TEST(Cli, AbsurdImpositionIsCappedAndSaid) {
    test::TempDir config;
    const std::vector<std::pair<std::vector<const char*>, std::string>> cases = {
        {{"0201", "--poses-x", "500", "--poses-y", "1"}, "limité à 100"},
        {{"0201", "--format-x", "500", "--format-y", "600"}, "plus petit que la découpe"},
    };
    for (const auto& [args, expected] : cases) {
        const CliRun r = runCli(args, config);
        EXPECT_EQ(r.code, 0) << expected << r.err;
        EXPECT_NE(r.err.find("Attention : "), std::string::npos) << expected;
        EXPECT_NE(r.err.find(expected), std::string::npos) << r.err;
        EXPECT_NE(r.out.find("Poses : "), std::string::npos) << expected;
    }
}

TEST(Cli, WritesTheDrawingInTheFormatOfTheOutputExtension) {
    test::TempDir config;
    test::TempDir out;
    const std::string des = (out / "boite.des").string();
    const CliRun r = runCli({"0201", "--longueur", "500", "-o", des.c_str()}, config);
    ASSERT_EQ(r.code, 0) << r.err;
    Drawing d;
    ASSERT_TRUE(io::OpenDrawing(d, des).ok);
    EXPECT_EQ(d.ElementCount(), 64 + 1);  // the blank and its measured contour
    const AllowanceValues a = test::shippedAllowances(test::shippedTables(), 201, 1);
    EXPECT_NEAR(d.BlankSizeX(), 36 + 2 * 500 + 2 * 300 + a[1] + a[2] + a[3] + a[4], 1e-3);

    const std::string pdf = (out / "boite.PDF").string();
    ASSERT_EQ(runCli({"0201", "--sortie", pdf.c_str()}, config).code, 0);
    EXPECT_EQ(test::readFile(pdf).rfind("%PDF", 0), 0u);
}

TEST(Cli, ABadOutputPathIsRefusedBeforeDrawingAndWritesNothing) {
    test::TempDir config;
    test::TempDir out;
    const std::string unknown = (out / "boite.docx").string();
    const std::string noFolder = (out / "absent" / "boite.des").string();
    const std::string tooLong = (out / (std::string(251, 'x') + ".des")).string();
    const struct {
        std::string path;
        int code;
        const char* expected;
    } cases[] = {
        {unknown, 2, "Format de fichier inconnu : \".docx\" (formats pris en charge : .des"},
        {noFolder, 2, "Dossier inexistant"},
        {tooLong, 1, "Impossible d'écrire le fichier"},  // fails at the write itself
    };
    for (const auto& c : cases) {
        const CliRun r = runCli({"0201", "-o", c.path.c_str()}, config);
        EXPECT_EQ(r.code, c.code) << c.path;
        EXPECT_NE(r.err.find(c.expected), std::string::npos) << r.err;
    }
    EXPECT_TRUE(std::filesystem::is_empty(out.path()));
}

TEST(Cli, ListsTheFieldsThatSetAccepts) {
    test::TempDir config;
    const CliRun r = runCli({"--champs"}, config);
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("Majo(1..16)\n"), std::string::npos);
}

// What the catalogue says beside a code, as the list and the figures of a drawn code print it:
// typed forms take the note of their list entry, and a code drawn by a generator that no list
// shows ("0951 Int") shares nothing.
TEST(Cli, TheListAndTheFiguresSayWhichFormsAreUnconfirmedAndWhichBlanksAreShared) {
    struct Case {
        const char* typed;
        const char* listed;  // the list entry, nullptr when the typed form is not one
        const char* note;
    };
    const Case cases[] = {
        {"0201", "0201", ""},
        {"0217", "0217", "forme non confirmée"},
        {"0933", "0933", "forme non confirmée"},
        {"0305", "0305", "même découpe que 0301"},
        {"0991", "0991", "même découpe que 0902"},
        {"0200c", "0200C", "même découpe que 0200, poignées jamais dessinées"},
        {"0951", "0951 Int", ""},
        {"0201/0203", nullptr, ""},
    };
    test::TempDir config;
    const CliRun list = runCli({"--list"}, config);
    ASSERT_EQ(list.code, 0) << list.err;
    for (const Case& c : cases) {
        const std::string note = *c.note ? std::string(" (") + c.note + ")" : "";
        if (c.listed) {
            const std::string line = std::string("\n  ") + c.listed + (*c.note ? " " : "") + note;
            EXPECT_NE(list.out.find(line + "\n"), std::string::npos) << line;
        }
        const CliRun r = runCli({c.typed}, config);
        ASSERT_EQ(r.code, 0) << c.typed << ": " << r.err;
        EXPECT_NE(r.out.find(std::string("Modèle ") + c.typed + note + " : "), std::string::npos)
            << r.out;
    }
}

}  // namespace
}  // namespace brontaxe::cli
