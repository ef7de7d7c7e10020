#include "board/allowance_lookup.h"

#include <gtest/gtest.h>

#include "support/style_fixture.h"
#include "support/temp_dir.h"

namespace brontaxe {
namespace {

// Grade 1 of 3 mm with 201 allowances, grade 2 of 6 mm (double wall 10) without.
BoardTables twoGrades(const test::TempDir& dir) {
    test::writeFile(dir / "csqual2.kor",
                    "\"\"\r\n\"\"\r\n\"1 - B\",\"B\",3,6\r\n"
                    "\"2 - BC\",\"BC\",6,10\r\n");
    test::writeFile(dir / "fefcomajo1.kor",
                    "\"\"\r\n\"\"\r\n201,1,3,3,7,2,6,1.5,1.5,0,0,0,0,0,0,0,0,0\r\n");
    BoardTables tables(dir.path());
    EXPECT_EQ(tables.readGrades(), std::nullopt);
    EXPECT_EQ(tables.readAllowances(), std::nullopt);
    return tables;
}

TEST(LookUpAllowances, PutsTheGradeAndItsAllowancesIntoTheModel) {
    test::TempDir dir;
    const BoardTables tables = twoGrades(dir);
    Model m = test::startupModel();
    lookUpAllowances(m, tables, "0201", 2);
    EXPECT_EQ(m.NumModele, 201);
    EXPECT_EQ(m.CodeModele, " 201");
    EXPECT_EQ(m.NumQualite, 2);
    EXPECT_EQ(m.EpaisseurCarton, 6.0f);
    EXPECT_EQ(m.Dblmur, 10.0f);
    EXPECT_EQ(m.hmortaise, 16.0f);
    EXPECT_EQ(m.htenon, 6.0f);
    // Grade 2 has no record: grade 1's allowances scaled by 6 / 3.
    EXPECT_EQ(m.Majo[1], 6.0f);
    EXPECT_EQ(m.Majo[3], 14.0f);
    EXPECT_EQ(m.Majo[5], 12.0f);
    EXPECT_EQ(m.Majo[16], 0.0f);

    lookUpAllowances(m, tables, "0201", 1);
    EXPECT_EQ(m.Majo[3], 7.0f);
    EXPECT_EQ(m.Majo[6], 1.5f);
}

// Styles with defaults of their own must know whether the values are their own record's or
// another grade's standing in.
TEST(LookUpAllowances, TellsWhichStyleTheRecordFoundBelongsTo) {
    test::TempDir dir;
    const BoardTables tables = twoGrades(dir);
    Model m = test::startupModel();
    lookUpAllowances(m, tables, "0201", 1);
    EXPECT_EQ(m.allowanceRecordCode, 201);
    lookUpAllowances(m, tables, "0201", 2);  // grade 1's values scaled: not a record of grade 2
    EXPECT_EQ(m.allowanceRecordCode, 0);
    lookUpAllowances(m, tables, "0210", 1);
    EXPECT_EQ(m.allowanceRecordCode, 0);
}

TEST(LookUpAllowances, NoGradeSelectedGivesTheDefaultsAndKeepsTheGradeNumber) {
    test::TempDir dir;
    const BoardTables tables = twoGrades(dir);
    Model m = test::startupModel();
    m.NumQualite = 2;
    lookUpAllowances(m, tables, "0201", 0);
    EXPECT_EQ(m.NumQualite, 2);
    EXPECT_EQ(m.EpaisseurCarton, 3.0f);
    EXPECT_EQ(m.Dblmur, 6.0f);
    EXPECT_EQ(m.hmortaise, 9.0f);
    EXPECT_EQ(m.htenon, 3.0f);
    // Grade 0 has no record either: the 201 record stands in at 3 / 3.
    EXPECT_EQ(m.Majo[3], 7.0f);
}

TEST(LookUpAllowances, StyleNumberOfTypedAndCombinedCodes) {
    Model m = test::startupModel();
    m.TypeDessus = 201;
    m.TypeDessous = 203;
    const std::vector<std::pair<std::string, int>> cases = {
        {"0201", 201}, {"0200C", 200}, {"0914 Int", 914}, {"0201/0203", 201},
        {"", 0},       {"abc", 0},     {"99999", 0},
    };
    for (const auto& [code, number] : cases)
        EXPECT_EQ(styleNumber(code, m), number) << code;
    m.TypeDessus = 0;
    EXPECT_EQ(styleNumber("0000/0203", m), 203);
}

TEST(LookUpAllowances, MultiPieceModesOnlyStayOnStylesThatAllowThem) {
    BoardTables none;
    struct Case {
        const char* code;
        std::int16_t bottom;
        bool allowed;
    };
    const std::vector<Case> cases = {
        {"0201", 201, true},  {"0206", 201, true},  {"0209", 209, true},  {"0320", 203, true},
        {"0502", 234, true},  {"0216", 201, false}, {"0207", 201, false}, {"0201", 208, false},
        {"0201", 235, false}, {"0504", 201, false},
    };
    for (const Case& c : cases) {
        Model m = test::startupModel();
        m.TypeDessous = c.bottom;
        m.CaisseEn2 = true;
        m.CaisseEn4 = 2;
        EXPECT_EQ(lookUpAllowances(m, none, c.code, 1), c.allowed) << c.code << " on " << c.bottom;
        EXPECT_EQ(m.CaisseEn2, c.allowed) << c.code;
        EXPECT_EQ(m.CaisseEn4, c.allowed ? 2 : 0) << c.code;
    }
}

}  // namespace
}  // namespace brontaxe
