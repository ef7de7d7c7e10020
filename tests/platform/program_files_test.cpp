// Where the program finds the files that come with it: installed under a prefix, or in its
// source and build trees; and the manual, wherever it was laid.
#include "platform/program_files.h"

#include <gtest/gtest.h>

#include <map>

#include "board/data_directory.h"
#include "support/temp_dir.h"

namespace brontaxe {
namespace {

namespace fs = std::filesystem;

platform::EnvironmentLookup environment(std::map<std::string, std::string> vars) {
    return [vars = std::move(vars)](const char* name) -> std::optional<std::string> {
        auto it = vars.find(name);
        return it == vars.end() ? std::nullopt : std::optional<std::string>(it->second);
    };
}

// A prefix in a temporary folder, with what each case lays in it.
struct Tree {
    explicit Tree(const std::vector<std::string>& files) {
        for (const std::string& f : files) {
            fs::create_directories((root / f).parent_path());
            test::writeFile(root / f, "x");
        }
    }
    fs::path operator/(const std::string& p) const { return root / p; }
    test::TempDir root;
};

struct ProgramCase {
    const char* name;
    std::vector<std::string> files;  // laid in the tree
    const char* executable;          // relative to the tree; "" for none known
    std::map<std::string, std::string> env;
    const char* share;   // installedShareDirectory, relative; "" for none
    const char* data;    // shippedDataDirectory, relative; "SOURCE" for the source tree's
    const char* manual;  // manualFile, relative; "BUILT" for the build's
    const char* text;    // manualText, relative; "SOURCE" for the source tree's
};

const std::vector<ProgramCase> kProgramCases = {
    {"installed under a prefix",
     {"share/brontaxe/data/csqual2.kor"},
     "bin/brontaxe-cli",
     {},
     "share/brontaxe",
     "share/brontaxe/data/",
     "share/doc/brontaxe/brontaxe.pdf",
     "share/help/fr/brontaxe/manuel.md"},
    {"its manual installed too",
     {"share/brontaxe/data/csqual2.kor", "share/doc/brontaxe/brontaxe.pdf"},
     "bin/brontaxe",
     {},
     "share/brontaxe",
     "share/brontaxe/data/",
     "share/doc/brontaxe/brontaxe.pdf",
     "share/help/fr/brontaxe/manuel.md"},
    {"a build folder: no share beside bin",
     {"share/other/x"},
     "bin/brontaxe",
     {},
     "",
     "SOURCE",
     "BUILT",
     "SOURCE"},
    {"not in a bin folder",
     {"share/brontaxe/data/csqual2.kor"},
     "libexec/x/brontaxe",
     {},
     "",
     "SOURCE",
     "BUILT",
     "SOURCE"},
    {"the system did not say",
     {"share/brontaxe/data/csqual2.kor"},
     "",
     {},
     "",
     "SOURCE",
     "BUILT",
     "SOURCE"},
    {"$BRONTAXE_DATA_DIR wins over the installed data",
     {"share/brontaxe/data/csqual2.kor", "mine/csqual2.kor"},
     "bin/brontaxe",
     {{"BRONTAXE_DATA_DIR", "mine"}},
     "share/brontaxe",
     "mine/",
     "share/doc/brontaxe/brontaxe.pdf",
     "share/help/fr/brontaxe/manuel.md"},
    {"a manual laid on drive C wins",
     {"share/brontaxe/data/csqual2.kor", "share/doc/brontaxe/brontaxe.pdf",
      "c/wkorvane/doc/brontaxe.pdf"},
     "bin/brontaxe",
     {{"BRONTAXE_DRIVE_C", "c"}},
     "share/brontaxe",
     "share/brontaxe/data/",
     "c/wkorvane/doc/brontaxe.pdf",
     "share/help/fr/brontaxe/manuel.md"},
};

TEST(ProgramFiles, FoundFromWhereTheProgramRuns) {
    const std::string source = shippedDataDirectory(environment({}), fs::path());
    ASSERT_TRUE(source.ends_with("resources/data/")) << source;
    for (const ProgramCase& c : kProgramCases) {
        SCOPED_TRACE(c.name);
        const Tree tree(c.files);
        std::map<std::string, std::string> vars;
        for (const auto& [key, value] : c.env)
            vars[key] = (tree / value).string();
        const auto env = environment(vars);
        const fs::path exe = *c.executable ? tree / c.executable : fs::path();

        const auto share = platform::installedShareDirectory(exe);
        EXPECT_EQ(share.value_or(fs::path()), *c.share ? tree / c.share : fs::path());
        const std::string data = shippedDataDirectory(env, exe);
        EXPECT_EQ(data, std::string(c.data) == "SOURCE" ? source : (tree / c.data).string());
        const fs::path manual = platform::manualFile(env, exe);
        if (std::string(c.manual) == "BUILT")
            EXPECT_TRUE(manual.string().ends_with("docs/manual/brontaxe.pdf")) << manual;
        else
            EXPECT_EQ(manual, tree / c.manual);
        const fs::path text = platform::manualText(exe);
        if (std::string(c.text) == "SOURCE")
            EXPECT_TRUE(text.string().ends_with("docs/manual/manuel.md")) << text;
        else
            EXPECT_EQ(text, tree / c.text);
    }
}

// The drive C default and the user's tables follow the XDG data folder.
TEST(ProgramFiles, TheUsersTablesLieInTheXdgDataFolder) {
    const struct {
        std::map<std::string, std::string> env;
        const char* tables;
    } cases[] = {
        {{{"HOME", "/h"}}, "/h/.local/share/brontaxe/c/korvane/drumlane"},
        {{{"HOME", "/h"}, {"XDG_DATA_HOME", "/x"}}, "/x/brontaxe/c/korvane/drumlane"},
        {{{"HOME", "/h"}, {"XDG_DATA_HOME", "/x"}, {"BRONTAXE_DRIVE_C", "/c"}},
         "/c/korvane/drumlane"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(userTablesDirectory(environment(c.env)), fs::path(c.tables));
}

}  // namespace
}  // namespace brontaxe
