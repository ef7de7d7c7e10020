#include "cli/cli_app.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <vector>

#include "io/drawing_files.h"
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

TEST(Cli, WritesTheDrawingInTheFormatOfTheOutputExtension) {
    test::TempDir config;
    test::TempDir out;
    const std::string des = (out / "boite.des").string();
    const CliRun r = runCli({"0201", "--longueur", "500", "-o", des.c_str()}, config);
    ASSERT_EQ(r.code, 0) << r.err;
    Drawing d;
    ASSERT_TRUE(io::OpenDrawing(d, des).ok);
    EXPECT_EQ(d.ElementCount(), 64);
    EXPECT_NEAR(d.BlankSizeX(), 36 + 2 * 500 + 2 * 300, 1e-3);

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

}  // namespace
}  // namespace brontaxe::cli
