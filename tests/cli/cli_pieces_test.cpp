// The command line's piece options under the same style gate as the window, the machine
// passes it prints and the section it applies.

#include <gtest/gtest.h>

#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace brontaxe::cli {
namespace {

using test::CliRun;
using test::runCli;

TEST(CliPieces, AStyleDrawnInOnePieceRefusesPiecesHoweverAsked) {
    const std::vector<std::vector<const char*>> asks = {
        {"0216", "--caisse-en-2"},        {"0216", "--caisse-en-4", "2"},
        {"0216", "--set", "CaisseEn2=1"}, {"0216", "--set", "CaisseEn4=3"},
        {"0215", "--caisse-en-2"},
    };
    for (const auto& args : asks) {
        test::TempDir config;
        const CliRun r = runCli(args, config);
        EXPECT_EQ(r.code, 2) << args[1];
        EXPECT_NE(r.err.find("Caisse en plusieurs morceaux impossible pour le modèle 02"),
                  std::string::npos)
            << r.err;
        EXPECT_TRUE(r.out.empty());
    }
}

TEST(CliPieces, BadPieceOptionsAreRefusedInFrench) {
    const std::vector<std::vector<const char*>> asks = {
        {"0201", "--caisse-en-4", "5"},
        {"0201", "--caisse-en-4", "deux"},
        {"0201", "--caisse-en-2", "--caisse-en-4", "1"},
        {"0201", "--morceaux", "couvercles"},
        {"0201", "--sens-passage", "z"},
        {"0201", "--section", "300", "--garder", "milieu"},
    };
    for (const auto& args : asks) {
        test::TempDir config;
        const CliRun r = runCli(args, config);
        EXPECT_EQ(r.code, 2) << args[1];
        EXPECT_EQ(r.err.rfind("Erreur : ", 0), 0u) << r.err;
    }
}

TEST(CliPieces, TheMachinePassesOfOneAndTwoPieceCases) {
    test::TempDir config;
    const CliRun whole = runCli({"0201", "--passages"}, config);
    ASSERT_EQ(whole.code, 0) << whole.err;
    EXPECT_NE(whole.out.find("Passages-Machine :\n"), std::string::npos) << whole.out;
    // Glue tab 36, panels L + 2, W + 3, L + 3, W + 3, body H + 6 of the shipped grade 1.
    EXPECT_NE(whole.out.find("Largeurs (patte, panneaux) : 36 | 402 | 303 | 403 | 303\n"),
              std::string::npos)
        << whole.out;
    EXPECT_NE(whole.out.find("Hauteur du corps : 206\n"), std::string::npos);

    const CliRun two = runCli({"0201", "--passages", "--caisse-en-2"}, config);
    ASSERT_EQ(two.code, 0) << two.err;
    EXPECT_NE(two.out.find("Largeurs (patte, panneaux) : 36 | 402 | 303\n"), std::string::npos)
        << two.out;
    EXPECT_EQ(runCli({"0201"}, config).out.find("Passages-Machine"), std::string::npos);
}

TEST(CliPieces, ASectionCutsTheBlankAndIsMeasuredAgain) {
    test::TempDir config;
    const CliRun r = runCli({"0201", "--section", "700,5", "--controle"}, config);
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("Dim. Hors Tout : 700,5 x 509 mm"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Contrôle : aucun défaut"), std::string::npos);
    const CliRun top = runCli({"0201", "--section", "300", "--garder", "haute"}, config);
    ASSERT_EQ(top.code, 0) << top.err;
    EXPECT_NE(top.out.find("Dim. Hors Tout : 1447 x 209 mm"), std::string::npos) << top.out;
    const CliRun outside = runCli({"0201", "--section", "2000"}, config);
    EXPECT_EQ(outside.code, 1);
    EXPECT_NE(outside.err.find("Section impossible"), std::string::npos) << outside.err;
}

}  // namespace
}  // namespace brontaxe::cli

namespace brontaxe::cli {
namespace {

// `--plie` prints each piece of the folded blank, or why the style does not fold yet; a folder
// wrapped round its length (0406) stands on its bottom panel, its height last.
TEST(CliPieces, TheFoldedBoxPieceByPiece) {
    struct Case {
        std::vector<const char*> args;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {{"0201", "--longueur", "400", "--largeur", "300", "--hauteur", "200", "--plie"},
         {"Pièce 1 pliée : 406 x 306 x 209 mm, dessus fermé, dessous fermé"}},
        {{"0200", "--longueur", "400", "--largeur", "300", "--hauteur", "200", "--plie"},
         {"Pièce 1 pliée : 406 x 306 x 205 mm, dessus ouvert, dessous fermé"}},
        {{"0901", "--longueur", "400", "--largeur", "300", "--plie"},
         {"Pièce 1 pliée : 400 x 300 x 3 mm"}},
        {{"0969", "--longueur", "400", "--largeur", "300", "--hauteur", "200", "--plie"},
         {"Pièce 1 pliée : 306 x 23 x 1600 mm, dessus ouvert, dessous ouvert"}},
        {{"0406", "--longueur", "400", "--largeur", "300", "--hauteur", "200", "--plie"},
         {"Pièce 1 pliée : 409 x 306 x 206 mm, dessus fermé, dessous fermé"}},
    };
    for (const Case& c : cases) {
        test::TempDir config;
        const CliRun r = runCli(c.args, config);
        EXPECT_EQ(r.code, 0) << c.args[0] << r.err;
        for (const std::string& line : c.lines)
            EXPECT_NE(r.out.find(line), std::string::npos) << c.args[0] << "\n" << r.out;
    }
    test::TempDir config;
    EXPECT_EQ(runCli({"0201"}, config).out.find("pliée"), std::string::npos);
}

}  // namespace
}  // namespace brontaxe::cli
