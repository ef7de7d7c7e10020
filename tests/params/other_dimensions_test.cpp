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

TEST(AutreDim, ADecimalCommaReadsAsAPoint) {
    Model m;
    applyFieldEntry(m, 0, "32,5");
    EXPECT_EQ(m.lgPatte, 32.5f);
    applyFieldEntry(m, kFieldNbCases, "4,4");
    EXPECT_EQ(m.NbCases, 4);
}

TEST(AutreDim, TextThatIsNotANumberReadsAsZero) {
    Model m = test::startupModel();
    applyFieldEntry(m, 0, "abc");
    EXPECT_EQ(m.lgPatte, 0);
}

TEST(AutreDim, TenonCountIsCappedAtThreeAndShownWithItsBlank) {
    struct Case {
        const char* typed;
        std::int16_t stored;
        std::optional<std::string> shown;
    };
    for (const Case& c :
         {Case{"7", 3, "3"}, Case{"3", 3, std::nullopt}, Case{"2.5", 2, std::nullopt},
          Case{"1.5", 2, std::nullopt}, Case{"99999999", 3, "3"}, Case{"x", 0, std::nullopt}}) {
        Model m = test::startupModel();
        EXPECT_EQ(applyFieldEntry(m, kFieldNbMortaise, c.typed), c.shown) << c.typed;
        EXPECT_EQ(m.nbmortaise, c.stored) << c.typed;
    }
}

TEST(AutreDim, CellCountTakesTheNearestEvenInteger) {
    Model m = test::startupModel();
    applyFieldEntry(m, kFieldNbCases, "4.5");
    EXPECT_EQ(m.NbCases, 4);
    applyFieldEntry(m, kFieldNbCases, "150");
    EXPECT_EQ(m.NbCases, 150);
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
