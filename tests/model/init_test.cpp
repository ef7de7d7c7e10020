#include "model/model_init.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace brontaxe {
namespace {

using test::TempDir;
using test::writeFile;

Model initialised(const TempDir& dir) {
    platform::PrivateProfile profile(dir.path());
    Model m;
    setStartupValues(m);
    Init(m, ParameterFile(profile));
    return m;
}

TEST(Init, WithoutParameterFileEveryDefaultHolds) {
    TempDir dir;
    const Model m = initialised(dir);
    EXPECT_EQ(m.Longueur, 400);
    EXPECT_EQ(m.Largeur, 300);
    EXPECT_EQ(m.Hauteur, 200);
    EXPECT_EQ(m.ListeFoulages, " + + +");
    EXPECT_EQ(m.TypeDessus, 201);
    EXPECT_EQ(m.TypeDessous, 201);
    EXPECT_EQ(m.NumQualite, 1);
    EXPECT_EQ(m.EpaisseurCarton, 3);
    EXPECT_EQ(m.Dblmur, 6);
    EXPECT_EQ(m.lgPatte, 36);
    EXPECT_EQ(m.anglPc, 15);
    EXPECT_EQ(m.encoche, 8);
    EXPECT_TRUE(m.hrabat_auto);
    EXPECT_TRUE(m.oblique);
    EXPECT_FALSE(m.pattesurtete);
    EXPECT_EQ(m.lgmortaise, 33);
    EXPECT_EQ(m.hmortaise, 6);
    EXPECT_EQ(m.nbmortaise, 2);
    EXPECT_EQ(m.EPoign, 6);
    EXPECT_EQ(m.CroisPar3, 30);
    EXPECT_EQ(m.CroisPar4, 50);
    EXPECT_EQ(m.NbCases, 3);
    EXPECT_EQ(m.Marges[0], 5);
    EXPECT_EQ(m.Marges[1], 15);
    EXPECT_EQ(m.EspPoseX, 5);
    EXPECT_EQ(m.NbPoses, 1);
    EXPECT_EQ(m.AfficheMorceau, (std::array<std::int16_t, 5>{1, 1, 1, 1, 1}));
    EXPECT_EQ(m.Chemin3D, "C:\\Program Files\\Korvane3D\\korvane3d.exe ");
}

TEST(Init, SectionAbsentFromAnExistingFileGivesTheDefaults) {
    TempDir dir;
    writeFile(dir / "korparam.ini", "[Preferences]\nlgPatte=99\n");
    const Model m = initialised(dir);
    EXPECT_EQ(m.lgPatte, 36);
}

TEST(Init, StoredParametersOverrideTheDefaults) {
    TempDir dir;
    writeFile(dir / "KorParam.ini",
              "[Brontaxe]\r\nlongueur= 500\r\nLGPATTE= 30.5\r\npattesurtete=1\r\n"
              "hrabat_auto=0\r\nsenscann= 2\r\nSym_Verticale=1\r\nRcoupPouce= 7.25\r\n");
    const Model m = initialised(dir);
    EXPECT_EQ(m.Longueur, 500);
    EXPECT_EQ(m.Largeur, 300);
    EXPECT_EQ(m.lgPatte, 30.5f);
    EXPECT_TRUE(m.pattesurtete);
    EXPECT_FALSE(m.hrabat_auto);
    EXPECT_EQ(m.senscann, 2);
    EXPECT_TRUE(m.Sym_Verticale);
    EXPECT_EQ(m.RcoupPouce, 7.25f);
}

TEST(Init, UnreadableTextsReadAsZeroAndOnlyOneIsTrue) {
    TempDir dir;
    writeFile(dir / "korparam.ini",
              "[Brontaxe]\nhauteur=abc\noblique=abc\npattesurtete=2\nhrabat_auto=-1\n"
              "Sym_Verticale=1.0\n");
    const Model m = initialised(dir);
    EXPECT_EQ(m.Hauteur, 0);
    EXPECT_FALSE(m.oblique);
    EXPECT_FALSE(m.pattesurtete);
    EXPECT_FALSE(m.hrabat_auto);
    EXPECT_TRUE(m.Sym_Verticale);
}

TEST(Init, WholeNumbersRoundHalfToEvenAndOutOfRangeKeepsTheDefault) {
    TempDir dir;
    writeFile(dir / "korparam.ini", "[Brontaxe]\nnbmortaise=2.5\nsenspass=99999\n");
    Model m = initialised(dir);
    EXPECT_EQ(m.nbmortaise, 2);
    EXPECT_EQ(m.senspass, 0);
    writeFile(dir / "korparam.ini", "[Brontaxe]\nnbmortaise=3.5\n");
    m = initialised(dir);
    EXPECT_EQ(m.nbmortaise, 4);
}

TEST(LireReel, TheTextIsCutToTheReadBuffer) {
    TempDir dir;
    // Twenty characters would not fit a 20-character buffer: only the first 19 are read.
    writeFile(dir / "korparam.ini", "[Brontaxe]\nlgPatte=00000000000000000012\n");
    platform::PrivateProfile profile(dir.path());
    EXPECT_EQ(ParameterFile(profile).LireReel("lgPatte", 5), 1);
}

}  // namespace
}  // namespace brontaxe
