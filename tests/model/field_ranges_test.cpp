#include "model/field_ranges.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/model.h"
#include "model/model_fields.h"

namespace brontaxe {
namespace {

// Every numeric field a user can set has a range: a field added to the model without one would
// let 1e30 through to the drawing.
TEST(FieldRanges, EveryNumericFieldIsBounded) {
    const std::set<std::string> textFields = {"CodeModele", "Personnalisation", "ListeFoulages",
                                              "MajoFefco",  "Soft3D",           "Chemin3D",
                                              "NomModel",   "RepPalette",       "TypePalette"};
    for (std::string name : fieldNames()) {
        const auto dots = name.find("(");
        if (dots != std::string::npos)
            name =
                name.substr(0, dots) + "(" + name.substr(dots + 1, name.find('.') - dots - 1) + ")";
        if (textFields.count(name))
            continue;
        Model m;
        EXPECT_FALSE(setField(m, name, "1e9").ok()) << name;
    }
}

TEST(FieldRanges, RefusesWithTheRangeInFrench) {
    struct Case {
        const char* name;
        const char* value;
        const char* message;
    };
    const Case cases[] = {
        {"lgPatte", "1e30", "Valeur incorrecte pour lgPatte : 1E+30 (de 0 à 500\u00a0mm)"},
        {"lgPatte", "-1000000", "Valeur incorrecte pour lgPatte : -1000000 (de 0 à 500\u00a0mm)"},
        {"EpaisseurCarton", "-50",
         "Valeur incorrecte pour EpaisseurCarton : -50 (de 0 exclu à 30\u00a0mm)"},
        {"EpaisseurCarton", "0",
         "Valeur incorrecte pour EpaisseurCarton : 0 (de 0 exclu à 30\u00a0mm)"},
        {"Majo(3)", "-500", "Valeur incorrecte pour Majo : -500 (de -50 à 1000\u00a0mm)"},
        {"nbmortaise", "4", "Valeur incorrecte pour nbmortaise : 4 (de 0 à 3)"},
        {"anglPc", "120", "Valeur incorrecte pour anglPc : 120 (de 0 à 90\u00a0°)"},
    };
    for (const Case& c : cases) {
        Model m;
        const Model before = m;
        const FieldSetResult r = setField(m, c.name, c.value);
        EXPECT_EQ(r.status, FieldSetStatus::OutOfRange) << c.name << "=" << c.value;
        EXPECT_EQ(r.message, c.message);
        EXPECT_EQ(m.lgPatte, before.lgPatte);
        EXPECT_EQ(m.EpaisseurCarton, before.EpaisseurCarton);
        EXPECT_EQ(m.Majo, before.Majo);
    }
}

TEST(FieldRanges, BoundsAreInsideAndTheWindowCaptionIsKept) {
    Model m;
    EXPECT_TRUE(setField(m, "lgPatte", "500").ok());
    EXPECT_TRUE(setField(m, "lgPatte", "0").ok());
    EXPECT_TRUE(setField(m, "Longueur", "10000").ok());
    EXPECT_FALSE(checkFieldValue("Longueur", 10000));
    EXPECT_EQ(checkFieldValue("Longueur", 0, "Longueur incorrecte"),
              "Longueur incorrecte : 0 (de 0 exclu à 10000\u00a0mm)");
    EXPECT_EQ(checkFieldValue("longueur", 200704, "Longueur incorrecte"),
              "Longueur incorrecte : 200704 (de 0 exclu à 10000\u00a0mm)");
    EXPECT_FALSE(checkFieldValue("CodeModele", 1e30));  // text fields have no range
}

}  // namespace
}  // namespace brontaxe
