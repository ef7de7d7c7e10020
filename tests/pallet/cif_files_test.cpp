#include "pallet/cif_files.h"

#include <gtest/gtest.h>

#include "pallet/pallet_catalogue.h"
#include "support/temp_dir.h"

namespace brontaxe::pallet {
namespace {

PalletStudy study(LoadKind kind) {
    PalletStudy s;
    s.kind = kind;
    s.length = "306";
    s.width = "206.50";
    s.height = " 156 mm";
    s.unitWeight = "5";
    s.netWeight = "4.7";
    s.pallet = "EUROHALF";
    s.maxHeight = "1650";
    s.maxWeight = "1000";
    return s;
}

const std::vector<std::string> kTruck{
    "[Truck Restrictions]", "Field #1=40WIDE.PA4", "Field #2=40000", "Field #3=1",     "Field #4=1",
    "Field #13=1",          "Field #14=1",         "Field #16=1",    "Field #17=2350", ""};

std::vector<std::string> general(const char* field1, const char* field7) {
    return {"[General]",
            std::string("Field #1=") + field1,
            "Field #3=KORVANE - CAPE ",
            "Field #4=Interface",
            "Field #5=0",
            std::string("Field #7=") + field7,
            "Field #9=2",
            "Field #10=0",
            "Field #12=07/12/2026",
            "Field #19=1",
            "Field #20=0",
            "Field #26=1",
            ""};
}

std::vector<std::string> zeroFields4To13() {
    std::vector<std::string> v;
    for (int f = 4; f <= 13; ++f)
        v.push_back("Field #" + std::to_string(f) + "=0");
    return v;
}

void append(std::vector<std::string>& to, const std::vector<std::string>& more) {
    to.insert(to.end(), more.begin(), more.end());
}

TEST(CifFiles, ErectedCasesStudyLineForLine) {
    std::vector<std::string> expected = general("1", "0");
    append(expected, {"[Secondary Pack]", "Field #1=306", "Field #2=206.5", "Field #3=156",
                      "Field #10=5", "Field #11=4.7", "Field #12=1", "Field #14=Caisse",
                      "Field #31=0", "Field #32=0", "Field #33=1", "[Pallet Restrictions#1]",
                      "Field #1=EUROHALF.PA4", "Field #2=1650", "Field #3=1000"});
    append(expected, zeroFields4To13());
    append(expected, {"Field #14=1", "Field #15=1", "Field #16=1", "Field #17=1", "Field #18=1",
                      "Field #19=1", ""});
    append(expected, kTruck);
    EXPECT_EQ(caseStudyLines(study(LoadKind::ErectedCases), "07/12/2026"), expected);
}

TEST(CifFiles, FlatBlanksStudyLineForLine) {
    std::vector<std::string> expected = general("20", "1");
    append(expected, {"[Primary Pack]",
                      "Field #1=0",
                      "Field #2=0",
                      "Field #10=5",
                      "Field #11=0",
                      "Field #45=0",
                      "Field #56=0",
                      "Field #34=Caisse découpée",
                      "",
                      "[Secondary Pack]",
                      "Field #14=Bundle",
                      "Field #29=25",
                      "Field #30=30",
                      "Field #31=0",
                      "Field #32=0",
                      "Field #33=1",
                      "Field #37=0",
                      "Field #38=0",
                      "Field #68=1",
                      "Field #69=0",
                      "Field #70=0",
                      "Field #71=0",
                      "Field #72=306",
                      "Field #73=206.5",
                      "Field #74=156",
                      "",
                      "[Pallet Restrictions#1]",
                      "Field #1=EUROHALF.pa4",
                      "Field #2=1650",
                      "Field #3=1000"});
    append(expected, zeroFields4To13());
    append(expected, {"Field #14=1", "Field #15=1", "Field #16=1", "Field #17=0", "Field #18=0",
                      "Field #19=0", ""});
    append(expected, kTruck);
    const PalletStudy s = study(LoadKind::FlatBlanks);
    EXPECT_EQ(blankStudyLines(s, "07/12/2026"), expected);
    EXPECT_EQ(studyLines(s, "07/12/2026"), expected);
}

TEST(CifFiles, WrittenWithCrLfInTheWindowsCodePageOverAnOldStudy) {
    test::TempDir dir;
    const auto path = dir / "tutor" / kBlankStudyName;
    std::filesystem::create_directories(path.parent_path());
    test::writeFile(path, std::string(5000, 'x'));  // a longer old study leaves nothing behind
    ASSERT_EQ(writeStudyFile(path, {"[Primary Pack]", "Field #34=Caisse découpée", ""}),
              std::nullopt);
    EXPECT_EQ(test::readFile(path),
              "[Primary Pack]\r\nField #34=Caisse d\xE9"
              "coup\xE9"
              "e\r\n\r\n");
}

TEST(CifFiles, ShortDateIsDayMonthYear) {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 11;
    t.tm_mday = 7;
    t.tm_hour = 12;
    const auto when = std::chrono::system_clock::from_time_t(std::mktime(&t));
    EXPECT_EQ(shortDate(when), "07/12/2026");
}

TEST(PalletCatalogue, DescriptionsOfEveryPallet) {
    const std::pair<const char*, const char*> expected[] = {
        {"EURO", "1200 x  800 x 150 mm  -  25 kg"},
        {"EURO1", "1200 x  800 x 145 mm  -  25 kg"},
        {"EURO2", "1200 x 1000 x 145 mm  -  30 kg"},
        {"EURO4", "1200 x  800 x 144 mm  -  24 kg"},
        {"EUROCHEP", "1200 x 1000 x 163 mm  -  30 kg"},
        {"EUROHALF", " 800 x  800 x 161 mm  -  12 kg"},
        {"ISB1000", "1000 x  800 x 140 mm  -  24 kg"},
        {"ISB1150", "1150 x 1150 x 140 mm  -  30 kg"},
        {"ISB1180", "1180 x  760 x 140 mm  -  26 kg"},
    };
    ASSERT_EQ(palletTypes().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(palletTypes()[i].name, expected[i].first);
        EXPECT_EQ(palletDescription(palletType(expected[i].first)), expected[i].second);
    }
    EXPECT_EQ(palletType("inconnue").name, "EURO");
}

}  // namespace
}  // namespace brontaxe::pallet
