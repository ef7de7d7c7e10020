#include "workbench/window_inputs.h"

#include <gtest/gtest.h>

namespace brontaxe {
namespace {

TEST(BoxValueDiffers, OnlyANewNumberCounts) {
    EXPECT_FALSE(boxValueDiffers("400", 400));
    EXPECT_FALSE(boxValueDiffers("400.0", 400));
    EXPECT_FALSE(boxValueDiffers("0400", 400));
    EXPECT_FALSE(boxValueDiffers(" 400 mm", 400));
    EXPECT_TRUE(boxValueDiffers("401", 400));
    EXPECT_TRUE(boxValueDiffers("412,5", 412));
    EXPECT_FALSE(boxValueDiffers("412,5", 412.5f));
    EXPECT_FALSE(boxValueDiffers("0.1", 0.1f));  // compared as singles
}

// Every kind of bad entry in every kind of box: refused with the reason the status bar shows,
// while the good ones, the decimal comma among them, are taken.
TEST(ReadNumberBox, RefusesWhatIsNoNumberOrOutOfRangeAndSaysWhy) {
    const struct {
        NumberBox box;
        const char* text;
        std::optional<double> value;
        const char* refusal;
    } cases[] = {
        {NumberBox::Longueur,
         "abc",
         {},
         "Longueur incorrecte : \"abc\" (de 0 exclu à 10000\u00a0mm)"},
        {NumberBox::Longueur, "-5", {}, "Longueur incorrecte : -5 (de 0 exclu à 10000\u00a0mm)"},
        {NumberBox::Largeur, "0", {}, "Largeur incorrecte : 0 (de 0 exclu à 10000\u00a0mm)"},
        {NumberBox::Hauteur,
         "99999",
         {},
         "Hauteur incorrecte : 99999 (de 0 exclu à 10000\u00a0mm)"},
        {NumberBox::Hauteur, "", {}, "Hauteur incorrecte : vide (de 0 exclu à 10000\u00a0mm)"},
        {NumberBox::Longueur, "12,5", 12.5, ""},
        {NumberBox::Longueur, "10000", 10000, ""},
        {NumberBox::FmtCartonX, "1e9", {}, "Format carton en X incorrect : "},
        {NumberBox::FmtCartonY, "-1", {}, "Format carton en Y incorrect : -1"},
        {NumberBox::FmtCartonX, "0", 0.0, ""},  // no sheet: the copies go off
        {NumberBox::FmtCartonX, "1452,5", 1452.5, ""},
        {NumberBox::MargeY, "x", {}, "Marge en Y incorrecte : \"x\""},
        {NumberBox::MargeX, "-3", {}, "Marge en X incorrecte : -3"},
        {NumberBox::NbPoseX, "101", {}, "Nombre de poses en X incorrect : 101 (de 1 à 100)"},
        {NumberBox::NbPoseY, "-2", {}, "Nombre de poses en Y incorrect : -2 (de 1 à 100)"},
        {NumberBox::NbPoseY, "0", {}, "Nombre de poses en Y incorrect : 0 (de 1 à 100)"},
        {NumberBox::NbPoseX, "2,5", {}, "Nombre de poses en X incorrect : 2,5 (un nombre entier"},
        {NumberBox::NbPoseX, "3", 3.0, ""},
        {NumberBox::EspPoseX, "-5", {}, "Espace entre poses en X incorrect : -5"},
        {NumberBox::EspPoseY, "2,5", 2.5, ""},
        {NumberBox::EspPoseY, "0", 0.0, ""},
    };
    for (const auto& c : cases) {
        const NumberEntry e = readNumberBox(c.box, c.text);
        EXPECT_EQ(e.value, c.value) << c.text;
        if (c.value) {
            EXPECT_TRUE(e.refusal.empty()) << e.refusal;
        } else {
            EXPECT_EQ(e.refusal.rfind(c.refusal, 0), 0u) << e.refusal;
        }
    }
}

TEST(FileNameFromCommandLine, QuotesAndBlanks) {
    EXPECT_EQ(fileNameFromCommandLine(std::nullopt), std::nullopt);
    EXPECT_EQ(fileNameFromCommandLine(""), std::nullopt);
    EXPECT_EQ(fileNameFromCommandLine("   "), "");
    EXPECT_EQ(fileNameFromCommandLine("  boite.des "), "boite.des");
    EXPECT_EQ(fileNameFromCommandLine("\"mes boites/caisse 1.des\""), "mes boites/caisse 1.des");
    EXPECT_EQ(fileNameFromCommandLine(" \"a.des\" "), "a.des");
    EXPECT_EQ(fileNameFromCommandLine("\""), "");
}

}  // namespace
}  // namespace brontaxe
