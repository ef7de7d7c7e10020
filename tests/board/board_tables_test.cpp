#include "board/board_tables.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "board/table_files.h"
#include "support/temp_dir.h"

namespace brontaxe {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

AllowanceValues values(std::initializer_list<float> first) {
    AllowanceValues v{};
    std::size_t k = 1;
    for (float f : first)
        v[k++] = f;
    return v;
}

// Grades "1 - A" to "n - ..." of thickness 3, 6, 9, ... saved in `dir`.
BoardTables tablesWithGrades(const TempDir& dir, int n) {
    BoardTables m(dir.path());
    for (int i = 1; i <= n; ++i) {
        const std::string letter(1, static_cast<char>('A' + i - 1));
        EXPECT_EQ(
            m.addGrade(letter, letter, 3.0f * static_cast<float>(i), 6.0f * static_cast<float>(i)),
            std::nullopt);
    }
    return m;
}

TEST(BoardTables, LookupScalesAnotherGradesAllowancesToTheBoardThickness) {
    TempDir dir;
    BoardTables m = tablesWithGrades(dir, 2);
    m.storeAllowances(201, 1, values({3, 3, 7, 1}));
    AllowanceValues out{};
    EXPECT_EQ(m.findAllowances(201, 2, m.gradeThickness(2), out), 0);
    EXPECT_EQ(out[1], 6.0f);
    EXPECT_EQ(out[2], 6.0f);
    EXPECT_EQ(out[3], 14.0f);
    EXPECT_EQ(out[4], 2.0f);
    EXPECT_FALSE(m.hasAllowances(201, 2));
    EXPECT_TRUE(m.hasAllowances(201, 1));

    // An exact record whose first three values are 0 gives way to the scaled one, and is
    // still the slot found.
    m.storeAllowances(201, 2, values({0, 0, 0, 9}));
    EXPECT_EQ(m.findAllowances(201, 2, 6.0f, out), 2);
    EXPECT_EQ(out[3], 14.0f);
    EXPECT_EQ(out[4], 2.0f);

    // A code nobody has allowances for gives zeros.
    EXPECT_EQ(m.findAllowances(202, 1, 3.0f, out), 0);
    EXPECT_EQ(out, AllowanceValues{});
}

TEST(BoardTables, GradesTheTableDoesNotHoldGetTheDefaults) {
    TempDir dir;
    const BoardTables m = tablesWithGrades(dir, 2);
    for (int grade : {0, -1, 3, 101}) {
        EXPECT_EQ(m.gradeThickness(grade), 3.0f);
        EXPECT_EQ(m.gradeDoubleWall(grade), 6.0f);
        EXPECT_EQ(m.gradeLabel(grade), "1");
    }
    EXPECT_EQ(m.gradeThickness(2), 6.0f);
    EXPECT_EQ(m.gradeLabel(2), " 2 - B");
}

TEST(BoardTables, StoreReplacesThePairsRecordAndRefusesGradeOrCodeZero) {
    BoardTables m;
    m.storeAllowances(201, 1, values({1}));
    m.storeAllowances(201, 1, values({2}));
    m.storeAllowances(201, 0, values({3}));
    m.storeAllowances(0, 1, values({3}));
    ASSERT_EQ(m.allowances().count(), 1);
    EXPECT_EQ(m.allowances().at(1).values[1], 2.0f);
}

TEST(BoardTables, AddingAnExistingCodeReplacesTheGradeInPlaceWithoutNumber) {
    TempDir dir;
    BoardTables m = tablesWithGrades(dir, 3);
    ASSERT_EQ(m.addGrade("B", "B renforcé", 3.2f, 6.4f), std::nullopt);
    ASSERT_EQ(m.grades().count(), 3);
    EXPECT_EQ(m.grades().at(2), (QualiteRec{"B renforcé", "B", 3.2f, 6.4f}));

    ASSERT_EQ(m.addGrade("BC", "BC", 7, 14), std::nullopt);
    EXPECT_EQ(m.gradeLabel(4), " 4 - BC");

    BoardTables reread(dir.path());
    ASSERT_EQ(reread.readGrades(), std::nullopt);
    EXPECT_EQ(reread.grades(), m.grades());
}

// The editors refuse what the files would set aside at the next start.
TEST(BoardTables, ThicknessesOutsideTheirRangeAreRefusedAndNothingIsSaved) {
    TempDir dir;
    BoardTables m = tablesWithGrades(dir, 2);
    const std::string before = readFile(dir / "csqual2.kor");
    for (const TableProblem& p :
         {m.addGrade("X", "X", -4, 8), m.addGrade("X", "X", 4, 1e30f), m.setGradeThickness(1, 0),
          m.setGradeThickness(1, 500), m.setGradeDoubleWall(2, -1)}) {
        ASSERT_TRUE(p);
        EXPECT_NE(p->find("incorrect"), std::string::npos) << *p;
    }
    EXPECT_EQ(m.grades().count(), 2);
    EXPECT_EQ(m.gradeThickness(1), 3.0f);
    EXPECT_EQ(readFile(dir / "csqual2.kor"), before);
}

TEST(BoardTables, DeletingAGradeRenumbersLabelsAndAllowances) {
    TempDir dir;
    BoardTables m(dir.path());
    writeFile(dir / "csqual2.kor",
              "\"\"\r\n\"\"\r\n\"1 - A\",\"A\",1,2\r\n\"2 - B\",\"B\",2,4\r\n"
              "\"3 - C\",\"C\",3,6\r\n\"4 - D\",\"D\",4,8\r\n");
    ASSERT_EQ(m.readGrades(), std::nullopt);
    for (std::int16_t grade = 1; grade <= 4; ++grade) {
        m.storeAllowances(201, grade, values({static_cast<float>(grade)}));
        m.storeAllowances(202, grade, values({static_cast<float>(10 + grade)}));
    }
    ASSERT_EQ(m.deleteGrade(2), std::nullopt);

    ASSERT_EQ(m.grades().count(), 3);
    EXPECT_EQ(m.gradeLabel(1), "1 - A");
    EXPECT_EQ(m.gradeLabel(2), "2 - C");
    EXPECT_EQ(m.gradeLabel(3), "3 - D");
    EXPECT_EQ(m.gradeThickness(2), 3.0f);
    ASSERT_EQ(m.allowances().count(), 6);
    AllowanceValues out{};
    for (auto [code, grade, first] : {std::tuple{201, 2, 3.0f}, {201, 3, 4.0f}, {202, 3, 14.0f}}) {
        ASSERT_NE(m.findAllowances(static_cast<std::int16_t>(code),
                                   static_cast<std::int16_t>(grade), m.gradeThickness(grade), out),
                  0);
        EXPECT_EQ(out[1], first) << code << "/" << grade;
    }
    EXPECT_FALSE(m.hasAllowances(201, 4));

    // Both files were saved.
    BoardTables reread(dir.path());
    ASSERT_EQ(reread.readGrades(), std::nullopt);
    ASSERT_EQ(reread.readAllowances(), std::nullopt);
    EXPECT_EQ(reread.grades(), m.grades());
    EXPECT_EQ(reread.allowances(), m.allowances());
}

TEST(BoardTables, OlderFilesAreReadAndTheNextSaveWritesTheCurrentFormat) {
    TempDir dir;
    writeFile(dir / "csqual1.kor", "\"a\"\r\n\"b\"\r\n\"1 - B\",\"B\",3\r\n\"2 - C\",\"C\",4\r\n");
    writeFile(dir / "csmajo1.kor", "\"c\"\r\n\"d\"\r\n201,2,1,2,3,4,5,6,7,8\r\n");
    BoardTables m(dir.path());
    ASSERT_EQ(m.readGrades(), std::nullopt);
    ASSERT_EQ(m.readAllowances(), std::nullopt);
    EXPECT_EQ(m.gradeDoubleWall(2), 8.0f);
    ASSERT_TRUE(m.hasAllowances(201, 2));

    ASSERT_EQ(m.setGradeThickness(1, 2.8f), std::nullopt);
    ASSERT_EQ(m.saveAllowances(), std::nullopt);
    EXPECT_EQ(readFile(dir / "csqual2.kor"),
              "\"a\"\r\n\"b\"\r\n\"1 - B\"\r\n\"B\"\r\n2.8\r\n6\r\n"
              "\"2 - C\"\r\n\"C\"\r\n4\r\n8\r\n");
    EXPECT_EQ(readFile(dir / "fefcomajo1.kor"),
              "\"c\"\r\n\"d\"\r\n201,2,1,2,3,4,5,6,7,8,0,0,0,0,0,0,0,0\r\n");
    // The older files are only read.
    EXPECT_EQ(readFile(dir / "csqual1.kor"),
              "\"a\"\r\n\"b\"\r\n\"1 - B\",\"B\",3\r\n\"2 - C\",\"C\",4\r\n");
}

TEST(BoardTables, MissingFilesGiveEmptyTablesAndFileNamesIgnoreCase) {
    TempDir dir;
    BoardTables m(dir.path());
    // Said, since every blank would lose its allowances; but nothing forbids saving.
    const TableProblem noGrades = m.readGrades();
    ASSERT_TRUE(noGrades);
    EXPECT_NE(noGrades->find("csqual2.kor introuvable : aucune qualité, épaisseur 3 mm"),
              std::string::npos)
        << *noGrades;
    const TableProblem noAllowances = m.readAllowances();
    ASSERT_TRUE(noAllowances);
    EXPECT_NE(noAllowances->find("fefcomajo1.kor introuvable : aucune majoration"),
              std::string::npos)
        << *noAllowances;
    EXPECT_EQ(m.grades().count(), 0);

    writeFile(dir / "CSQUAL2.KOR", "\"\"\r\n\"\"\r\n\"1 - B\"\r\n\"B\"\r\n3\r\n6\r\n");
    ASSERT_EQ(m.readGrades(), std::nullopt);
    EXPECT_EQ(m.grades().count(), 1);
    ASSERT_EQ(m.setGradeDoubleWall(1, 5.5f), std::nullopt);
    EXPECT_EQ(m.setGradeDoubleWall(2, 9.0f), std::nullopt);  // not held: nothing happens
    EXPECT_NE(readFile(dir / "CSQUAL2.KOR").find("5.5"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "csqual2.kor"));
}

// A file that could not be read whole is never replaced by the part that was understood.
TEST(BoardTables, DamagedFilesAreReportedAndNeverOverwritten) {
    TempDir dir;
    const std::string grades =
        "\"\"\r\n\"\"\r\n\"1 - B\"\r\n\"B\"\r\n3\r\n6\r\n\"2 - C\"\r\n\"C\"\r\nquatre\r\n8\r\n";
    const std::string allowances = "\"\"\r\n\"\"\r\n201,1,1,2,3\r\n";
    writeFile(dir / "csqual2.kor", grades);
    writeFile(dir / "fefcomajo1.kor", allowances);
    BoardTables m(dir.path());
    const TableProblem gradeProblem = m.readGrades();
    ASSERT_TRUE(gradeProblem);
    EXPECT_NE(gradeProblem->find("csqual2.kor, ligne 9"), std::string::npos) << *gradeProblem;
    EXPECT_EQ(m.grades().count(), 2);  // the damaged grade keeps its number
    const TableProblem allowanceProblem = m.readAllowances();
    ASSERT_TRUE(allowanceProblem);
    EXPECT_NE(allowanceProblem->find("fefcomajo1.kor, ligne 3"), std::string::npos);

    EXPECT_TRUE(m.saveGrades());
    EXPECT_TRUE(m.saveAllowances());
    EXPECT_TRUE(m.addGrade("E", "E", 1.5f, 3));
    EXPECT_TRUE(m.setGradeThickness(1, 2));
    EXPECT_TRUE(m.deleteGrade(1));
    EXPECT_EQ(m.grades().count(), 2);
    EXPECT_EQ(m.gradeThickness(1), 3.0f);
    EXPECT_EQ(readFile(dir / "csqual2.kor"), grades);
    EXPECT_EQ(readFile(dir / "fefcomajo1.kor"), allowances);

    // Once the file is mended and read again, saving works.
    writeFile(dir / "csqual2.kor", "\"\"\r\n\"\"\r\n\"1 - B\"\r\n\"B\"\r\n3\r\n6\r\n");
    ASSERT_EQ(m.readGrades(), std::nullopt);
    EXPECT_EQ(m.setGradeThickness(1, 2), std::nullopt);
}

TEST(BoardTables, AFailedSaveIsReportedAndLeavesTablesAndFilesAsTheyWere) {
    TempDir dir;
    BoardTables m = tablesWithGrades(dir, 3);
    m.storeAllowances(201, 2, values({1}));
    m.storeAllowances(201, 3, values({2}));
    ASSERT_EQ(m.saveAllowances(), std::nullopt);
    const std::string gradeFile = readFile(dir / "csqual2.kor");
    const GradeTable grades = m.grades();
    const AllowanceTable allowances = m.allowances();

    // The allowance file cannot be replaced (a directory stands in its place): deleting a
    // grade must not leave the grade file renumbered without its allowances.
    std::filesystem::remove(dir / "fefcomajo1.kor");
    std::filesystem::create_directory(dir / "fefcomajo1.kor");
    writeFile(dir / "fefcomajo1.kor" / "x", "x");
    const TableProblem problem = m.deleteGrade(2);
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->find("fefcomajo1.kor"), std::string::npos) << *problem;
    EXPECT_EQ(m.grades(), grades);
    EXPECT_EQ(m.allowances(), allowances);
    EXPECT_EQ(readFile(dir / "csqual2.kor"), gradeFile);

    // A data directory that cannot exist: the grade edit is refused and undone.
    TempDir other;
    writeFile(other / "plain-file", "x");
    BoardTables nowhere(other / "plain-file");
    EXPECT_TRUE(nowhere.addGrade("B", "B", 3, 6));
    EXPECT_EQ(nowhere.grades().count(), 0);
}

TEST(BoardTables, AHundredAndFirstGradeIsRefused) {
    TempDir dir;
    BoardTables m(dir.path());
    for (int n = 1; n <= kMaxGrades; ++n)
        ASSERT_EQ(m.addGrade("Q" + std::to_string(n), "Q", 3, 6), std::nullopt);
    const std::string before = readFile(dir / "csqual2.kor");
    EXPECT_TRUE(m.addGrade("Q101", "Q", 3, 6));
    EXPECT_EQ(m.grades().count(), kMaxGrades);
    EXPECT_EQ(readFile(dir / "csqual2.kor"), before);
    // Replacing one in place still works.
    EXPECT_EQ(m.addGrade("Q100", "cent", 3, 6), std::nullopt);
}

}  // namespace
}  // namespace brontaxe
