#include "drawing/symbol_library.h"

#include <gtest/gtest.h>

#include "drawing/drawing.h"
#include "drawing/pen_scope.h"
#include "platform/errors.h"
#include "support/near.h"
#include "support/temp_dir.h"

namespace brontaxe {
namespace {

TEST(SymbolLibrary, ReadsSymbolsAndRefusesWhatItCannotRead) {
    auto lib = SymbolLibrary::parse(
        "# essai\nsymbole 5 Sens cannelure\ntrait -1 0 1 0\narc 0 0 1 0 180\n\nsymbole 11\r\n"
        "trait 0 0 1 .5\n");
    ASSERT_TRUE(lib);
    ASSERT_NE(lib->find(5), nullptr);
    EXPECT_EQ(lib->find(5)->name, "Sens cannelure");
    EXPECT_GT(lib->find(5)->strokes.size(), 10u);  // the arc as fine chords
    EXPECT_EQ(lib->find(11)->strokes.size(), 1u);
    EXPECT_EQ(lib->find(7), nullptr);
    std::string problem;
    for (const char* bad :
         {"trait 0 0 1 1\n", "symbole x\n", "symbole 1\ntrait 0 0 1\n", "symbole 1\nsymbole 1\n",
          "symbole 1\ncercle 0 0 1\n", "symbole 1\narc 0 0 -1 0 90\n"}) {
        EXPECT_FALSE(SymbolLibrary::parse(bad, &problem)) << bad;
        EXPECT_NE(problem.find("ligne"), std::string::npos);
    }
}

// Found by fuzzing: a symbol number past the int range was converted as it stood. Each of these
// is refused with its line; the huge arc is cut to fine chords, not to an endless list.
TEST(SymbolLibrary, NumbersPastTheirRangeAreRefused) {
    std::string problem;
    for (const char* bad :
         {"symbole 1e300\n", "symbole -3e9\n", "symbole 2147483648\n", "symbole 1000001\n"}) {
        EXPECT_FALSE(SymbolLibrary::parse(bad, &problem)) << bad;
        EXPECT_NE(problem.find("ligne 1 : numéro de symbole attendu"), std::string::npos)
            << problem;
    }
    const auto lib = SymbolLibrary::parse("symbole 1000000\narc 0 0 1e300 0 360\n");
    ASSERT_TRUE(lib);
    EXPECT_LE(lib->find(1000000)->strokes.size(), 4096u);
}

TEST(InsertSymbol, PlacesTurnsAndSizesTheShippedArrows) {
    Drawing d;
    const std::int32_t handle = d.LoadSymbols(BRONTAXE_SHIPPED_SYMBOLS);
    ASSERT_GT(handle, 0);
    const PenScope pen(d, kind::Text);
    const ElementId pass = d.InsertSymbol(100, 200, handle, 11, 30, 90);
    const auto& s = std::get<SymbolShape>(d.element(pass).shape);
    // The shaft runs from 1 to -1 along Y in the symbol's unit: a quarter turn lays it along
    // X (pass direction 1), 60 long.
    const Segment shaft = s.placedStrokes().front();
    EXPECT_TRUE(test::near(shaft.a, {70, 200}, 1e-9));
    EXPECT_TRUE(test::near(shaft.b, {130, 200}, 1e-9));
    EXPECT_EQ(d.ElementType(pass), ShapeType::Symbol);
    EXPECT_EQ(d.ElementLineKind(pass), kind::Text);
    EXPECT_NO_THROW(d.InsertSymbol(0, 0, handle, 5, 30, 90));
    EXPECT_THROW(d.InsertSymbol(0, 0, handle, 99, 30, 90), GenerationError);
    EXPECT_THROW(d.InsertSymbol(0, 0, handle + 1, 5, 30, 90), GenerationError);
    EXPECT_EQ(d.LoadSymbols("/nonexistent/catparam.cd"), 0);
    EXPECT_TRUE(d.extents().empty);  // symbols are no part of the blank's size
}

}  // namespace
}  // namespace brontaxe
