#include "platform/profile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/profile_file.h"
#include "support/temp_dir.h"

namespace brontaxe::platform {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

TEST(ProfileDocument, LooksUpSectionAndKeyWithoutRegardToCaseAndTrimsValues) {
    auto doc = ProfileDocument::parse(
        "[Preferences]\r\nMajoFefco = /data/tables \r\n[BRONTAXE]\r\n  lgPatte=36\r\n"
        "label=\"  quoted  \"\r\n");
    EXPECT_EQ(doc.find("brontaxe", "LGPATTE"), "36");
    EXPECT_EQ(doc.find("preferences", "majofefco"), "/data/tables");
    EXPECT_EQ(doc.find("Brontaxe", "label"), "  quoted  ");
    EXPECT_EQ(doc.find("Brontaxe", "MajoFefco"), std::nullopt);  // other section
    EXPECT_EQ(doc.find("Absent", "lgPatte"), std::nullopt);
}

TEST(ProfileDocument, CommentsAreNotKeysAndTheFirstOccurrenceWins) {
    auto doc = ProfileDocument::parse("[S]\n;hrabat=1\n# encoche=2\nhrabat=50\nhrabat=60\n");
    EXPECT_EQ(doc.find("S", "hrabat"), "50");
    EXPECT_EQ(doc.find("S", ";hrabat"), std::nullopt);
}

TEST(ProfileString, DefaultWhenAbsentAndResultCutToTheBuffer) {
    auto doc = ProfileDocument::parse("[S]\nlong=123456789012345678901234\n");
    EXPECT_EQ(profileString(doc, "S", "none", "7  ", 20),
              "7");  // trailing blanks of the default go
    EXPECT_EQ(profileString(doc, "S", "long", "", 20), "1234567890123456789");
    EXPECT_EQ(profileString(doc, "S", "long", "", 1), "");
    EXPECT_EQ(profileString(doc, "S", "long", "", 0), "");
}

TEST(ProfileDocument, WritesChangeOnlyTheirLineAndKeepEverythingElse) {
    const std::string original =
        "; réglages écrits à la main\r\n[Preferences]\r\nMajoFefco=/x\r\n\r\n"
        "[Brontaxe]\r\nLGPATTE=36\r\nhrabat=50\r\n\r\n[Autre]\r\nclef=valeur\r\n";
    auto doc = ProfileDocument::parse(original);
    doc.set("brontaxe", "lgpatte", " 30");
    doc.set("Brontaxe", "encoche", " 8");
    doc.set("Nouvelle", "a", "1");
    EXPECT_EQ(
        doc.text(),
        "; réglages écrits à la main\r\n[Preferences]\r\nMajoFefco=/x\r\n\r\n"
        "[Brontaxe]\r\nLGPATTE= 30\r\nhrabat=50\r\nencoche= 8\r\n\r\n[Autre]\r\nclef=valeur\r\n"
        "\r\n[Nouvelle]\r\na=1\r\n");
    doc.removeKey("BRONTAXE", "hrabat");
    doc.removeSection("autre");
    EXPECT_EQ(doc.find("Brontaxe", "hrabat"), std::nullopt);
    EXPECT_FALSE(doc.hasSection("Autre"));
    EXPECT_EQ(doc.find("Nouvelle", "a"), "1");
}

TEST(ProfileDocument, TextWithoutFinalLineEndRoundTrips) {
    const std::string text = "[S]\nk=v";
    EXPECT_EQ(ProfileDocument::parse(text).text(), text);
    EXPECT_EQ(ProfileDocument::parse("").text(), "");
}

TEST(PrivateProfile, BareNamesLiveInTheWindowsDirectoryWhateverTheirCase) {
    TempDir dir;
    PrivateProfile profile(dir.path());
    writeFile(dir / "KorParam.ini", "[Brontaxe]\nhauteur=250\n");
    EXPECT_EQ(profile.GetString("Brontaxe", "hauteur", "0", 20, "korparam.ini"), "250");
    EXPECT_TRUE(profile.WriteString("Brontaxe", "largeur", " 310", "KORPARAM.INI"));
    EXPECT_EQ(readFile(dir / "KorParam.ini"), "[Brontaxe]\nhauteur=250\nlargeur= 310\n");
    // A new file is named in lower case, so later lookups of any case find it.
    EXPECT_TRUE(profile.WriteString("S", "k", "v", "Nouveau.INI"));
    EXPECT_TRUE(std::filesystem::exists(dir / "nouveau.ini"));
    EXPECT_EQ(profile.GetString("s", "K", "", 20, "NOUVEAU.ini"), "v");
}

TEST(PrivateProfile, MissingFileGivesDefaultsAndAWriteCreatesDirectoryAndFile) {
    TempDir dir;
    PrivateProfile profile(dir / "sub" / "config");
    EXPECT_EQ(profile.GetString("Brontaxe", "lgPatte", " 36", 20, "KorParam.ini"), " 36");
    EXPECT_TRUE(profile.WriteString("Brontaxe", "lgPatte", " 40", "KorParam.ini"));
    // Values lose their surrounding blanks; only a default is returned as given.
    EXPECT_EQ(profile.GetString("Brontaxe", "lgPatte", " 36", 20, "KorParam.ini"), "40");
    EXPECT_TRUE(profile.WriteString("Brontaxe", "lgPatte", std::nullopt, "KorParam.ini"));
    EXPECT_EQ(profile.GetString("Brontaxe", "lgPatte", "x", 20, "KorParam.ini"), "x");
}

TEST(PrivateProfile, FailedWriteLeavesTheFileAsItWasAndNoTemporaryBehind) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only directories";
    TempDir dir;
    const auto file = dir / "korparam.ini";
    writeFile(file, "[Brontaxe]\nlgPatte=36\n");
    ::chmod(dir.path().c_str(), 0555);
    PrivateProfile profile(dir.path());
    EXPECT_FALSE(profile.WriteString("Brontaxe", "lgPatte", "40", "korparam.ini"));
    ::chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(readFile(file), "[Brontaxe]\nlgPatte=36\n");
}

TEST(PrivateProfile, WriteIntoADirectoryThatCannotExistFails) {
    TempDir dir;
    writeFile(dir / "plain-file", "x");
    // The Windows directory is a plain file: nothing can be written beneath it.
    PrivateProfile profile(dir / "plain-file");
    EXPECT_FALSE(profile.WriteString("S", "k", "v", "korparam.ini"));
    EXPECT_EQ(readFile(dir / "plain-file"), "x");
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        EXPECT_EQ(entry.path().filename(), "plain-file");
    }
}

}  // namespace
}  // namespace brontaxe::platform
