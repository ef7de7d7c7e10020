// The tables as the editors change them: in memory until both files are saved together, the
// renumbering of grade labels, and what each allowance means for the styles that say.

#include <gtest/gtest.h>

#include <filesystem>

#include "board/allowance_captions.h"
#include "board/board_tables.h"
#include "support/temp_dir.h"

namespace brontaxe {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

AllowanceValues firstValue(float v) {
    AllowanceValues a{};
    a[1] = v;
    return a;
}

std::string gradeFile(const std::vector<std::string>& labels) {
    std::string text = "\"\"\r\n\"\"\r\n";
    for (std::size_t i = 0; i < labels.size(); ++i)
        text += "\"" + labels[i] + "\",\"G" + std::to_string(i + 1) + "\",3,6\r\n";
    return text;
}

TEST(TableEditing, EditsStayInMemoryUntilBothTablesAreSavedTogether) {
    TempDir dir;
    writeFile(dir / "csqual2.kor", gradeFile({"1 - A", "2 - B"}));
    writeFile(dir / "fefcomajo1.kor", "\"\"\r\n\"\"\r\n201,1,2,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
    const std::string grades = readFile(dir / "csqual2.kor");
    const std::string allowances = readFile(dir / "fefcomajo1.kor");
    BoardTables m(dir.path());
    ASSERT_EQ(m.readGrades(), std::nullopt);
    ASSERT_EQ(m.readAllowances(), std::nullopt);

    ASSERT_EQ(m.setGrade("BC", "BC", 7, 14), std::nullopt);
    ASSERT_EQ(m.setThickness(1, 2.5f), std::nullopt);
    ASSERT_EQ(m.setDoubleWall(2, 9), std::nullopt);
    m.storeAllowances(201, 3, firstValue(13));
    EXPECT_EQ(m.gradeLabel(3), " 3 - BC");
    EXPECT_EQ(readFile(dir / "csqual2.kor"), grades);
    EXPECT_EQ(readFile(dir / "fefcomajo1.kor"), allowances);

    // Out of range: refused, nothing changes.
    EXPECT_TRUE(m.setThickness(1, 0));
    EXPECT_TRUE(m.setDoubleWall(1, -1));
    EXPECT_TRUE(m.setGrade("X", "X", 40, 6));
    EXPECT_EQ(m.gradeThickness(1), 2.5f);
    EXPECT_EQ(m.grades().count(), 3);

    ASSERT_EQ(m.saveTables(), std::nullopt);
    BoardTables reread(dir.path());
    ASSERT_EQ(reread.readGrades(), std::nullopt);
    ASSERT_EQ(reread.readAllowances(), std::nullopt);
    EXPECT_EQ(reread.grades(), m.grades());
    EXPECT_EQ(reread.allowances(), m.allowances());
}

TEST(TableEditing, WhenEitherFileCannotBeWrittenNeitherChanges) {
    TempDir dir;
    writeFile(dir / "csqual2.kor", gradeFile({"1 - A"}));
    BoardTables m(dir.path());
    ASSERT_EQ(m.readGrades(), std::nullopt);
    m.readAllowances();  // no allowance file: an empty table
    const std::string grades = readFile(dir / "csqual2.kor");
    ASSERT_EQ(m.setThickness(1, 5), std::nullopt);
    m.storeAllowances(201, 1, firstValue(4));

    // A directory stands where the allowance file goes.
    std::filesystem::create_directory(dir / "fefcomajo1.kor");
    writeFile(dir / "fefcomajo1.kor" / "x", "x");
    const TableProblem problem = m.saveTables();
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->find("fefcomajo1.kor"), std::string::npos) << *problem;
    EXPECT_EQ(readFile(dir / "csqual2.kor"), grades);
    // No temporary file is left beside the tables.
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();

    // The same when the grade file is the one that cannot be written.
    std::filesystem::remove_all(dir / "fefcomajo1.kor");
    std::filesystem::remove(dir / "csqual2.kor");
    std::filesystem::create_directory(dir / "csqual2.kor");
    EXPECT_TRUE(m.saveTables());
    EXPECT_FALSE(std::filesystem::exists(dir / "fefcomajo1.kor"));
}

TEST(TableEditing, RestoringPutsBothTablesBack) {
    TempDir dir;
    writeFile(dir / "csqual2.kor", gradeFile({"1 - A", "2 - B"}));
    BoardTables m(dir.path());
    ASSERT_EQ(m.readGrades(), std::nullopt);
    const GradeTable grades = m.grades();
    const AllowanceTable allowances = m.allowances();
    ASSERT_EQ(m.setGrade("G1", "autre", 4, 8), std::nullopt);  // rewrites grade 1 by its code
    EXPECT_EQ(m.gradeLabel(1), "autre");
    m.storeAllowances(202, 2, firstValue(1));
    m.restoreTables(grades, allowances);
    EXPECT_EQ(m.grades(), grades);
    EXPECT_EQ(m.allowances(), allowances);
}

// Deleting grade 2: each later label that begins with its number takes the new number, and
// keeps the rest of its text as it was.
TEST(TableEditing, DeletingAGradeRenumbersTheLabelsThatBeginWithTheirNumber) {
    struct Case {
        int grade;
        std::string before;
        std::string after;
    };
    const std::vector<Case> cases{
        {3, "3 - C", "2 - C"},
        {4, " 4 - D", " 3 - D"},  // as added by the editor, with a blank in front
        {5, "5-E", "4-E"},
        {6, "Kraft 6", "Kraft 6"},  // no number in front: left alone
        {7, "8 - H", "8 - H"},      // not its own number: left alone
        {8, "8", "7"},
        {9, "9 - I", "8 - I"},
        {10, "10 - J", "9 - J"},
        {11, "11 - K", "10 - K"},
    };
    std::vector<std::string> labels{"1 - A", "2 - B"};
    for (const Case& c : cases)
        labels.push_back(c.before);
    TempDir dir;
    writeFile(dir / "csqual2.kor", gradeFile(labels));
    BoardTables m(dir.path());
    ASSERT_EQ(m.readGrades(), std::nullopt);
    m.readAllowances();
    ASSERT_EQ(m.deleteGrade(2), std::nullopt);
    ASSERT_EQ(m.grades().count(), static_cast<int>(labels.size()) - 1);
    for (const Case& c : cases)
        EXPECT_EQ(m.gradeLabel(c.grade - 1), c.after) << c.before;
}

TEST(AllowanceCaptions, SlottedCasesNameTheirPanelsAndFlaps) {
    struct Case {
        std::int16_t code;
        bool glueOnWidth;
        int position;
        std::string caption;
    };
    const std::vector<Case> cases{
        {201, false, 1, "panneau 1 (longueur)"},
        {201, false, 2, "panneau 2 (largeur)"},
        {201, true, 1, "panneau 1 (largeur)"},
        {201, true, 4, "panneau 4 (longueur)"},
        {201, false, 5, "hauteur du corps"},
        {201, false, 6, "rabats des panneaux 1 et 3"},
        {203, false, 7, "rabats des panneaux 2 et 4"},
        {204, true, 6, "rabats des panneaux en longueur"},
        {206, false, 7, "rabats des panneaux en largeur"},
        {201, false, 8, ""},
        {232, false, 4, "panneau 4 (largeur)"},
        {232, false, 6, ""},  // its flaps are a style parameter
        {300, false, 1, ""},  // not known: nothing said
    };
    for (const Case& c : cases) {
        EXPECT_EQ(allowanceCaptions(c.code, c.glueOnWidth)[static_cast<std::size_t>(c.position)],
                  c.caption)
            << c.code << " position " << c.position;
    }
    EXPECT_EQ(allowanceLabel(1), "Majoration  1");
    EXPECT_EQ(allowanceLabel(16), "Majoration  16");
}

}  // namespace
}  // namespace brontaxe
