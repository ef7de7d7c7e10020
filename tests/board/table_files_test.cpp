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
    ASSERT_FALSE(grades.error);
    ASSERT_EQ(grades.table.count(), 2);
    EXPECT_EQ(grades.table.headers[1], "en-tête 2, avec virgule");
    EXPECT_EQ(grades.table.at(2), (QualiteRec{"2 - BC", "BC", 6.5f, 12.25f}));
    EXPECT_EQ(writeGradeFile(grades.table), kGradeFile);

    const AllowanceFileRead allowances = readAllowanceFile(kAllowanceFile, TableFormat::Current);
    ASSERT_FALSE(allowances.error);
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
    t.store(-32768, 100, v);
    t.store(32767, 1, v);
    const AllowanceFileRead back = readAllowanceFile(writeAllowanceFile(t), TableFormat::Current);
    ASSERT_FALSE(back.error);
    EXPECT_EQ(back.table, t);
}

TEST(TableFiles, OlderFormatsGiveDoubleWallsAndZeroAllowancesBeyondEight) {
    const GradeFileRead grades = readGradeFile(
        "\"a\"\r\n\"b\"\r\n\"1 - B\",\"B\",3\r\n\"2 - C\",\"C\",4.5\r\n", TableFormat::Older);
    ASSERT_FALSE(grades.error);
    ASSERT_EQ(grades.table.count(), 2);
    EXPECT_EQ(grades.table.at(1).doubleWall, 6.0f);
    EXPECT_EQ(grades.table.at(2).doubleWall, 9.0f);

    // The first of two records of one pair stays; a record of grade 0 or code 0 is dropped.
    const AllowanceFileRead allowances = readAllowanceFile(
        "\"a\"\r\n\"b\"\r\n201,1,1,2,3,4,5,6,7,8\r\n201,0,9,9,9,9,9,9,9,9\r\n"
        "201,1,9,9,9,9,9,9,9,9\r\n0,1,9,9,9,9,9,9,9,9\r\n202,1,1,1,1,1,1,1,1,1\r\n",
        TableFormat::Older);
    ASSERT_FALSE(allowances.error);
    ASSERT_EQ(allowances.table.count(), 2);
    const MajoRec& r = allowances.table.at(1);
    EXPECT_EQ(r.values[8], 8.0f);
    EXPECT_EQ(r.values[9], 0.0f);
    EXPECT_EQ(r.values[16], 0.0f);
    EXPECT_EQ(allowances.table.at(2).code, 202);
}

TEST(TableFiles, EmptyFileIsAnEmptyTable) {
    EXPECT_FALSE(readGradeFile("", TableFormat::Current).error);
    EXPECT_FALSE(readAllowanceFile("\r\n\r\n", TableFormat::Current).error);
}

// A damaged file stops the reading at the fault, names its line, and keeps only the records
// read whole before it.
TEST(TableFiles, DamagedFilesStopCleanlyAtTheFaultyLine) {
    struct Case {
        const char* name;
        std::string text;
        std::size_t line;
        int recordsKept;
    };
    const std::string head = "\"h1\"\r\n\"h2\"\r\n";
    const std::string record = "201,1,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16\r\n";
    const std::vector<Case> cases = {
        {"text for a number", head + record + "202,1,1,x,3,4,5,6,7,8,9,10,11,12,13,14,15,16\r\n", 4,
         1},
        {"truncated record", head + record + "202,1,1,2,3", 4, 1},
        {"empty item", head + "201,1,,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16\r\n", 3, 0},
        {"code too large", head + "40000,1,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16\r\n", 3, 0},
        {"infinite value", head + "201,1,1e99,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16\r\n", 3, 0},
        {"unclosed quote", "\"h1\r\nh2\r\n" + record, 1, 0},
        {"headers only half there", "\"h1\"\r\n", 2, 0},
    };
    for (const Case& c : cases) {
        const AllowanceFileRead read = readAllowanceFile(c.text, TableFormat::Current);
        ASSERT_TRUE(read.error) << c.name;
        EXPECT_EQ(read.error->line, c.line) << c.name << ": " << read.error->reason;
        EXPECT_EQ(read.table.count(), c.recordsKept) << c.name;
    }
}

TEST(TableFiles, AHundredAndFirstGradeIsReportedAndLeftOut) {
    std::string text = "\"h1\"\r\n\"h2\"\r\n";
    for (int n = 1; n <= kMaxGrades + 1; ++n)
        text += "\"" + std::to_string(n) + "\",\"Q" + std::to_string(n) + "\",3,6\r\n";
    const GradeFileRead read = readGradeFile(text, TableFormat::Current);
    EXPECT_EQ(read.table.count(), kMaxGrades);
    ASSERT_TRUE(read.error);
    EXPECT_EQ(read.error->line, static_cast<std::size_t>(kMaxGrades + 3));
    EXPECT_EQ(read.table.at(kMaxGrades).code, "Q100");
}

}  // namespace
}  // namespace brontaxe
