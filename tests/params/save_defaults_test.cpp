#include "params/save_defaults.h"

#include <gtest/gtest.h>

#include "model/model_init.h"
#include "support/temp_dir.h"
#include "workbench/workbench.h"

namespace brontaxe {
namespace {

const char* const kKeyOrder[] = {
    "longueur",    "largeur",   "hauteur",       "senscann",  "senspass",   "lgPatte",
    "patProlong",  "anglPc",    "pattesurtete",  "hrabat",    "encoche",    "decalenc",
    "hrabat_auto", "rarrondi",  "hrecouvr",      "hpatrent",  "RcoupPouce", "nbmortaise",
    "lgmortaise",  "hmortaise", "RMortaise",     "pmortaise", "lgtenon",    "htenon",
    "AngTenon",    "Dblmur",    "oblique",       "DecPatte",  "LPoign",     "HPoign",
    "DPoign",      "EPoign",    "Sym_Verticale", "ponts",     "lgPont",     "pasPonts",
    "degPonts"};

TEST(saveDefaults, ANewStartReadsTheSavedValuesBackExactly) {
    test::TempDir dir;
    Workbench first(platform::PrivateProfile(dir.path()));
    first.startUp();
    Model& m = first.model();
    m.hrabat_auto = false;
    m.Sym_Verticale = true;
    m.RcoupPouce = 12.345f;
    m.lgPatte = 1.0f / 3.0f;  // a single that seven digits do not hold
    m.nbmortaise = 3;
    m.oblique = false;
    m.ponts = true;
    m.lgPont = 0.75f;
    m.pasPonts = 120;
    m.degPonts = 8;
    ASSERT_EQ(saveDefaults(m, first.settings()), std::nullopt);

    Workbench second(platform::PrivateProfile(dir.path()));
    second.startUp();
    const Model& back = second.model();
    EXPECT_FALSE(back.hrabat_auto);
    EXPECT_TRUE(back.Sym_Verticale);
    EXPECT_EQ(back.RcoupPouce, 12.345f);
    EXPECT_EQ(back.lgPatte, 1.0f / 3.0f);
    EXPECT_EQ(back.nbmortaise, 3);
    EXPECT_FALSE(back.oblique);
    EXPECT_TRUE(back.ponts);
    EXPECT_EQ(back.lgPont, 0.75f);
    EXPECT_EQ(back.pasPonts, 120);
    EXPECT_EQ(back.degPonts, 8);
}

TEST(saveDefaults, WritesEveryKeyInOrderWithBlankNumbersAndDigitFlags) {
    test::TempDir dir;
    Model m;
    m.Longueur = 400;
    m.decalenc = -2.5f;
    m.RcoupPouce = 12.5f;
    m.hrabat_auto = false;
    m.Sym_Verticale = true;
    ASSERT_EQ(saveDefaults(m, platform::PrivateProfile(dir.path())), std::nullopt);

    const std::string text = test::readFile(dir / "korparam.ini");
    std::size_t at = text.find("[Brontaxe]");
    ASSERT_NE(at, std::string::npos);
    for (const char* key : kKeyOrder) {
        const std::size_t next = text.find(std::string("\n") + key + "=", at);
        ASSERT_NE(next, std::string::npos) << key << " missing or out of order";
        at = next + 1;
    }
    EXPECT_NE(text.find("longueur= 400\n"), std::string::npos);
    EXPECT_NE(text.find("decalenc=-2.5\n"), std::string::npos);
    EXPECT_NE(text.find("RcoupPouce= 12.5\n"), std::string::npos);
    EXPECT_NE(text.find("hrabat_auto=0\n"), std::string::npos);
    EXPECT_NE(text.find("Sym_Verticale=1\n"), std::string::npos);
}

TEST(saveDefaults, KeepsOtherSectionsAndCommentsOfAHandWrittenFile) {
    test::TempDir dir;
    const std::string before =
        "; written by hand\n[Preferences]\nProfil=VORANIS\n\n[Brontaxe]\n; my flap\nhrabat= 60\n"
        "inconnu=7\n[Autre]\ncle=valeur\n";
    test::writeFile(dir / "KorParam.ini", before);
    Model m;
    m.hrabat = 70;
    ASSERT_EQ(saveDefaults(m, platform::PrivateProfile(dir.path())), std::nullopt);

    const std::string text = test::readFile(dir / "KorParam.ini");
    for (const char* kept : {"; written by hand\n", "[Preferences]\nProfil=VORANIS\n",
                             "; my flap\n", "inconnu=7\n", "[Autre]\ncle=valeur\n", "hrabat= 70\n"})
        EXPECT_NE(text.find(kept), std::string::npos) << kept;
    EXPECT_EQ(text.find("hrabat= 60"), std::string::npos);
}

TEST(saveDefaults, AFailedWriteIsReported) {
    test::TempDir dir;
    test::writeFile(dir / "plain-file", "x");
    const auto message = saveDefaults(Model{}, platform::PrivateProfile(dir / "plain-file"));
    ASSERT_TRUE(message.has_value());
    EXPECT_NE(message->find("Impossible d'enregistrer"), std::string::npos);
}

TEST(StoredNumberText, ShortestTextThatReadsBackTheSameSingle) {
    EXPECT_EQ(storedNumberText(36), " 36");
    EXPECT_EQ(storedNumberText(0), " 0");
    EXPECT_EQ(storedNumberText(-4), "-4");
    EXPECT_EQ(storedNumberText(12.7f), " 12.7");
}

}  // namespace
}  // namespace brontaxe
