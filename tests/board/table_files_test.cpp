#include "board/table_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brontaxe {
namespace {

// Numbers as the files hold them: period whatever the locale, no zero before the point, and
// the shortest text that reads back as the same single.
TEST(TableItems, NumbersAreWrittenShortAndReadBackExactly) {
    const std::vector<std::pair<float, std::string>> cases = {
        {3.0f, "3"},
        {.5f, ".5"},
        {-.25f, "-.25"},
        {1.5f, "1.5"},
        {-7.0f, "-7"},
        {0.0f, "0"},
        {-0.0f, "0"},
        {1234.567f, "1234.567"},
        {0.1f, ".1"},
        {1e7f, "1e+07"},
        {3.1415927f, "3.1415927"},
        {1e-40f, "1e-40"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(itemNumberText(value), text);
        ItemReader in(text);
        EXPECT_EQ(in.number(), value) << text;
    }
}

TEST(TableItems, ReaderTakesQuotesCommasLineEndsAndBothNumberForms) {
    ItemReader in("  \"a, b\"  ,plain text  ,0.5\n.5\r\n-3 , \"\"\r7");
    EXPECT_EQ(in.text(), "a, b");
    EXPECT_EQ(in.text(), "plain text");
    EXPECT_EQ(in.number(), .5f);
    EXPECT_EQ(in.number(), .5f);
    EXPECT_EQ(in.integer(), -3);
    EXPECT_EQ(in.text(), "");
    EXPECT_EQ(in.integer(), 7);
    EXPECT_TRUE(in.atEnd());
    EXPECT_FALSE(in.error());
}

TEST(TableItems, TextsThatCannotStandBetweenQuotesAreMadeSo) {
    ItemWriter out;
    out.text("dit \"B\"\r\nfin");
    out.number(2.5f);
    out.endLine();
    EXPECT_EQ(out.str(), "\"dit 'B'  fin\",2.5\r\n");
}

constexpr std::string_view kGradeFile =
    "\"Qualités\"\r\n\"en-tête 2, avec virgule\"\r\n"
    "\" 1 - B\"\r\n\"B\"\r\n3\r\n6\r\n"
    "\"2 - BC\"\r\n\"BC\"\r\n6.5\r\n12.25\r\n";

constexpr std::string_view kAllowanceFile =
    "\"Majorations\"\r\n\"\"\r\n"
    "201,1,3,3,3,2,6,1.5,1.5,0,0,0,0,0,0,0,-.5,.25\r\n"
    "201,2,6.5,6.5,6.5,4,13,3.25,3.25,0,0,0,0,0,0,0,0,0\r\n";

TEST(TableFiles, FilesWeWroteReadAndWriteBackByteForByte) {
    const GradeFileRead grades = readGradeFile(kGradeFile, TableFormat::Current);
    ASSERT_TRUE(grades.faults.empty());
    ASSERT_EQ(grades.table.count(), 2);
    EXPECT_EQ(grades.table.headers[1], "en-tête 2, avec virgule");
    EXPECT_EQ(grades.table.at(2), (QualiteRec{"2 - BC", "BC", 6.5f, 12.25f}));
    EXPECT_EQ(writeGradeFile(grades.table), kGradeFile);

    const AllowanceFileRead allowances = readAllowanceFile(kAllowanceFile, TableFormat::Current);
    ASSERT_TRUE(allowances.faults.empty());
    ASSERT_EQ(allowances.table.count(), 2);
    EXPECT_EQ(allowances.table.at(1).values[15], -.5f);
    EXPECT_EQ(allowances.table.at(1).values[16], .25f);
    EXPECT_EQ(writeAllowanceFile(allowances.table), kAllowanceFile);
}

TEST(TableFiles, AwkwardValuesSurviveARoundTrip) {
    AllowanceTable t;
    t.headers = {"h1", "h2"};
    AllowanceValues v{};
    for (int k = 1; k <= kAllowanceCount; ++k)
        v[static_cast<std::size_t>(k)] = 1.0f / static_cast<float>(k * 3) - 0.2f;
    t.store(9999, 100, v);
    t.store(1, 1, v);
    const AllowanceFileRead back = readAllowanceFile(writeAllowanceFile(t), TableFormat::Current);
    ASSERT_TRUE(back.faults.empty());
    EXPECT_EQ(back.table, t);
}

TEST(TableFiles, OlderFormatsGiveDoubleWallsAndZeroAllowancesBeyondEight) {
    const GradeFileRead grades = readGradeFile(
        "\"a\"\r\n\"b\"\r\n\"1 - B\",\"B\",3\r\n\"2 - C\",\"C\",4.5\r\n", TableFormat::Older);
    ASSERT_TRUE(grades.faults.empty());
    ASSERT_EQ(grades.table.count(), 2);
    EXPECT_EQ(grades.table.at(1).doubleWall, 6.0f);
    EXPECT_EQ(grades.table.at(2).doubleWall, 9.0f);

    // The first of two records of one pair stays; a record of grade 0 or code 0 is dropped;
    // each is said on its line.
    const AllowanceFileRead allowances = readAllowanceFile(
        "\"a\"\r\n\"b\"\r\n201,1,1,2,3,4,5,6,7,8\r\n201,0,9,9,9,9,9,9,9,9\r\n"
        "201,1,9,9,9,9,9,9,9,9\r\n0,1,9,9,9,9,9,9,9,9\r\n202,1,1,1,1,1,1,1,1,1\r\n",
        TableFormat::Older);
    ASSERT_EQ(allowances.faults.size(), 3u);
    EXPECT_EQ(allowances.faults[0].line, 4u);
    EXPECT_EQ(allowances.faults[1].line, 5u);
    EXPECT_NE(allowances.faults[1].reason.find("second enregistrement"), std::string::npos);
    EXPECT_EQ(allowances.faults[2].line, 6u);
    ASSERT_EQ(allowances.table.count(), 2);
    const MajoRec& r = allowances.table.at(1);
    EXPECT_EQ(r.values[8], 8.0f);
    EXPECT_EQ(r.values[9], 0.0f);
    EXPECT_EQ(r.values[16], 0.0f);
    EXPECT_EQ(allowances.table.at(2).code, 202);
}

TEST(TableFiles, EmptyFileIsAnEmptyTable) {
    EXPECT_TRUE(readGradeFile("", TableFormat::Current).faults.empty());
    EXPECT_TRUE(readAllowanceFile("\r\n\r\n", TableFormat::Current).faults.empty());
}

// A damaged record is set aside on its own line and the reading goes on: the records after it
// are read as written, never shifted by it.
TEST(TableFiles, DamagedAllowanceRecordsAreSetAsideOnTheirLineAndTheRestIsRead) {
    struct Case {
        const char* name;
        std::string badLine;
        const char* reason;
    };
    const std::string head = "\"h1\"\r\n\"h2\"\r\n";
    const std::string before = "201,1,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16\r\n";
    const std::string after = "203,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2\r\n";
    const std::vector<Case> cases = {
        {"text for a number", "202,1,1,x,3,4,5,6,7,8,9,10,11,12,13,14,15,16", "nombre attendu"},
        {"one field missing", "202,1,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15", "17 éléments"},
        {"one field too many", "202,1,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17", "19 éléments"},
        {"empty item", "202,1,,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16", "nombre attendu"},
        {"code too large", "40000,1,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16", "entier attendu"},
        {"infinite value", "202,1,1e99,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16", "nombre attendu"},
        {"allowance far too small", "202,1,-500,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16",
         "majoration 1 : -500"},
        {"allowance far too large", "202,1,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,1e30",
         "majoration 16"},
        {"grade past the table", "202,101,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16", "qualité : 101"},
        {"negative code", "-202,1,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16", "code : -202"},
    };
    for (const Case& c : cases) {
        const AllowanceFileRead read =
            readAllowanceFile(head + before + c.badLine + "\r\n" + after, TableFormat::Current);
        ASSERT_EQ(read.faults.size(), 1u) << c.name;
        EXPECT_EQ(read.faults[0].line, 4u) << c.name;
        EXPECT_NE(read.faults[0].reason.find(c.reason), std::string::npos)
            << c.name << ": " << read.faults[0].reason;
        ASSERT_EQ(read.table.count(), 2) << c.name;
        EXPECT_EQ(read.table.at(2).code, 203) << c.name;
        EXPECT_EQ(read.table.at(2).values[16], 2.0f) << c.name;
    }
    // The headers themselves: the reading cannot start.
    for (const auto& [text, line] : std::vector<std::pair<std::string, std::size_t>>{
             {"\"h1\r\nh2\r\n" + before, 1}, {"\"h1\"\r\n", 2}}) {
        const AllowanceFileRead read = readAllowanceFile(text, TableFormat::Current);
        ASSERT_EQ(read.faults.size(), 1u) << text;
        EXPECT_EQ(read.faults[0].line, line);
        EXPECT_EQ(read.table.count(), 0);
    }
}

// A grade that cannot be read keeps its number with the default thickness, so that the
// allowances of the grades after it stay with their grade; a thickness out of range likewise.
TEST(TableFiles, DamagedGradesKeepTheirNumberWithTheDefaultThickness) {
    struct Case {
        const char* name;
        std::string grade2;
        std::size_t line;
        const char* reason;
        float thickness;
        float doubleWall;
    };
    const std::string head = "\"h1\"\r\n\"h2\"\r\n\"1 - B\"\r\n\"B\"\r\n3\r\n6\r\n";
    const std::string grade3 = "\"3 - E\"\r\n\"E\"\r\n1.5\r\n3\r\n";
    const std::vector<Case> cases = {
        {"text thickness", "\"2 - C\"\r\n\"C\"\r\nquatre\r\n8\r\n", 9, "épaisseur attendue", 3, 6},
        {"code line missing", "\"2 - C\"\r\n4\r\n8\r\n", 7,
         "qualité incomplète (\"3 - E\" ligne 10 au lieu du double mur)", 3, 6},
        {"double wall missing", "\"2 - C\"\r\n\"C\"\r\n4\r\n", 7,
         "qualité incomplète (\"3 - E\" ligne 10 au lieu du double mur)", 3, 6},
        {"negative thickness", "\"2 - C\"\r\n\"C\"\r\n-4\r\n8\r\n", 9, "épaisseur : -4", 3, 6},
        {"huge double wall", "\"2 - C\"\r\n\"C\"\r\n4\r\n1e30\r\n", 9, "double mur : 1E+30", 4, 8},
    };
    for (const Case& c : cases) {
        const GradeFileRead read = readGradeFile(head + c.grade2 + grade3, TableFormat::Current);
        ASSERT_EQ(read.faults.size(), 1u) << c.name;
        EXPECT_EQ(read.faults[0].line, c.line) << c.name << ": " << read.faults[0].reason;
        EXPECT_NE(read.faults[0].reason.find(c.reason), std::string::npos)
            << c.name << ": " << read.faults[0].reason;
        ASSERT_EQ(read.table.count(), 3) << c.name;
        EXPECT_EQ(read.table.at(2).thickness, c.thickness) << c.name;
        EXPECT_EQ(read.table.at(2).doubleWall, c.doubleWall) << c.name;
        EXPECT_EQ(read.table.at(3), (QualiteRec{"3 - E", "E", 1.5f, 3.0f})) << c.name;
    }
}

TEST(TableFiles, AHundredAndFirstGradeIsReportedAndLeftOut) {
    std::string text = "\"h1\"\r\n\"h2\"\r\n";
    for (int n = 1; n <= kMaxGrades + 1; ++n)
        text += "\"" + std::to_string(n) + "\",\"Q" + std::to_string(n) + "\",3,6\r\n";
    const GradeFileRead read = readGradeFile(text, TableFormat::Current);
    EXPECT_EQ(read.table.count(), kMaxGrades);
    ASSERT_EQ(read.faults.size(), 1u);
    EXPECT_EQ(read.faults[0].line, static_cast<std::size_t>(kMaxGrades + 3));
    EXPECT_EQ(read.table.at(kMaxGrades).code, "Q100");
}

}  // namespace
}  // namespace brontaxe
