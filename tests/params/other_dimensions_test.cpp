#include "params/other_dimensions.h"

#include <gtest/gtest.h>

#include "model/field_ranges.h"
#include "model/model_fields.h"
#include "support/style_fixture.h"

namespace brontaxe {
namespace {

TEST(AutreDim, FormatDimIsTheShortestFormWithTheDecimalComma) {
    EXPECT_EQ(FormatDim(36), "36");
    EXPECT_EQ(FormatDim(0.5), "0,5");
    EXPECT_EQ(FormatDim(-2.125), "-2,125");
    EXPECT_EQ(FormatDim(31.1f), "31,1");  // the single as typed, not 31,1000004
}

TEST(AutreDim, EveryNumericFieldReachesItsOwnModelValue) {
    Model m;
    for (int field = 0; field < kAutreDimFieldCount; ++field) {
        const bool numeric = field <= 18 || field >= 23;
        ASSERT_EQ(dimensionField(m, field) != nullptr, numeric) << field;
        if (numeric) {
            EXPECT_EQ(applyFieldEntry(m, field, "  " + std::to_string(100 + field) + "mm"),
                      std::nullopt);
        }
    }
    // Distinct values everywhere: no two fields share a model value.
    for (int field = 0; field < kAutreDimFieldCount; ++field) {
        if (const float* v = dimensionField(m, field)) {
            EXPECT_EQ(*v, 100 + field) << field;
        }
    }
    EXPECT_EQ(m.RcoupPouce, 109);
    EXPECT_EQ(m.CroisPar4, 123);
    EXPECT_EQ(m.EPoign, 130);
}

// The name a field is checked under is the model value it edits, and it has a range.
TEST(AutreDim, EveryNumericFieldIsCheckedUnderItsOwnModelName) {
    for (int field = 0; field < kAutreDimFieldCount; ++field) {
        const std::string_view name = autreDimFieldName(field);
        if (field == kFieldCreasesHorizontal || field == kFieldCreasesVertical) {
            EXPECT_TRUE(name.empty());
            continue;
        }
        ASSERT_TRUE(fieldRange(name)) << field << " " << name;
        EXPECT_FALSE(autreDimRefusalCaption(field).empty()) << field;
        Model m;
        ASSERT_TRUE(applyFieldEntry(m, field, "2") == std::nullopt || field == kFieldNbMortaise);
        EXPECT_EQ(fieldText(m, name), "2") << field << " " << name;
    }
}

// What a typed entry leaves in the model, and the text the field shows back when it is not
// the one typed: a comma is a point, text reads as zero, the tenons are capped at three and the
// cells take the nearest even count.
TEST(AutreDim, EntriesAreReadAsTheFieldStoresThem) {
    struct Case {
        int field;
        const char* typed;
        float stored;
        std::optional<std::string> shown;
    };
    const Case cases[] = {
        {0, "32,5", 32.5f, std::nullopt},           {0, "abc", 0, std::nullopt},
        {kFieldNbCases, "4,4", 4, std::nullopt},    {kFieldNbCases, "4.5", 4, std::nullopt},
        {kFieldNbCases, "150", 150, std::nullopt},  {kFieldNbMortaise, "7", 3, "3"},
        {kFieldNbMortaise, "3", 3, std::nullopt},   {kFieldNbMortaise, "2.5", 2, std::nullopt},
        {kFieldNbMortaise, "1.5", 2, std::nullopt}, {kFieldNbMortaise, "99999999", 3, "3"},
        {kFieldNbMortaise, "x", 0, std::nullopt},
    };
    for (const Case& c : cases) {
        Model m = test::startupModel();
        EXPECT_EQ(applyFieldEntry(m, c.field, c.typed), c.shown) << c.typed;
        const float stored = c.field == kFieldNbMortaise ? m.nbmortaise
                             : c.field == kFieldNbCases  ? m.NbCases
                                                         : m.lgPatte;
        EXPECT_EQ(stored, c.stored) << c.field << ": " << c.typed;
    }
}

TEST(AutreDim, CreaseListSplitsAtTheFirstSlashAndJoinsTrimmed) {
    EXPECT_EQ(splitCreaseList("10;20").widthPart, "10;20");
    EXPECT_EQ(splitCreaseList("10;20").lengthPart, "");
    EXPECT_EQ(splitCreaseList("10/30/40").widthPart, "10");
    EXPECT_EQ(splitCreaseList("10/30/40").lengthPart, "30/40");
    EXPECT_EQ(joinCreaseList(" 10;20 ", "  "), "10;20");
    EXPECT_EQ(joinCreaseList("10", " 30;40 "), "10/30;40");
    EXPECT_EQ(joinCreaseList("", "30"), "/30");
}

TEST(AutreDim, OpeningShowsTheModelAndCorrectsWhatTheDialogCannotShow) {
    Model m = test::startupModel();
    m.nbmortaise = 0;
    m.NbCases = 0;
    m.OptionCrois = 5;
    normaliseForDialog(m);
    EXPECT_EQ(m.nbmortaise, 1);
    EXPECT_EQ(m.NbCases, 2);
    EXPECT_EQ(m.OptionCrois, 0);
    EXPECT_EQ(fieldTextForDialog(m, 0, ""), "36");
    EXPECT_EQ(fieldTextForDialog(m, kFieldNbMortaise, ""), "1");
    EXPECT_EQ(fieldTextForDialog(m, kFieldCreasesHorizontal, "5;6"), "5;6");
    EXPECT_EQ(fieldTextForDialog(m, kFieldCreasesVertical, "5;6"), "");
}

TEST(AutreDim, TypingAFlapHeightStopsTheAutomaticHeightUnlessBlocked) {
    Model m = test::startupModel();
    ASSERT_TRUE(m.hrabat_auto);
    m.BloqueModif = true;
    EXPECT_FALSE(flapHeightTyped(m));
    EXPECT_TRUE(m.hrabat_auto);
    m.BloqueModif = false;
    EXPECT_TRUE(flapHeightTyped(m));
    EXPECT_FALSE(m.hrabat_auto);
}

TEST(AutreDim, HandleModeFollowsTheBoxAndTheOption) {
    EXPECT_EQ(handleMode(false, 2), 0);
    EXPECT_EQ(handleMode(true, 0), 1);
    EXPECT_EQ(handleMode(true, 2), 3);
    EXPECT_EQ(handleOption(0), 0);
    EXPECT_EQ(handleOption(3), 2);
}

}  // namespace
}  // namespace brontaxe
