#include "cli/cli_app.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "support/temp_dir.h"

namespace brontaxe::cli {
namespace {

struct CliRun {
    int code = 0;
    std::string out;
    std::string err;
};

CliRun runCli(std::vector<const char*> args, const test::TempDir& config) {
    args.insert(args.begin(), "brontaxe-cli");
    std::ostringstream out, err;
    const std::string dir = config.path().string();
    auto env = [&dir](const char* name) -> std::optional<std::string> {
        if (std::string(name) == "BRONTAXE_CONFIG_DIR")
            return dir;
        return std::nullopt;
    };
    CliRun r;
    r.code = run(static_cast<int>(args.size()), args.data(), out, err, env);
    r.out = out.str();
    r.err = err.str();
    return r;
}

TEST(Cli, DrawsTheDefaultBoxAndPrintsItsFiguresWithTheWindowCaptions) {
    test::TempDir config;
    const CliRun r = runCli({"0201"}, config);
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("Dim. Hors Tout : 1436.00 x 500.00 mm"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Rainant :"), std::string::npos);
    EXPECT_NE(r.out.find("3.54 m"), std::string::npos);
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
    // 30 + 2 x 500 + 2 x 301; body 100 with flaps 152 on panels 1 and 3.
    EXPECT_NE(r.out.find("1632.00 x 404.00 mm"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\n3 LINE k6 v1 p1 (30.00,0.00) (30.00,50.00)\n"), std::string::npos);
}

TEST(Cli, BadInputGetsAClearMessageAndExitCodeTwo) {
    test::TempDir config;
    const std::vector<std::pair<std::vector<const char*>, std::string>> cases = {
        {{"0999"}, "0999"},
        {{}, "code de modèle manquant"},
        {{"0201", "--longueur", "abc"}, "non numérique"},
        {{"0201", "--largeur", "-300"}, "Largeur incorrecte"},
        {{"0201", "--hauteur", "0"}, "Hauteur incorrecte"},
        {{"0201", "--longueur", "1e9"}, "Longueur incorrecte"},
        {{"0201", "--set", "lgPate=30"}, "Champ inconnu : lgPate"},
        {{"0201", "--set", "lgPatte"}, "NOM=VALEUR"},
        {{"0201", "--set", "lgPatte=trente"}, "Valeur incorrecte"},
        {{"0201", "--set", "Majo(20)=1"}, "Indice hors limites"},
        {{"0201", "--set", "Hauteur=-1"}, "Hauteur incorrecte"},
        {{"0201", "--qualite", "0"}, "Erreur"},
        {{"0201", "--inconnue"}, "Erreur"},
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
    // 3 x 1436 + 2 x 5 + 5 by 2 x 500 + 5 + 15.
    EXPECT_NE(r.out.find("Format Carton : 4323 x 1020 mm\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Dim. imposée : 4318 x 1005 mm"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Perte /Fmt. Carton : XXXXXX"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Coupant :              33.94 m"), std::string::npos) << r.out;

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

TEST(Cli, AbsurdImpositionIsCappedAndSaid) {
    test::TempDir config;
    const std::vector<std::pair<std::vector<const char*>, std::string>> cases = {
        {{"0201", "--format-x", "1000000", "--format-y", "1000000"}, "limité à 100"},
        {{"0201", "--poses-x", "500", "--poses-y", "1"}, "limité à 100"},
        {{"0201", "--format-x", "1000", "--format-y", "1000", "--marge-x", "2000"},
         "marges dépassent"},
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

TEST(Cli, BadImpositionInputIsRefused) {
    test::TempDir config;
    const std::vector<std::pair<std::vector<const char*>, std::string>> cases = {
        {{"0201", "--poses-x", "-3"}, "Nombre de poses en X incorrect"},
        {{"0201", "--format-y", "-1"}, "Format Carton en Y incorrect"},
        {{"0201", "--marge-x", "1e12"}, "Marge en X incorrect"},
        {{"0201", "--espace-x", "nan"}, "Erreur"},
        {{"0201", "--poses-x", "2", "--format-x", "1000"}, "pas les deux"},
        {{"0201", "--poses-y", "deux"}, "non numérique"},
    };
    for (const auto& [args, expected] : cases) {
        const CliRun r = runCli(args, config);
        EXPECT_EQ(r.code, 2) << expected;
        EXPECT_NE(r.err.find(expected), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << expected;
    }
}

TEST(Cli, ListsTheFieldsThatSetAccepts) {
    test::TempDir config;
    const CliRun r = runCli({"--champs"}, config);
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("Majo(1..16)\n"), std::string::npos);
}

}  // namespace
}  // namespace brontaxe::cli
