// The tables shipped with the program, and how a fresh install finds them.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <sstream>

#include "board/data_directory.h"
#include "cli/cli_app.h"
#include "platform/number_text.h"
#include "support/cli_run.h"
#include "support/shipped_tables.h"
#include "support/temp_dir.h"
#include "workbench/allowance_editor.h"
#include "workbench/grade_deletion.h"
#include "workbench/workbench.h"

namespace brontaxe {
namespace {

// The slotted codes of the catalogue; 0200C shares the allowances of 0200.
const std::vector<std::int16_t> kSlottedCodes = {200, 201, 202, 203, 204, 205, 206, 207, 208, 209,
                                                 210, 211, 212, 214, 215, 216, 217, 218, 225, 226,
                                                 227, 229, 230, 231, 232, 233, 234, 235};

platform::EnvironmentLookup environment(std::map<std::string, std::string> vars) {
    return [vars = std::move(vars)](const char* name) -> std::optional<std::string> {
        auto it = vars.find(name);
        if (it == vars.end())
            return std::nullopt;
        return it->second;
    };
}

TEST(ShippedData, OffersTheCommonFlutesWithTheirThicknesses) {
    const BoardTables tables = test::shippedTables();
    std::map<std::string, float> thickness;
    for (int n = 1; n <= tables.grades().count(); ++n) {
        const QualiteRec& g = tables.grades().at(n);
        thickness[g.code] = g.thickness;
        EXPECT_EQ(std::stoi(g.label), n) << g.label;  // labels start with their number
        EXPECT_EQ(g.doubleWall, 2 * g.thickness) << g.code;
    }
    for (const char* flute : {"E", "B", "C", "EB", "BC"})
        EXPECT_EQ(thickness.count(flute), 1u) << flute;
    EXPECT_LT(thickness["E"], thickness["B"]);
    EXPECT_LT(thickness["B"], thickness["C"]);
    EXPECT_LT(thickness["C"], thickness["EB"]);
    EXPECT_LT(thickness["EB"], thickness["BC"]);
    EXPECT_EQ(tables.grades().at(1).code, "B");  // the start-up grade is the everyday one
}

// Panels about one thickness (less on the glue-flap panel), height about two, in every grade.
TEST(ShippedData, EverySlottedCodeHasAllowancesInEveryGrade) {
    const BoardTables tables = test::shippedTables();
    const std::set<std::int16_t> tuckInStyles = {210, 211, 212, 215};
    for (std::int16_t code : kSlottedCodes) {
        for (int n = 1; n <= tables.grades().count(); ++n) {
            const auto grade = static_cast<std::int16_t>(n);
            ASSERT_TRUE(tables.hasAllowances(code, grade)) << code << " grade " << n;
            const float t = tables.gradeThickness(n);
            const AllowanceValues a = test::shippedAllowances(tables, code, n);
            EXPECT_EQ(a[2], t) << code << " grade " << n;
            EXPECT_EQ(a[3], t) << code << " grade " << n;
            if (tuckInStyles.count(code) != 0) {
                EXPECT_EQ(a[4], 0.0f) << code;
                EXPECT_EQ(a[8], -t) << code;
            } else {
                EXPECT_LT(a[1], t) << code << " grade " << n;
                EXPECT_GE(a[1], t / 2) << code << " grade " << n;
                EXPECT_EQ(a[4], t) << code << " grade " << n;
                EXPECT_EQ(a[5], code == 200 ? t : 2 * t) << code << " grade " << n;
            }
        }
    }
}

using test::CliRun;
using test::runCli;

TEST(ShippedData, CommandLineDrawsEachGradeWithItsAllowances) {
    test::TempDir config;
    const BoardTables tables = test::shippedTables();
    for (int n = 1; n <= tables.grades().count(); ++n) {
        const std::string grade = std::to_string(n);
        const CliRun r = runCli({"0201", "--qualite", grade.c_str()}, config);
        ASSERT_EQ(r.code, 0) << r.err;
        const AllowanceValues a = test::shippedAllowances(tables, 201, n);
        const test::BlankSize size = test::blank0201(a, 400, 300, 200, 36);
        EXPECT_GT(size.x, 1436.0f);  // the bare inside dimensions give 1436 x 500
        EXPECT_GT(size.y, 500.0f);
        const std::string expected = "Dim. Hors Tout : " + platform::readableNumber(size.x) +
                                     " x " + platform::readableNumber(size.y) + " mm";
        EXPECT_NE(r.out.find(expected), std::string::npos) << r.out;
        EXPECT_NE(r.out.find("qualité " + tables.gradeLabel(n) + ", épaisseur"), std::string::npos)
            << r.out;
    }
}

TEST(ShippedData, CommandLineRefusesAGradeTheTableDoesNotHold) {
    test::TempDir config;
    const std::string beyond = std::to_string(test::shippedTables().grades().count() + 1);
    for (const char* grade : {"0", beyond.c_str(), "-3"}) {
        const CliRun r = runCli({"0201", "--qualite", grade}, config);
        EXPECT_EQ(r.code, 2) << grade;
        EXPECT_NE(r.err.find("Qualité " + std::string(grade) + " inconnue"), std::string::npos)
            << r.err;
        EXPECT_TRUE(r.out.empty());
    }
}

TEST(ShippedData, FreshInstallLoadsTheShippedTablesAtStartUp) {
    test::TempDir config;
    Workbench wb(platform::PrivateProfile(config.path()), &findGenerator, environment({}));
    wb.startUp();
    EXPECT_TRUE(wb.tableProblems().empty());
    const BoardTables tables = test::shippedTables();
    EXPECT_EQ(wb.boardTables().grades(), tables.grades());
    EXPECT_EQ(wb.model().EpaisseurCarton, tables.gradeThickness(1));
    EXPECT_EQ(wb.model().Majo, test::shippedAllowances(tables, 201, 1));
    EXPECT_EQ(wb.window().codeText, "0201");
    ASSERT_TRUE(wb.regenerate().drawn);
    EXPECT_EQ(wb.model().HorsToutX,
              test::blank0201(wb.model().Majo, 400, 300, 200, wb.model().lgPatte).x);
}

// A small grade file of its own in `dir`.
void writeOneGrade(const std::filesystem::path& dir, const std::string& code, float thickness) {
    std::filesystem::create_directories(dir);
    std::ostringstream text;
    text << "\"\"\r\n\"\"\r\n\"1 - " << code << "\",\"" << code << "\"," << thickness << ","
         << 2 * thickness << "\r\n";
    test::writeFile(dir / "csqual2.kor", text.str());
}

TEST(ShippedData, PreferencesAndEnvironmentNameOtherDataDirectories) {
    test::TempDir root;
    // $BRONTAXE_DATA_DIR stands in for the shipped directory when the preferences name none.
    writeOneGrade(root / "data", "X", 2.5f);
    Workbench byEnvironment(platform::PrivateProfile(root / "config"), &findGenerator,
                            environment({{"BRONTAXE_DATA_DIR", (root / "data").string()}}));
    byEnvironment.startUp();
    EXPECT_EQ(byEnvironment.model().EpaisseurCarton, 2.5f);

    // The old Windows default lies below the folder standing for drive C.
    writeOneGrade(root / "c" / "korvane" / "drumlane", "Y", 4.5f);
    std::filesystem::create_directories(root / "config");
    test::writeFile(root / "config" / "KorParam.ini",
                    "[Preferences]\r\nMajoFefco=c:\\Korvane\\Drumlane\\\r\n");
    Workbench byPreferences(platform::PrivateProfile(root / "config"), &findGenerator,
                            environment({{"BRONTAXE_DRIVE_C", (root / "c").string()},
                                         {"BRONTAXE_DATA_DIR", (root / "data").string()}}));
    byPreferences.startUp();
    EXPECT_EQ(byPreferences.model().MajoFefco, "c:\\Korvane\\Drumlane\\");
    EXPECT_EQ(byPreferences.model().EpaisseurCarton, 4.5f);
}

// The shipped tables are never written: the first save of either edit writes both tables into
// the user's folder, and the preferences name it from then on.
TEST(ShippedData, TheFirstSaveMakesTheUsersOwnCopyOfTheShippedTables) {
    using Edit = std::function<std::optional<std::string>(Workbench&)>;
    const std::pair<const char*, Edit> edits[] = {
        {"allowance editor",
         [](Workbench& wb) {
             AllowanceEditor editor(wb);
             EXPECT_TRUE(editor.enter(1, "13").changed);
             return editor.validate();
         }},
        {"grade deleted", [](Workbench& wb) { return deleteGrade(wb, 2); }},
    };
    for (const auto& [name, edit] : edits) {
        SCOPED_TRACE(name);
        test::TempDir root;
        const std::filesystem::path shipped = root / "shipped";
        std::filesystem::create_directories(shipped);
        const std::filesystem::path source = shippedDataDirectory(environment({}), {});
        for (const char* file : {"csqual2.kor", "fefcomajo1.kor"})
            std::filesystem::copy_file(source / file, shipped / file);
        const auto env = environment(
            {{"BRONTAXE_DATA_DIR", shipped.string()}, {"BRONTAXE_DRIVE_C", (root / "c").string()}});
        const std::string shippedGrades = test::readFile(shipped / "csqual2.kor");
        const std::string shippedAllowances = test::readFile(shipped / "fefcomajo1.kor");

        Workbench wb(platform::PrivateProfile(root / "config"), &findGenerator, env);
        wb.startUp();
        ASSERT_EQ(edit(wb), std::nullopt);
        EXPECT_EQ(test::readFile(shipped / "csqual2.kor"), shippedGrades);
        EXPECT_EQ(test::readFile(shipped / "fefcomajo1.kor"), shippedAllowances);

        Workbench next(platform::PrivateProfile(root / "config"), &findGenerator, env);
        next.startUp();
        const std::string mine = (root / "c" / "korvane" / "drumlane").string() + "/";
        EXPECT_EQ(next.model().MajoFefco, mine);
        EXPECT_EQ(next.boardTables().grades(), wb.boardTables().grades());
        EXPECT_EQ(next.boardTables().allowances(), wb.boardTables().allowances());
        EXPECT_NE(next.boardTables().allowances(), test::shippedTables().allowances());
    }
}

TEST(ShippedData, ChangingTheDataDirectoryStoresItAndReloadsTheTables) {
    test::TempDir root;
    writeOneGrade(root / "other", "Z", 5.0f);
    Workbench wb(platform::PrivateProfile(root / "config"), &findGenerator, environment({}));
    wb.startUp();
    const GradeTable shipped = wb.boardTables().grades();

    EXPECT_TRUE(wb.changeDataDirectory(root / "nowhere" / "fefcomajo1.kor"));
    EXPECT_EQ(wb.boardTables().grades(), shipped);
    EXPECT_FALSE(std::filesystem::exists(root / "config" / "korparam.ini"));

    ASSERT_EQ(wb.changeDataDirectory(root / "other" / "csqual2.kor"), std::nullopt);
    const std::string dir = (root / "other").string() + "/";
    EXPECT_EQ(wb.model().MajoFefco, dir);
    EXPECT_EQ(wb.boardTables().gradeLabel(1), "1 - Z");
    EXPECT_EQ(wb.model().EpaisseurCarton, 5.0f);
    EXPECT_EQ(wb.model().hmortaise, 15.0f);
    EXPECT_EQ(test::readFile(root / "config" / "korparam.ini"),
              "[Preferences]\nMajoFefco=" + dir + "\n");

    // The next start reads the stored directory.
    Workbench next(platform::PrivateProfile(root / "config"), &findGenerator, environment({}));
    next.startUp();
    EXPECT_EQ(next.model().EpaisseurCarton, 5.0f);
}

}  // namespace
}  // namespace brontaxe
