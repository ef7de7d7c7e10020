// What the window shows is what is drawn: a code the program cannot draw leaves the code box,
// the lists, the allowances and the figures on the style that is drawn; typing a code moves
// the lists to its family; codes still to come are known as such.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>

#include "builders/emit.h"
#include "drawing/drawing_dump.h"
#include "drawing/pen_scope.h"
#include "support/temp_dir.h"
#include "workbench/catalogue.h"
#include "workbench/window_figures.h"
#include "workbench/workbench.h"

namespace brontaxe {
namespace {

void square(Model& m, Drawing& d) {
    GenerationPass pass(d);
    const PenScope pen(d, kind::Cut);
    chainStart(d, 0, 0);
    for (const auto& p :
         {Point{m.Longueur, 0}, Point{m.Longueur, m.Largeur}, Point{0, m.Largeur}, Point{0, 0}})
        lineTo(d, static_cast<float>(p.x), static_cast<float>(p.y));
}

// The slotted styles alone, so that these tests hold whichever families have landed since.
Generator slottedOnly(std::string_view code) {
    return code.substr(0, 2) == "02" ? findGenerator(code) : nullptr;
}

// 0310 and the 09 family's 0901 as if their styles had landed.
Generator withSomeLaterStyles(std::string_view code) {
    if (code == "0310" || code == "0901")
        return &square;
    return slottedOnly(code);
}

struct Bench {
    test::TempDir dir;
    Workbench wb;
    explicit Bench(Workbench::GeneratorLookup lookup = &slottedOnly)
        : wb(platform::PrivateProfile(dir.path()), lookup) {
        wb.startUp();
        wb.codeChosen(wb.window().codeNumber);
    }
    int indexOf(int family, const char* code) const {
        const auto codes = wb.familyCodes(family);
        return static_cast<int>(std::find(codes.begin(), codes.end(), code) - codes.begin()) + 1;
    }
};

// Everything the user reads about the drawing.
struct Shown {
    std::string code, codeModele, drawing;
    int family, module;
    WindowFigures figures;
    float thickness;
};
Shown shown(const Workbench& wb) {
    const Model& m = wb.model();
    return {wb.window().codeText,     m.CodeModele,           dumpDrawing(wb.drawing()),
            wb.window().familyNumber, wb.window().codeNumber, windowFigures(m),
            m.EpaisseurCarton};
}
void expectSame(const Shown& a, const Shown& b, const std::string& what) {
    EXPECT_EQ(a.code, b.code) << what;
    EXPECT_EQ(a.codeModele, b.codeModele) << what;
    EXPECT_EQ(a.family, b.family) << what;
    EXPECT_EQ(a.module, b.module) << what;
    EXPECT_EQ(a.drawing, b.drawing) << what;
    EXPECT_EQ(a.figures.cutLength, b.figures.cutLength) << what;
    EXPECT_EQ(a.figures.imposedSize, b.figures.imposedSize) << what;
    EXPECT_EQ(a.figures.cutSurface, b.figures.cutSurface) << what;
    EXPECT_EQ(a.thickness, b.thickness) << what;
}

TEST(StyleChoice, AnUndrawnCodeLeavesEverythingOnTheDrawnStyle) {
    Bench b;
    b.wb.codeChosen(b.indexOf(1, "0216"));
    ASSERT_EQ(b.wb.window().codeText, "0216");
    const Shown before = shown(b.wb);
    const std::array<float, 17> majo = b.wb.model().Majo;

    const struct {
        const char* what;
        std::function<RegenerationReport(Workbench&)> choose;
        const char* message;
    } choices[] = {
        {"typed 0300",
         [](Workbench& wb) {
             wb.window().codeText = "300";
             return wb.codeBoxLeft();
         },
         "Modèle non disponible : 0300"},
        {"typed 0605",
         [](Workbench& wb) {
             wb.window().codeText = "0605";
             return wb.codeBoxLeft();
         },
         "Code de modèle inconnu"},
        {"typed unknown",
         [](Workbench& wb) {
             wb.window().codeText = "0216 ";
             return wb.codeBoxLeft();
         },
         "Code de modèle inconnu"},
        {"family 03", [](Workbench& wb) { return wb.familyChosen(2); },
         "Modèle non disponible : 0300"},
        {"family 09", [](Workbench& wb) { return wb.familyChosen(7); },
         "Modèle non disponible : 0901"},
    };
    for (const auto& c : choices) {
        const RegenerationReport r = c.choose(b.wb);
        EXPECT_TRUE(r.keptPrevious) << c.what;
        EXPECT_EQ(r.message.rfind(c.message, 0), 0u) << c.what << ": " << r.message;
        expectSame(shown(b.wb), before, c.what);
        EXPECT_EQ(b.wb.model().Majo, majo) << c.what;
    }
    // The next change draws the style shown, with its own allowances.
    b.wb.window().lengthText = "500";
    ASSERT_TRUE(b.wb.regenerate().drawn);
    EXPECT_EQ(b.wb.model().CodeModele, "0216");
    EXPECT_EQ(b.wb.model().Majo, majo);
}

TEST(StyleChoice, TypingACodeMovesTheListsToItsFamily) {
    Bench b(&withSomeLaterStyles);
    const struct {
        const char* typed;
        const char* code;
        int family;
        const char* listed;
    } cases[] = {
        {"310", "0310", 2, "0310"},
        {"0901", "0901", 7, "0901"},
        {"203", "0203", 1, "0203"},
        {"0200c", "0200c", 1, "0200C"},
    };
    for (const auto& c : cases) {
        b.wb.window().codeText = c.typed;
        ASSERT_TRUE(b.wb.codeBoxLeft().drawn) << c.typed;
        EXPECT_EQ(b.wb.window().codeText, c.code);
        EXPECT_EQ(b.wb.window().familyNumber, c.family) << c.typed;
        EXPECT_EQ(b.wb.window().codeNumber, b.indexOf(c.family, c.listed)) << c.typed;
    }
}

TEST(StyleChoice, AFamilyOpensOnItsFirstDrawnCode) {
    Bench b(&withSomeLaterStyles);
    ASSERT_TRUE(b.wb.familyChosen(2).drawn);  // 0300 to 0309 are still to come
    EXPECT_EQ(b.wb.window().codeText, "0310");
    EXPECT_EQ(b.wb.window().codeNumber, b.indexOf(2, "0310"));
    ASSERT_TRUE(b.wb.familyChosen(1).drawn);
    EXPECT_EQ(b.wb.window().codeText, "0200");
}

TEST(StyleChoice, CodesStillToComeAreKnownAndTheMarkGoesWhenTheyLand) {
    Bench shipped;
    Bench later(&withSomeLaterStyles);
    EXPECT_TRUE(shipped.wb.isDrawn("0201"));
    EXPECT_TRUE(shipped.wb.isDrawn("0200C"));
    EXPECT_FALSE(shipped.wb.isDrawn("0300"));
    EXPECT_FALSE(shipped.wb.isDrawn("0605"));
    EXPECT_FALSE(shipped.wb.isDrawn(std::string(kTopBottomEntry)));
    EXPECT_TRUE(shipped.wb.familyIsDrawn(1));
    for (int family : {2, 3, 4, 5, 6, 7})
        EXPECT_FALSE(shipped.wb.familyIsDrawn(family)) << family;
    EXPECT_TRUE(later.wb.isDrawn("0310"));
    EXPECT_TRUE(later.wb.familyIsDrawn(2));
    // Codes drawn by another code's generator follow it.
    EXPECT_TRUE(later.wb.isDrawn("0990"));
    EXPECT_FALSE(later.wb.isDrawn("0991"));
}

}  // namespace
}  // namespace brontaxe
