#include "platform/text.h"

#include <gtest/gtest.h>

#include <string>

#include "support/french_typography.h"

namespace brontaxe::platform {
namespace {

const std::string nb = "\xc2\xa0";

// Where French typography wants a non-breaking space, and where a text must stay as it is.
TEST(FrenchSpacing, NonBreakingSpacesBeforeTheHighSignsAndInsideTheQuotes) {
    const std::pair<std::string, std::string> cases[] = {
        {"Longueur incorrecte : 0", "Longueur incorrecte" + nb + ": 0"},
        {"trop petite ; il faut", "trop petite" + nb + "; il faut"},
        {"Enregistrer les modifications ?", "Enregistrer les modifications" + nb + "?"},
        {"Attention !", "Attention" + nb + "!"},
        {"« cinq »", "«" + nb + "cinq" + nb + "»"},
        {"Longueur:", "Longueur" + nb + ":"},        // a colon touching the word ending it
        {"Épaisseur: 3", "Épaisseur" + nb + ": 3"},  // after an accented letter too
        {"Un mot" + nb + ": deux", "Un mot" + nb + ": deux"},  // already right: no second one
        {"x;y @dx;dy", "x;y @dx;dy"},                          // coordinates typed
        {"c:\\korvane 12:30 http://a", "c:\\korvane 12:30 http://a"},
        {"(106,00 ; 108,00)", "(106,00" + nb + "; 108,00)"},
        {"Calque \"a\" :\n", "Calque \"a\"" + nb + ":\n"},
        // A unit keeps to its number; a word that begins like one does not.
        {"2 x 600 mm, 40,19 % et 1,32 m.",
         "2 x 600" + nb + "mm, 40,19" + nb + "% et 1,32" + nb + "m."},
        {"12 m\u00b2 ; 3 kN/m ; 90 \u00b0",
         "12" + nb + "m\u00b2" + nb + "; 3" + nb + "kN/m" + nb + "; 90" + nb + "\u00b0"},
        {"(de 0 à 500" + nb + "mm)", "(de 0 à 500" + nb + "mm)"},
        {"3 mois, 2 mortaises, 4 pièces, 5 min", "3 mois, 2 mortaises, 4 pièces, 5 min"},
        {"200 mmol et 7 kgf", "200 mmol et 7 kgf"},
        {"", ""},
    };
    for (const auto& [plain, french] : cases) {
        const std::string spaced = frenchSpacing(plain);
        EXPECT_EQ(spaced, french) << plain;
        EXPECT_EQ(test::plainSpacesBeforeMarks(spaced), 0) << spaced;
        EXPECT_EQ(frenchSpacing(spaced), spaced) << "twice: " << plain;
    }
}

// The counting rule itself, on the manual test's own lines: one with every fault, one with none.
TEST(FrenchSpacing, TheCountingRuleFindsEveryPlainSpaceAndNoRightOne) {
    EXPECT_EQ(test::plainSpacesBeforeMarks("Un mot : deux ; trois ? quatre ! « cinq »"), 6);
    EXPECT_EQ(test::plainSpacesBeforeMarks("Un mot\u00a0: deux\u202f; «\u00a0cinq\u00a0» C:\\"), 0);
    EXPECT_EQ(test::plainSpacesBeforeMarks("| :--- | ---: |"), 0);  // a table's rule
}

}  // namespace
}  // namespace brontaxe::platform
