#include "board/majo.h"

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
Majo tablesWithGrades(const TempDir& dir, int n) {
    Majo m(dir.path());
    for (int i = 1; i <= n; ++i) {
        const std::string letter(1, static_cast<char>('A' + i - 1));
        EXPECT_EQ(m.AjouteQualite(letter, letter, 3.0f * static_cast<float>(i),
                                  6.0f * static_cast<float>(i)),
                  std::nullopt);
    }
    return m;
}

TEST(Majo, LookupScalesAnotherGradesAllowancesToTheBoardThickness) {
    TempDir dir;
    Majo m = tablesWithGrades(dir, 2);
    m.StockeMajo(201, 1, values({3, 3, 7, 1}));
    AllowanceValues out{};
    EXPECT_EQ(m.ChercheMajo(201, 2, m.EpaisseurQualite(2), out), 0);
    EXPECT_EQ(out[1], 6.0f);
    EXPECT_EQ(out[2], 6.0f);
    EXPECT_EQ(out[3], 14.0f);
    EXPECT_EQ(out[4], 2.0f);
    EXPECT_FALSE(m.ExisteMajo(201, 2));
    EXPECT_TRUE(m.ExisteMajo(201, 1));

    // An exact record whose first three values are 0 gives way to the scaled one, and is
    // still the slot found.
    m.StockeMajo(201, 2, values({0, 0, 0, 9}));
    EXPECT_EQ(m.ChercheMajo(201, 2, 6.0f, out), 2);
    EXPECT_EQ(out[3], 14.0f);
    EXPECT_EQ(out[4], 2.0f);

    // A code nobody has allowances for gives zeros.
    EXPECT_EQ(m.ChercheMajo(202, 1, 3.0f, out), 0);
    EXPECT_EQ(out, AllowanceValues{});
}

TEST(Majo, GradesTheTableDoesNotHoldGetTheDefaults) {
    TempDir dir;
    const Majo m = tablesWithGrades(dir, 2);
    for (int grade : {0, -1, 3, 101}) {
        EXPECT_EQ(m.EpaisseurQualite(grade), 3.0f);
        EXPECT_EQ(m.DoubleMurQualite(grade), 6.0f);
        EXPECT_EQ(m.LibelleQualite(grade), "1");
    }
    EXPECT_EQ(m.EpaisseurQualite(2), 6.0f);
    EXPECT_EQ(m.LibelleQualite(2), " 2 - B");
}

TEST(Majo, StoreReplacesThePairsRecordAndRefusesGradeOrCodeZero) {
    Majo m;
    m.StockeMajo(201, 1, values({1}));
    m.StockeMajo(201, 1, values({2}));
    m.StockeMajo(201, 0, values({3}));
    m.StockeMajo(0, 1, values({3}));
    ASSERT_EQ(m.allowances().count(), 1);
    EXPECT_EQ(m.allowances().at(1).values[1], 2.0f);
}

TEST(Majo, AddingAnExistingCodeReplacesTheGradeInPlaceWithoutNumber) {
    TempDir dir;
    Majo m = tablesWithGrades(dir, 3);
    ASSERT_EQ(m.AjouteQualite("B", "B renforcé", 3.2f, 6.4f), std::nullopt);
    ASSERT_EQ(m.grades().count(), 3);
    EXPECT_EQ(m.grades().at(2), (QualiteRec{"B renforcé", "B", 3.2f, 6.4f}));

    ASSERT_EQ(m.AjouteQualite("BC", "BC", 7, 14), std::nullopt);
    EXPECT_EQ(m.LibelleQualite(4), " 4 - BC");

    Majo reread(dir.path());
    ASSERT_EQ(reread.LireQualites(), std::nullopt);
    EXPECT_EQ(reread.grades(), m.grades());
}

// The editors refuse what the files would set aside at the next start.
TEST(Majo, ThicknessesOutsideTheirRangeAreRefusedAndNothingIsSaved) {
    TempDir dir;
    Majo m = tablesWithGrades(dir, 2);
    const std::string before = readFile(dir / "csqual2.kor");
    for (const TableProblem& p :
         {m.AjouteQualite("X", "X", -4, 8), m.AjouteQualite("X", "X", 4, 1e30f),
          m.FixeEpaisseur(1, 0), m.FixeEpaisseur(1, 500), m.FixeDoubleMur(2, -1)}) {
        ASSERT_TRUE(p);
        EXPECT_NE(p->find("incorrect"), std::string::npos) << *p;
    }
    EXPECT_EQ(m.grades().count(), 2);
    EXPECT_EQ(m.EpaisseurQualite(1), 3.0f);
    EXPECT_EQ(readFile(dir / "csqual2.kor"), before);
}

TEST(Majo, DeletingAGradeRenumbersLabelsAndAllowances) {
    TempDir dir;
    Majo m(dir.path());
    writeFile(dir / "csqual2.kor",
              "\"\"\r\n\"\"\r\n\"1 - A\",\"A\",1,2\r\n\"2 - B\",\"B\",2,4\r\n"
              "\"3 - C\",\"C\",3,6\r\n\"4 - D\",\"D\",4,8\r\n");
    ASSERT_EQ(m.LireQualites(), std::nullopt);
    for (std::int16_t grade = 1; grade <= 4; ++grade) {
        m.StockeMajo(201, grade, values({static_cast<float>(grade)}));
        m.StockeMajo(202, grade, values({static_cast<float>(10 + grade)}));
    }
    ASSERT_EQ(m.SupprimeQualite(2), std::nullopt);

    ASSERT_EQ(m.grades().count(), 3);
    EXPECT_EQ(m.LibelleQualite(1), "1 - A");
    EXPECT_EQ(m.LibelleQualite(2), "2 - C");
    EXPECT_EQ(m.LibelleQualite(3), "3 - D");
    EXPECT_EQ(m.EpaisseurQualite(2), 3.0f);
    ASSERT_EQ(m.allowances().count(), 6);
    AllowanceValues out{};
    for (auto [code, grade, first] : {std::tuple{201, 2, 3.0f}, {201, 3, 4.0f}, {202, 3, 14.0f}}) {
        ASSERT_NE(m.ChercheMajo(static_cast<std::int16_t>(code), static_cast<std::int16_t>(grade),
                                m.EpaisseurQualite(grade), out),
                  0);
        EXPECT_EQ(out[1], first) << code << "/" << grade;
    }
    EXPECT_FALSE(m.ExisteMajo(201, 4));

    // Both files were saved.
    Majo reread(dir.path());
    ASSERT_EQ(reread.LireQualites(), std::nullopt);
    ASSERT_EQ(reread.LireMajo(), std::nullopt);
    EXPECT_EQ(reread.grades(), m.grades());
    EXPECT_EQ(reread.allowances(), m.allowances());
}

TEST(Majo, OlderFilesAreReadAndTheNextSaveWritesTheCurrentFormat) {
    TempDir dir;
    writeFile(dir / "csqual1.kor", "\"a\"\r\n\"b\"\r\n\"1 - B\",\"B\",3\r\n\"2 - C\",\"C\",4\r\n");
    writeFile(dir / "csmajo1.kor", "\"c\"\r\n\"d\"\r\n201,2,1,2,3,4,5,6,7,8\r\n");
    Majo m(dir.path());
    ASSERT_EQ(m.LireQualites(), std::nullopt);
    ASSERT_EQ(m.LireMajo(), std::nullopt);
    EXPECT_EQ(m.DoubleMurQualite(2), 8.0f);
    ASSERT_TRUE(m.ExisteMajo(201, 2));

    ASSERT_EQ(m.FixeEpaisseur(1, 2.8f), std::nullopt);
    ASSERT_EQ(m.SauveMajo(), std::nullopt);
    EXPECT_EQ(readFile(dir / "csqual2.kor"),
              "\"a\"\r\n\"b\"\r\n\"1 - B\"\r\n\"B\"\r\n2.8\r\n6\r\n"
              "\"2 - C\"\r\n\"C\"\r\n4\r\n8\r\n");
    EXPECT_EQ(readFile(dir / "fefcomajo1.kor"),
              "\"c\"\r\n\"d\"\r\n201,2,1,2,3,4,5,6,7,8,0,0,0,0,0,0,0,0\r\n");
    // The older files are only read.
    EXPECT_EQ(readFile(dir / "csqual1.kor"),
              "\"a\"\r\n\"b\"\r\n\"1 - B\",\"B\",3\r\n\"2 - C\",\"C\",4\r\n");
}

TEST(Majo, MissingFilesGiveEmptyTablesAndFileNamesIgnoreCase) {
    TempDir dir;
    Majo m(dir.path());
    // Said, since every blank would lose its allowances; but nothing forbids saving.
    const TableProblem noGrades = m.LireQualites();
    ASSERT_TRUE(noGrades);
    EXPECT_NE(noGrades->find("csqual2.kor introuvable : aucune qualité, épaisseur 3 mm"),
              std::string::npos)
        << *noGrades;
    const TableProblem noAllowances = m.LireMajo();
    ASSERT_TRUE(noAllowances);
    EXPECT_NE(noAllowances->find("fefcomajo1.kor introuvable : aucune majoration"),
              std::string::npos)
        << *noAllowances;
    EXPECT_EQ(m.grades().count(), 0);

    writeFile(dir / "CSQUAL2.KOR", "\"\"\r\n\"\"\r\n\"1 - B\"\r\n\"B\"\r\n3\r\n6\r\n");
    ASSERT_EQ(m.LireQualites(), std::nullopt);
    EXPECT_EQ(m.grades().count(), 1);
    ASSERT_EQ(m.FixeDoubleMur(1, 5.5f), std::nullopt);
    EXPECT_EQ(m.FixeDoubleMur(2, 9.0f), std::nullopt);  // not held: nothing happens
    EXPECT_NE(readFile(dir / "CSQUAL2.KOR").find("5.5"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "csqual2.kor"));
}

// A file that could not be read whole is never replaced by the part that was understood.
TEST(Majo, DamagedFilesAreReportedAndNeverOverwritten) {
    TempDir dir;
    const std::string grades =
        "\"\"\r\n\"\"\r\n\"1 - B\"\r\n\"B\"\r\n3\r\n6\r\n\"2 - C\"\r\n\"C\"\r\nquatre\r\n8\r\n";
    const std::string allowances = "\"\"\r\n\"\"\r\n201,1,1,2,3\r\n";
    writeFile(dir / "csqual2.kor", grades);
    writeFile(dir / "fefcomajo1.kor", allowances);
    Majo m(dir.path());
    const TableProblem gradeProblem = m.LireQualites();
    ASSERT_TRUE(gradeProblem);
    EXPECT_NE(gradeProblem->find("csqual2.kor, ligne 9"), std::string::npos) << *gradeProblem;
    EXPECT_EQ(m.grades().count(), 2);  // the damaged grade keeps its number
    const TableProblem allowanceProblem = m.LireMajo();
    ASSERT_TRUE(allowanceProblem);
    EXPECT_NE(allowanceProblem->find("fefcomajo1.kor, ligne 3"), std::string::npos);

    EXPECT_TRUE(m.SauveQualites());
    EXPECT_TRUE(m.SauveMajo());
    EXPECT_TRUE(m.AjouteQualite("E", "E", 1.5f, 3));
    EXPECT_TRUE(m.FixeEpaisseur(1, 2));
    EXPECT_TRUE(m.SupprimeQualite(1));
    EXPECT_EQ(m.grades().count(), 2);
    EXPECT_EQ(m.EpaisseurQualite(1), 3.0f);
    EXPECT_EQ(readFile(dir / "csqual2.kor"), grades);
    EXPECT_EQ(readFile(dir / "fefcomajo1.kor"), allowances);

    // Once the file is mended and read again, saving works.
    writeFile(dir / "csqual2.kor", "\"\"\r\n\"\"\r\n\"1 - B\"\r\n\"B\"\r\n3\r\n6\r\n");
    ASSERT_EQ(m.LireQualites(), std::nullopt);
    EXPECT_EQ(m.FixeEpaisseur(1, 2), std::nullopt);
}

TEST(Majo, AFailedSaveIsReportedAndLeavesTablesAndFilesAsTheyWere) {
    TempDir dir;
    Majo m = tablesWithGrades(dir, 3);
    m.StockeMajo(201, 2, values({1}));
    m.StockeMajo(201, 3, values({2}));
    ASSERT_EQ(m.SauveMajo(), std::nullopt);
    const std::string gradeFile = readFile(dir / "csqual2.kor");
    const GradeTable grades = m.grades();
    const AllowanceTable allowances = m.allowances();

    // The allowance file cannot be replaced (a directory stands in its place): deleting a
    // grade must not leave the grade file renumbered without its allowances.
    std::filesystem::remove(dir / "fefcomajo1.kor");
    std::filesystem::create_directory(dir / "fefcomajo1.kor");
    writeFile(dir / "fefcomajo1.kor" / "x", "x");
    const TableProblem problem = m.SupprimeQualite(2);
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->find("fefcomajo1.kor"), std::string::npos) << *problem;
    EXPECT_EQ(m.grades(), grades);
    EXPECT_EQ(m.allowances(), allowances);
    EXPECT_EQ(readFile(dir / "csqual2.kor"), gradeFile);

    // A data directory that cannot exist: the grade edit is refused and undone.
    TempDir other;
    writeFile(other / "plain-file", "x");
    Majo nowhere(other / "plain-file");
    EXPECT_TRUE(nowhere.AjouteQualite("B", "B", 3, 6));
    EXPECT_EQ(nowhere.grades().count(), 0);
}

TEST(Majo, AHundredAndFirstGradeIsRefused) {
    TempDir dir;
    Majo m(dir.path());
    for (int n = 1; n <= kMaxGrades; ++n)
        ASSERT_EQ(m.AjouteQualite("Q" + std::to_string(n), "Q", 3, 6), std::nullopt);
    const std::string before = readFile(dir / "csqual2.kor");
    EXPECT_TRUE(m.AjouteQualite("Q101", "Q", 3, 6));
    EXPECT_EQ(m.grades().count(), kMaxGrades);
    EXPECT_EQ(readFile(dir / "csqual2.kor"), before);
    // Replacing one in place still works.
    EXPECT_EQ(m.AjouteQualite("Q100", "cent", 3, 6), std::nullopt);
}

}  // namespace
}  // namespace brontaxe
