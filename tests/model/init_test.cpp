#include "model/model_init.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
    EXPECT_EQ(m.senscann, AlongAxis::Y);
    EXPECT_TRUE(m.Sym_Verticale);
    EXPECT_EQ(m.RcoupPouce, 7.25f);
}

// A stored value that is no number, or lies outside its field's range, keeps the default and
// is said with the file, its line and its key.
TEST(Init, BadStoredValuesKeepTheirDefaultAndAreSaidWithLineAndKey) {
    struct Case {
        const char* line;
        const char* expected;  // in the warning
    };
    const std::vector<Case> cases = {
        {"lgPatte=abc", "clé lgPatte : \"abc\" n'est pas un nombre ; valeur par défaut 36"},
        {"lgPatte=1e30", "clé lgPatte : 1e30 hors limites (de 0 à 500\u00a0mm)"},
        {"lgPatte=-1e6", "clé lgPatte : -1e6 hors limites"},
        {"lgPatte=", "clé lgPatte : \"\" n'est pas un nombre"},
        {"hauteur=abc", "clé hauteur : \"abc\" n'est pas un nombre ; valeur par défaut 200"},
        {"hauteur=0", "clé hauteur : 0 hors limites (de 0 exclu à 10000\u00a0mm)"},
        {"Dblmur=-50", "clé Dblmur : -50 hors limites"},
        {"anglPc=400", "clé anglPc : 400 hors limites (de 0 à 90\u00a0°)"},
        {"oblique=abc",
         "clé oblique : \"abc\" au lieu de 1 (oui) ou 0 (non) ; valeur par défaut 1"},
        {"pattesurtete=2", "clé pattesurtete : \"2\" au lieu de 1"},
        {"hrabat_auto=-1", "clé hrabat_auto : \"-1\" au lieu de 1"},
        {"nbmortaise=3.5", "clé nbmortaise : 3.5 hors limites (de 0 à 3)"},
        {"senspass=99999", "clé senspass : 99999 hors limites (de 0 à 2)"},
        {"senscann=3", "clé senscann : 3 hors limites (de 0 à 2)"},
    };
    const Model defaults = [] {
        TempDir empty;
        return initialised(empty);
    }();
    for (const Case& c : cases) {
        TempDir dir;
        writeFile(dir / "korparam.ini", std::string("; réglages\n[Brontaxe]\nlongueur=500\n") +
                                            c.line + "\nlargeur=250\n");
        platform::PrivateProfile profile(dir.path());
        Model m;
        setStartupValues(m);
        const ParameterFile parameters(profile);
        Init(m, parameters);
        ASSERT_EQ(parameters.warnings().size(), 1u) << c.line;
        const std::string& w = parameters.warnings()[0];
        EXPECT_NE(w.find("korparam.ini, ligne 4, " + std::string(c.expected)), std::string::npos)
            << w;
        // The neighbours are read, and the bad key keeps its default.
        EXPECT_EQ(m.Longueur, 500) << c.line;
        EXPECT_EQ(m.Largeur, 250) << c.line;
        EXPECT_EQ(m.lgPatte, defaults.lgPatte) << c.line;
        EXPECT_EQ(m.Hauteur, defaults.Hauteur) << c.line;
        EXPECT_EQ(m.oblique, defaults.oblique) << c.line;
        EXPECT_EQ(m.pattesurtete, defaults.pattesurtete) << c.line;
        EXPECT_EQ(m.hrabat_auto, defaults.hrabat_auto) << c.line;
        EXPECT_EQ(m.nbmortaise, defaults.nbmortaise) << c.line;
        EXPECT_EQ(m.Dblmur, defaults.Dblmur) << c.line;
    }
}

TEST(Init, GoodStoredValuesAreTakenWithoutAWordAndTheDecimalCommaReads) {
    TempDir dir;
    writeFile(dir / "korparam.ini",
              "[Brontaxe]\nhauteur=12,5\nSym_Verticale=1.0\nnbmortaise=2.5\noblique=0\n");
    platform::PrivateProfile profile(dir.path());
    Model m;
    setStartupValues(m);
    const ParameterFile parameters(profile);
    Init(m, parameters);
    EXPECT_TRUE(parameters.warnings().empty());
    EXPECT_EQ(m.Hauteur, 12.5f);
    EXPECT_TRUE(m.Sym_Verticale);
    EXPECT_EQ(m.nbmortaise, 2);  // half to even
    EXPECT_FALSE(m.oblique);
}

TEST(readFloat, TheTextIsCutToTheReadBuffer) {
    TempDir dir;
    // Twenty characters would not fit a 20-character buffer: only the first 19 are read.
    writeFile(dir / "korparam.ini", "[Brontaxe]\nlgPatte=00000000000000000012\n");
    platform::PrivateProfile profile(dir.path());
    EXPECT_EQ(ParameterFile(profile).readFloat("lgPatte", 5), 1);
}

}  // namespace
}  // namespace brontaxe
