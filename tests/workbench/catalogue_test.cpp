#include "workbench/catalogue.h"

#include <gtest/gtest.h>

#include <set>

#include "resources/string_table.h"
#include "styles/generators.h"
#include "styles/style_records.h"

namespace brontaxe {
namespace {

TEST(Catalogue, FamiliesListTheirCodesInOrderWithCaptionsFromTheStringTable) {
    const auto& families = catalogueFamilies();
    ASSERT_EQ(families.size(), 7u);
    EXPECT_EQ(families[0].codes.front(), "0200");
    EXPECT_EQ(families[0].codes[1], "0200C");
    EXPECT_EQ(families[0].codes.back(), kTopBottomEntry);
    EXPECT_EQ(families[3].codes[8], "0599");  // between 0509 and 0510
    EXPECT_EQ(families[3].codes[9], "0510");
    EXPECT_EQ(families[6].codes.back(), "0991");
    EXPECT_EQ(StringTable::builtIn().text(familyCaptionEntry(1)), "02 Caisses à rabats");
    EXPECT_EQ(StringTable::builtIn().text(familyCaptionEntry(7)), "09 Conditionnement Intérieur");
    std::set<std::string_view> seen;
    for (const auto& f : families) {
        for (auto code : f.codes)
            EXPECT_TRUE(seen.insert(code).second) << "listed twice: " << code;
    }
}

TEST(Catalogue, DispatchIsAnExactMatchWithItsSharedGenerators) {
    struct Case {
        std::string_view code;
        DispatchKind kind;
        std::string_view generator;
    };
    const Case cases[] = {
        {"0201", DispatchKind::Generator, "0201"},
        {"0200c", DispatchKind::Generator, "0200C"},
        {"0200C", DispatchKind::Generator, "0200C"},
        {"0305", DispatchKind::Generator, "0301"},
        {"0599", DispatchKind::Generator, "0509"},
        {"0610", DispatchKind::Generator, "0607"},
        {"0990", DispatchKind::Generator, "0901"},
        {"0991", DispatchKind::Generator, "0902"},
        {"0951 Int", DispatchKind::Generator, "0951"},
        {"0951", DispatchKind::Generator, "0951"},
        {"0951 Ext", DispatchKind::Generator, "0951 Ext"},
        {"0605", DispatchKind::None, ""},
        {"0201 ", DispatchKind::None, ""},
        {"201", DispatchKind::None, ""},
        {"0914 int", DispatchKind::None, ""},
        {"Haut / Bas", DispatchKind::None, ""},
        {"/", DispatchKind::Combined, "/"},
        {"0999", DispatchKind::None, ""},
    };
    for (const auto& c : cases) {
        const DispatchTarget t = dispatchCode(c.code, false, 201, 201);
        EXPECT_EQ(t.kind, c.kind) << c.code;
        EXPECT_EQ(t.generatorCode, c.generator) << c.code;
    }
    EXPECT_EQ(dispatchCode("0201/0203", true, 201, 203).kind, DispatchKind::Combined);
    EXPECT_EQ(dispatchCode("0000/0000", true, 0, 0).kind, DispatchKind::None);
}

// A style is drawn only once its record is whole: listed in its family, drawn by a generator
// of its own or by a listed code's, and saying what it erects into; no generator is known
// outside the lists.
TEST(Catalogue, EveryListedCodeHasAWholeRecord) {
    std::set<std::string_view> texts;
    for (const StyleRecord* r : styleRecords()) {
        const std::string_view code = r->listEntry();
        const auto place = findCodeInCatalogue(code);
        ASSERT_TRUE(place) << code;
        EXPECT_EQ(place->family, r->family) << code;
        for (std::string_view t : {r->code, r->listedAs, r->typedAs})
            EXPECT_TRUE(t.empty() || texts.insert(t).second) << "two records for " << t;
        EXPECT_EQ(findStyleRecord(code), r) << code;
        const StyleRecord* drawing = r->generate ? r : findStyleRecord(r->drawnBy);
        ASSERT_TRUE(drawing && drawing->generate && findCodeInCatalogue(drawing->code))
            << code << " is drawn by no listed generator";
        EXPECT_EQ(r->generate == nullptr, !r->drawnBy.empty()) << code;
        EXPECT_TRUE(r->pieces || drawing->pieces) << code << " says nothing of its pieces";
        EXPECT_TRUE(r->sameBlankAs.empty() || findCodeInCatalogue(r->sameBlankAs)) << code;
    }
    for (std::string_view code : generatorCodes())
        EXPECT_TRUE(code == kCombinedGenerator || findCodeInCatalogue(code))
            << code << " has a generator but no list shows it";
    EXPECT_TRUE(findGenerator(kCombinedGenerator));
}

TEST(CodeBoxEntry, PutsAZeroInFrontAndSplitsTopAndBottom) {
    EXPECT_EQ(codeBoxEntry("201").text, "0201");
    EXPECT_EQ(codeBoxEntry("0201").text, "0201");
    EXPECT_EQ(codeBoxEntry("").text, "0");
    EXPECT_EQ(codeBoxEntry("200c").text, "0200c");
    // Four digits are a whole code: an unknown 9999 is said as typed, not as 09999.
    EXPECT_EQ(codeBoxEntry("9999").text, "9999");
    EXPECT_EQ(codeBoxEntry("2010").text, "2010");
    const CodeBoxEntry combined = codeBoxEntry("0201/0203");
    EXPECT_EQ(combined.topStyle, 201);
    EXPECT_EQ(combined.bottomStyle, 203);
    const CodeBoxEntry noTop = codeBoxEntry("0000/0203");
    EXPECT_EQ(noTop.topStyle, 0);
    EXPECT_EQ(noTop.bottomStyle, 203);
    EXPECT_FALSE(codeBoxEntry("0201").topStyle.has_value());
    EXPECT_TRUE(codeBoxEntry("990").creaseListLayout);
    EXPECT_TRUE(codeBoxEntry("0991").creaseListLayout);
    EXPECT_FALSE(codeBoxEntry("0901").creaseListLayout);
}

}  // namespace
}  // namespace brontaxe
