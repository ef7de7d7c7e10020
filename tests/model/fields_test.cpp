#include "model/model_fields.h"

#include <gtest/gtest.h>

namespace brontaxe {
namespace {

TEST(SetField, NamesIgnoreCaseAndArraysTakeTheirOwnIndices) {
    Model m;
    EXPECT_TRUE(setField(m, "lgpatte", "30").ok());
    EXPECT_EQ(m.lgPatte, 30);
    EXPECT_TRUE(setField(m, "Majo(6)", "2").ok());
    EXPECT_EQ(m.Majo[6], 2);
    EXPECT_TRUE(setField(m, "Majo(16)", "-1.5").ok());
    EXPECT_EQ(m.Majo[16], -1.5f);
    EXPECT_TRUE(setField(m, "Marges(0)", "7").ok());
    EXPECT_EQ(m.Marges[0], 7);
    EXPECT_TRUE(setField(m, "pattesurtete", "1").ok());
    EXPECT_TRUE(m.pattesurtete);
    EXPECT_TRUE(setField(m, "pattesurtete", "0").ok());
    EXPECT_FALSE(m.pattesurtete);
    EXPECT_TRUE(setField(m, "CaisseEn4", "2").ok());
    EXPECT_EQ(m.CaisseEn4, 2);
    EXPECT_TRUE(setField(m, "Personnalisation", "QOR").ok());
    EXPECT_EQ(m.Personnalisation, CustomerProfile::Qor);
    EXPECT_EQ(fieldText(m, "MAJO(6)"), "2");
    EXPECT_EQ(fieldText(m, "lgPatte"), "30");
}

TEST(SetField, RefusesWhatItCannotStoreAndLeavesTheFieldAlone) {
    Model m;
    m.lgPatte = 36;
    EXPECT_EQ(setField(m, "nothing", "1").status, FieldSetStatus::UnknownField);
    EXPECT_EQ(setField(m, "Majo(17)", "1").status, FieldSetStatus::BadIndex);
    EXPECT_EQ(setField(m, "Majo(0)", "1").status, FieldSetStatus::BadIndex);
    EXPECT_EQ(setField(m, "Majo", "1").status, FieldSetStatus::BadIndex);
    EXPECT_EQ(setField(m, "lgPatte(1)", "1").status, FieldSetStatus::BadIndex);
    EXPECT_EQ(setField(m, "Majo(x)", "1").status, FieldSetStatus::UnknownField);
    EXPECT_EQ(setField(m, "lgPatte", "abc").status, FieldSetStatus::BadValue);
    EXPECT_EQ(setField(m, "lgPatte", "30mm").status, FieldSetStatus::BadValue);
    EXPECT_EQ(setField(m, "lgPatte", "").status, FieldSetStatus::BadValue);
    EXPECT_EQ(setField(m, "lgPatte", "1e39").status, FieldSetStatus::BadValue);
    EXPECT_EQ(setField(m, "nbmortaise", "40000").status, FieldSetStatus::BadValue);
    EXPECT_EQ(setField(m, "pattesurtete", "2").status, FieldSetStatus::BadValue);
    EXPECT_EQ(m.lgPatte, 36);
    EXPECT_FALSE(setField(m, "nothing", "1").message.empty());
}

TEST(FieldNames, ListsArraysWithTheirRange) {
    const auto names = fieldNames();
    EXPECT_NE(std::find(names.begin(), names.end(), "Majo(1..16)"), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), "lgPatte"), names.end());
}

}  // namespace
}  // namespace brontaxe
