#include <gtest/gtest.h>

#include <filesystem>

#include "io/drawing_files.h"
#include "io/file_format.h"
#include "support/temp_dir.h"

namespace brontaxe::io {
namespace {

namespace fs = std::filesystem;

Drawing oneLine() {
    Drawing d;
    d.AddLine(0, 0, 100, 0);
    return d;
}

std::size_t filesIn(const fs::path& dir) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir))
        ++n;
    return n;
}

TEST(SaveDrawing, TheExtensionChoosesTheFormatWhateverItsCase) {
    ASSERT_NE(formatForPath("PARAMQMT.DES"), nullptr);
    EXPECT_EQ(formatForPath("PARAMQMT.DES")->extension, "des");
    EXPECT_EQ(formatForPath("a/b.Dxf")->extension, "dxf");
    EXPECT_EQ(formatForPath("b.des.bak"), nullptr);
    EXPECT_EQ(formatForPath(".des"), nullptr);  // a hidden file without extension
    for (const char* ext :
         {"des", "pli", "dxf", "ai", "pdf", "eps", "cf2", "bmp", "png", "svg", "ev"}) {
        EXPECT_NE(formatForPath(std::string("x.") + ext), nullptr) << ext;
    }
}

TEST(SaveDrawing, UnknownOrMissingExtensionsAndFoldersAreRefusedWithoutWritingAnything) {
    test::TempDir dir;
    const struct {
        fs::path path;
        const char* expected;
    } cases[] = {
        {dir / "dessin.toto", "Format de fichier inconnu : \".toto\""},
        {dir / "dessin", "Extension de fichier manquante"},
        {dir / "absent" / "dessin.des", "Dossier inexistant"},
        {dir.path() / "", "Nom de fichier manquant"},
    };
    for (const auto& c : cases) {
        const FileResult r = SaveDrawing(oneLine(), c.path);
        EXPECT_FALSE(r.ok) << c.path;
        EXPECT_NE(r.message.find(c.expected), std::string::npos) << r.message;
    }
    // The message for an unknown format lists what is supported.
    EXPECT_NE(SaveDrawing(oneLine(), dir / "x.doc").message.find(".des, .pli, .dxf"),
              std::string::npos);
    fs::create_directory(dir / "dossier.des");
    EXPECT_FALSE(SaveDrawing(oneLine(), dir / "dossier.des").ok);
    EXPECT_EQ(filesIn(dir.path()), 1u);  // only the folder made above
}

TEST(SaveDrawing, AFailedWriteLeavesTheOldFileAndNoTemporary) {
    test::TempDir dir;
    // The longest name the file system takes: the temporary beside it cannot be made, so the
    // save fails after the checks, at the write itself.
    const fs::path target = dir / (std::string(251, 'x') + ".des");
    test::writeFile(target, "ancien contenu");
    for (const char* name : {"des", "dxf", "pdf", "png", "bmp", "cf2"}) {
        const fs::path path = fs::path(target).replace_extension(name);
        if (!fs::exists(path))
            test::writeFile(path, "ancien contenu");
        const FileResult r = SaveDrawing(oneLine(), path);
        EXPECT_FALSE(r.ok) << name;
        EXPECT_NE(r.message.find("Impossible d'écrire"), std::string::npos) << r.message;
        EXPECT_EQ(test::readFile(path), "ancien contenu") << name;
    }
    EXPECT_EQ(filesIn(dir.path()), 6u);
}

TEST(SaveDrawing, ASuccessfulSaveReplacesTheOldFile) {
    test::TempDir dir;
    test::writeFile(dir / "a.des", "ancien contenu");
    ASSERT_TRUE(SaveDrawing(oneLine(), dir / "a.des").ok);
    EXPECT_NE(test::readFile(dir / "a.des").find("brontaxe-dessin"), std::string::npos);
    EXPECT_EQ(filesIn(dir.path()), 1u);
}

}  // namespace
}  // namespace brontaxe::io
