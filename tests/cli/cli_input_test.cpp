// Bad command lines: refused with exit code 2 and a French message, nothing written and no
// temporary file left; data the drawing does not follow as written gives exit code 3.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>
#include <vector>

#include "cli/cli_app.h"
#include "cli/cli_parse.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace brontaxe::cli {
namespace {

namespace fs = std::filesystem;

using test::CliRun;
using test::runCli;

std::size_t filesIn(const fs::path& dir) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

// Words of the option parser's and Cairo's own English messages.
bool looksEnglish(const std::string& text) {
    for (const char* word :
         {"xpected", "required", "not ", "argument was", "Could", "value", "error"})
        if (text.find(word) != std::string::npos)
            return true;
    return false;
}

TEST(CliInput, BadCommandLinesAreRefusedInFrenchAndWriteNothing) {
    test::TempDir config;
    test::TempDir out;
    const std::string pdf = (out / "boite.pdf").string();
    const std::vector<std::pair<std::vector<const char*>, std::string>> cases = {
        {{"0201", "--longueur", ""}, "--longueur : valeur vide"},
        {{"0201", "--hauteur", " "}, "--hauteur : valeur vide"},
        {{"0201", "--format-x", ""}, "--format-x : valeur vide"},
        {{"0201", "--qualite", ""}, "--qualite : valeur vide"},
        {{"0201", "--longueur", "abc"}, "--longueur : valeur non numérique : \"abc\""},
        {{"0201", "--longueur", "12,5,3"}, "--longueur : valeur non numérique"},
        {{"0201", "--poses-x", "2,5"}, "--poses-x : nombre entier attendu au lieu de \"2,5\""},
        {{"0201", "--poses-x", "1e12"}, "--poses-x : nombre entier attendu"},
        {{"0201", "--longueur"}, "valeur manquante ou en trop pour --longueur"},
        {{"0201", "--inconnue"}, "argument inattendu : --inconnue"},
        {{"0201", "0202"}, "argument inattendu : 0202"},
        {{"0201", "-L", "250", "--largeur", "180"}, "argument inattendu : -L 250"},
        {{"0201", "--set", "lgPatte=1e30"}, "Valeur incorrecte pour lgPatte : 1E+30 (de 0 à 500"},
        {{"0201", "--set", "lgPatte=-1e6"}, "Valeur incorrecte pour lgPatte : -1000000"},
        {{"0201", "--set", "EpaisseurCarton=-50"}, "Valeur incorrecte pour EpaisseurCarton : -50"},
        {{"0201", "--set", "NumQualite=99"}, "Qualité 99 inconnue (qualités disponibles : 1 à 5)"},
        {{"0201", "--set", "numqualite=0"}, "Valeur incorrecte pour NumQualite : 0 (de 1 à 100)"},
        {{"0201", "--set", "Majo(1)=-500"}, "Valeur incorrecte pour Majo : -500"},
    };
    for (const auto& [args, expected] : cases) {
        // The output first, so that an option left without its value stays last.
        std::vector<const char*> withOutput = {args[0], "-o", pdf.c_str()};
        withOutput.insert(withOutput.end(), args.begin() + 1, args.end());
        const CliRun r = runCli(withOutput, config);
        EXPECT_EQ(r.code, kBadInput) << expected;
        EXPECT_NE(r.err.find("Erreur : " + expected), std::string::npos) << r.err;
        EXPECT_FALSE(looksEnglish(r.err)) << r.err;
        EXPECT_TRUE(r.out.empty()) << expected;
        EXPECT_EQ(filesIn(out.path()), 0u) << expected;
    }
    // An unknown code is answered with every code drawn, those drawn on another's blank too.
    const CliRun unknown = runCli({"0298"}, config);
    EXPECT_EQ(unknown.code, kBadInput);
    for (const char* code : {"0201", "0200C", "0305", "0599", "0610", "0990", "0991"})
        EXPECT_NE(unknown.err.find(std::string(code) + ","), std::string::npos) << code;
    EXPECT_EQ(unknown.err.find("Haut / Bas"), std::string::npos) << unknown.err;
    // An empty output name is refused rather than taken for "no file".
    const CliRun empty = runCli({"0201", "-o", ""}, config);
    EXPECT_EQ(empty.code, kBadInput);
    EXPECT_NE(empty.err.find("nom de fichier vide"), std::string::npos) << empty.err;
    EXPECT_FALSE(looksEnglish(empty.err)) << empty.err;
}

TEST(CliInput, TheHelpIsFrench) {
    test::TempDir config;
    const CliRun r = runCli({"--help"}, config);
    EXPECT_EQ(r.code, kDrawn);
    EXPECT_NE(r.out.find("Utilisation"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Affiche cette aide"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("Print this help"), std::string::npos) << r.out;
    // The parser's English words and typography, which the manual page would show too.
    const std::regex english(
        R"(\b(Usage|TEXT|INT|FLOAT|Excludes|Needs|Positionals)\b| in \[|Exclut:|Utilisation:|Options:)");
    std::smatch found;
    EXPECT_FALSE(std::regex_search(r.out, found, english)) << found.str(0) << "\n" << r.out;
    EXPECT_NE(r.out.find("\nUtilisation : "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\nOptions :\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\nArguments :\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("--ponts LARGEUR[,PAS] "), std::string::npos) << r.out;
}

TEST(CliInput, TheKindOfAValueIsSaidInFrench) {
    const std::pair<const char*, const char*> cases[] = {
        {"TEXT", "TEXTE"},
        {"FLOAT:NOMBRE", "NOMBRE"},
        {"TEXT:FICHIER", "FICHIER"},
        {"INT:INT in [1 - 10000]", "ENTIER (de 1 à 10000)"},
        {"FLOAT:FLOAT in [0.5 - 20]", "NOMBRE (de 0.5 à 20)"},
        {"TEXT:{mm,cm,m,po}", "{mm,cm,m,po}"},
        {"UINT", "ENTIER"},
    };
    for (const auto& [english, french] : cases)
        EXPECT_EQ(cli::frenchTypeName(english), french) << english;
}

// Grade 1 of the shipped tables: 0201 of 400 x 300 x 200 is 1447 x 509.
TEST(CliInput, DecimalCommaAndGradeChoiceByFieldAreTaken) {
    test::TempDir config;
    const struct {
        std::vector<const char*> args;
        const char* size;
    } cases[] = {
        {{"0201", "--longueur", "400,5"}, "1448 x 509"},
        {{"0201", "--set", "lgPatte=30,5"}, "1441,5 x 509"},
        // The grade's thickness and allowances come with it, as with --qualite 2.
        {{"0201", "--set", "NumQualite=2"}, "1451 x 512"},
        {{"0201", "--qualite", "2"}, "1451 x 512"},
    };
    for (const auto& c : cases) {
        const CliRun r = runCli(c.args, config);
        EXPECT_EQ(r.code, kDrawn) << r.err;
        EXPECT_NE(r.out.find(std::string("Dim. Hors Tout : ") + c.size), std::string::npos)
            << c.size << "\n"
            << r.out;
    }
}

TEST(CliInput, TheCapWarningTellsTheCountAsked) {
    test::TempDir config;
    const CliRun r = runCli({"0201", "--poses-x", "1000000000"}, config);
    EXPECT_EQ(r.code, kDrawn) << r.err;
    EXPECT_NE(r.err.find("Attention : Nombre de poses en X limité à 100 (1000000000 demandées)"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(r.err.find("32767"), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("Poses : 100 x 1 = 100"), std::string::npos) << r.out;
}

TEST(CliInput, AReadOnlyTargetIsRefusedAndKeptAsItWas) {
    test::TempDir config;
    test::TempDir out;
    const fs::path target = out / "boite.pdf";
    test::writeFile(target, "ancien contenu");
    fs::permissions(target, fs::perms::owner_read | fs::perms::group_read);
    const std::string path = target.string();
    const CliRun r = runCli({"0201", "-o", path.c_str()}, config);
    EXPECT_EQ(r.code, kBadInput);
    EXPECT_NE(r.err.find("Fichier en lecture seule"), std::string::npos) << r.err;
    EXPECT_EQ(test::readFile(target), "ancien contenu");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(filesIn(out.path()), 1u);
}

TEST(CliInput, ASaveKeepsThePermissionsOfTheFileItReplaces) {
    test::TempDir config;
    test::TempDir out;
    const fs::path target = out / "boite.des";
    test::writeFile(target, "ancien contenu");
    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write;
    fs::permissions(target, mode);
    const std::string path = target.string();
    ASSERT_EQ(runCli({"0201", "-o", path.c_str()}, config).code, kDrawn);
    EXPECT_NE(test::readFile(target), "ancien contenu");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, mode);
}

// A damaged allowance table: the blank is drawn and written, every damage said, and the exit
// code tells a script that the drawing did not come from the tables as written.
TEST(CliInput, ADataWarningHasItsOwnExitCode) {
    test::TempDir config;
    test::TempDir data;
    test::writeFile(
        data / "csqual2.kor",
        "\"\"\r\n\"\"\r\n\"1 - B\"\r\n\"B\"\r\n3\r\n6\r\n\"2 - C\"\r\n\"C\"\r\n4\r\n8\r\n");
    test::writeFile(data / "fefcomajo1.kor",
                    "\"\"\r\n\"\"\r\n201,1,2,3,3,3,6,1.5,1.5,0,0,0,0,0,0,0,0,0\r\n"
                    "201,2,3,4,4,4,8,2,2,0,0,0,0,0,0,0,0\r\n");
    test::writeFile(config / "korparam.ini",
                    "[Preferences]\nMajoFefco=" + data.path().string() + "/\n");
    test::TempDir out;
    const std::string des = (out / "boite.des").string();
    CliRun r = runCli({"0201", "--qualite", "2", "-o", des.c_str()}, config);
    EXPECT_EQ(r.code, kDrawnWithDataWarning) << r.err;
    EXPECT_NE(r.err.find("fefcomajo1.kor, ligne 4 : enregistrement de 17 éléments"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("Pas de majorations pour le code 0201 en qualité 2 dans "
                         "fefcomajo1.kor : celles de la qualité 1"),
              std::string::npos)
        << r.err;
    EXPECT_TRUE(fs::exists(des));
    // Grade 1 has its own record: only the damaged line is said, still with code 3.
    r = runCli({"0201", "--qualite", "1"}, config);
    EXPECT_EQ(r.code, kDrawnWithDataWarning);
    EXPECT_EQ(r.err.find("Pas de majorations"), std::string::npos) << r.err;
}

// A code missing from a table that holds its family is said; a family the table does not hold
// at all (the fittings) draws without allowances, or with its own, as designed: nothing to say.
TEST(CliInput, ACodeMissingFromItsFamilysRecordsIsADataWarning) {
    const struct {
        const char* record;
        int code;
        const char* said;
    } cases[] = {
        {"202,1,2,3,3,3,6,1.5,1.5,0,0,0,0,0,0,0,0,0", kDrawnWithDataWarning,
         "Pas de majorations pour le code 0201 en qualité 1 dans fefcomajo1.kor : dessin sans "
         "les majorations de la table"},
        {"701,1,2,3,3,3,6,1.5,1.5,0,0,0,0,0,0,0,0,0", kDrawn, nullptr},
    };
    for (const auto& c : cases) {
        test::TempDir config;
        test::TempDir data;
        test::writeFile(data / "csqual2.kor", "\"\"\r\n\"\"\r\n\"1 - B\"\r\n\"B\"\r\n3\r\n6\r\n");
        test::writeFile(data / "fefcomajo1.kor",
                        std::string("\"\"\r\n\"\"\r\n") + c.record + "\r\n");
        test::writeFile(config / "korparam.ini",
                        "[Preferences]\nMajoFefco=" + data.path().string() + "/\n");
        const CliRun r = runCli({"0201"}, config);
        EXPECT_EQ(r.code, c.code) << r.err;
        if (c.said) {
            EXPECT_NE(r.err.find(c.said), std::string::npos) << r.err;
        } else {
            EXPECT_TRUE(r.err.empty()) << r.err;
        }
    }
}

}  // namespace
}  // namespace brontaxe::cli
