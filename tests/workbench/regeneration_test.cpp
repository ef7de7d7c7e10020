// The regeneration as the window drives it: code-box entry, dispatch, mirror, extra creases,
// cut surface, arrows, waste and filters.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "builders/emit.h"
#include "drawing/drawing_dump.h"
#include "drawing/pen_scope.h"
#include "platform/number_text.h"
#include "styles/generators.h"
#include "support/near.h"
#include "support/outline.h"
#include "support/temp_dir.h"
#include "workbench/window_figures.h"
#include "workbench/workbench.h"

namespace brontaxe {
namespace {

// A workbench on preferences naming a data directory without tables: every allowance is 0.
struct BareBench {
    test::TempDir dir;
    Workbench wb;

    explicit BareBench(Workbench::GeneratorLookup lookup = &findGenerator)
        : wb(platform::PrivateProfile(dir.path()), lookup) {
        test::writeFile(dir / "korparam.ini",
                        "[Preferences]\nMajoFefco=" + (dir / "sans-tables/").string() + "\n");
        wb.startUp();
    }
};

// The cut surface of every drawn style, at the start-up sizes with its own allowances: more
// than a quarter of its overall rectangle (no blank is mostly holes, and pieces laid apart, as
// 0509's, leave the room between them) and no more than all of it.
TEST(Regeneration, EveryStyleMeasuresItsCutSurface) {
    test::TempDir dir;
    Workbench wb{platform::PrivateProfile(dir.path())};
    wb.startUp();
    int measured = 0;
    for (std::string_view code : generatorCodes()) {
        if (code.find('/') != std::string_view::npos)
            continue;
        SCOPED_TRACE(std::string(code));
        wb.window().codeText = std::string(code);
        wb.codeBoxLeft();
        if (!wb.regenerate().drawn)
            continue;
        const Model& m = wb.model();
        const double rectangle = double{m.HorsToutX} * m.HorsToutY;
        EXPECT_GT(m.SurfDecoupee, rectangle / 4);
        EXPECT_LE(m.SurfDecoupee, rectangle * 1.0001);
        ++measured;
    }
    EXPECT_GT(measured, 150);
}

std::vector<SymbolShape> symbols(const Drawing& d) {
    std::vector<SymbolShape> out;
    for (const Element& e : d.elements())
        if (const auto* s = std::get_if<SymbolShape>(&e.shape))
            out.push_back(*s);
    return out;
}

void onlyCreases(Model&, Drawing& d) {
    GenerationPass pass(d);
    const PenScope pen(d, kind::Crease);
    line(d, 0, 0, 100, 0);
}

Generator creasesFor0300(std::string_view code) {
    return code == "0300" ? &onlyCreases : findGenerator(code);
}

TEST(Regeneration, TypedCodesFollowTheCodeBoxRuleAndTheExactMatch) {
    BareBench b;
    b.wb.window().codeText = "201";
    EXPECT_TRUE(b.wb.codeBoxLeft().drawn);
    EXPECT_EQ(b.wb.window().codeText, "0201");
    EXPECT_EQ(b.wb.model().CodeModele, "0201");

    b.wb.window().codeText = "200c";
    ASSERT_TRUE(b.wb.codeBoxLeft().drawn);
    const std::string lower = dumpDrawing(b.wb.drawing());
    b.wb.window().codeText = "0200C";
    ASSERT_TRUE(b.wb.codeBoxLeft().drawn);
    EXPECT_EQ(dumpDrawing(b.wb.drawing()), lower);

    // A trailing blank matches nothing: the previous drawing stays.
    b.wb.window().codeText = "0201 ";
    const RegenerationReport r = b.wb.codeBoxLeft();
    EXPECT_TRUE(r.keptPrevious);
    EXPECT_EQ(dumpDrawing(b.wb.drawing()), lower);
}

TEST(Regeneration, CutSurfaceOfTheBareRegularSlottedCaseAndItsWaste) {
    BareBench b;
    ASSERT_TRUE(b.wb.regenerate().drawn);
    const Model& m = b.wb.model();
    // Body, flaps less the slots, and the glue flap under its slanted end.
    const double slantDrop = 32 * std::tan(15 * kPi / 180);
    const double expected =
        1400 * 200 + 2 * 150 * (392 + 292 + 392 + 296) + 2 * (32 * (200 - slantDrop) / 2 + 400);
    EXPECT_NEAR(m.SurfDecoupee, expected, expected * 1e-3);
    const double rectangle = 1436.0 * 500.0;
    EXPECT_NEAR(m.PerteHorsTout, (rectangle - m.SurfDecoupee) / rectangle * 100, 1e-3);
    const WindowFigures f = windowFigures(m);
    EXPECT_EQ(f.cutSurface, platform::readableNumber(m.SurfDecoupee / 1e6, {}, 3));
    EXPECT_NE(f.waste, kNoWaste);
    // The totals do not count the contour.
    EXPECT_NEAR(m.LgRainant, 3544, 0.01);
}

// The length of a line or arc worked out here; nothing for what the totals leave out.
double ownLength(const Element& e) {
    if (const auto* l = std::get_if<LineShape>(&e.shape))
        return std::hypot(l->b.x - l->a.x, l->b.y - l->a.y);
    if (const auto* a = std::get_if<ArcShape>(&e.shape))
        return a->radius * a->sweepDeg * kPi / 180;
    return 0;
}

TEST(Regeneration, EachLineFigureTotalsTheElementsOfItsKind) {
    const std::pair<LineKind, float Model::*> kFigures[] = {
        {kind::Cut, &Model::LgCoupant},       {kind::PerforatedCrease, &Model::LgPerfoRainant},
        {kind::Perforation, &Model::LgPerfo}, {kind::HalfCut, &Model::LgMiChair},
        {kind::Crease, &Model::LgRainant},
    };
    // Each code with the kind it is picked for: a tear line, hand-holes, half-cut lines.
    const std::pair<const char*, LineKind> kCodes[] = {
        {"0201", kind::Crease},
        {"0771", kind::Perforation},
        {"0458", kind::Perforation},
        {"0969", kind::HalfCut},
    };
    for (const auto& [code, featured] : kCodes) {
        BareBench b;
        b.wb.window().codeText = code;
        const RegenerationReport r = b.wb.regenerate();
        ASSERT_TRUE(r.drawn) << code << ": " << r.message;
        const Model& m = b.wb.model();
        double all = 0;
        for (const auto& [lineKind, figure] : kFigures) {
            double total = 0;
            for (const Element& e : b.wb.drawing().elements())
                total += e.lineKind == lineKind ? ownLength(e) : 0;
            EXPECT_NEAR(m.*figure, total, 0.01) << code << " kind " << lineKindNumber(lineKind);
            EXPECT_TRUE(lineKind != featured || total > 0)
                << code << " draws no kind " << lineKindNumber(lineKind);
            all += total;
        }
        EXPECT_NEAR(m.LgTotal, all, 0.05) << code;
    }
}

TEST(Regeneration, NoCutSurfaceShowsNoWasteInBothLabels) {
    BareBench b(&creasesFor0300);
    b.wb.window().codeText = "0300";
    ASSERT_TRUE(b.wb.regenerate().drawn);
    EXPECT_EQ(b.wb.model().SurfDecoupee, 0);
    const WindowFigures f = windowFigures(b.wb.model());
    EXPECT_EQ(f.waste, "XXXXXX");
    EXPECT_EQ(f.sheetWaste, "XXXXXX");
}

TEST(Regeneration, DirectionArrowsFollowTheOptionButtons) {
    BareBench b;
    b.wb.fluteDirectionChosen(AlongAxis::Y);
    b.wb.passDirectionChosen(AlongAxis::X);
    auto arrows = symbols(b.wb.drawing());
    ASSERT_EQ(arrows.size(), 2u);
    EXPECT_EQ(arrows[0].number, 5);
    EXPECT_EQ(arrows[1].number, 11);
    // s = (1436 + 500) / 30 above the blank's top left corner.
    const double s = (1436.0 + 500.0) / 30;
    EXPECT_TRUE(test::near(arrows[0].position, {3.5 * s, 250 + 1.5 * s}, 1e-3));
    EXPECT_EQ(arrows[0].angleDeg, 90);
    b.wb.passDirectionChosen(AlongAxis::None);  // the flute arrow stays
    arrows = symbols(b.wb.drawing());
    ASSERT_EQ(arrows.size(), 1u);
    EXPECT_EQ(arrows[0].number, 5);
    EXPECT_TRUE(test::cutOutlineIsClosed(b.wb.drawing()));
}

// The pass along X lies along X, like the flute along X: the arrows lie along their axis.
TEST(Regeneration, DirectionArrowsLieAlongTheAxisTheyName) {
    BareBench b;
    const struct {
        AlongAxis flute;
        AlongAxis pass;
        int symbol;
        bool alongX;
    } cases[] = {{AlongAxis::X, AlongAxis::None, 5, true},
                 {AlongAxis::Y, AlongAxis::None, 5, false},
                 {AlongAxis::None, AlongAxis::X, 11, true},
                 {AlongAxis::None, AlongAxis::Y, 11, false}};
    for (const auto& c : cases) {
        b.wb.fluteDirectionChosen(c.flute);
        b.wb.passDirectionChosen(c.pass);
        const auto arrows = symbols(b.wb.drawing());
        ASSERT_EQ(arrows.size(), 1u) << c.symbol;
        EXPECT_EQ(arrows[0].number, c.symbol);
        Box box;
        for (const auto& s : arrows[0].placedStrokes()) {
            box.add(s.a);
            box.add(s.b);
        }
        EXPECT_EQ(box.width() > box.height(), c.alongX) << "symbol " << c.symbol;
    }
}

TEST(Regeneration, VerticalSymmetryMirrorsTheBlankAndItsArrows) {
    BareBench b;
    b.wb.fluteDirectionChosen(AlongAxis::X);
    b.wb.toggleMirror();
    const Box box = b.wb.drawing().extents();
    EXPECT_NEAR(box.xmax, 0, 1e-3);
    EXPECT_NEAR(box.xmin, -1436, 1e-3);
    EXPECT_FLOAT_EQ(b.wb.model().HorsToutX, 1436);
    const auto arrows = symbols(b.wb.drawing());
    ASSERT_EQ(arrows.size(), 1u);
    EXPECT_LT(arrows[0].position.x, 0);
    EXPECT_TRUE(test::cutOutlineIsClosed(b.wb.drawing()));
}

TEST(Regeneration, ExtraCreasesAreNormalisedAndDrawnInsideTheBlank) {
    BareBench b;
    b.wb.window().creaseList = "100+200";
    ASSERT_TRUE(b.wb.regenerate().drawn);
    EXPECT_EQ(b.wb.model().ListeFoulages, "100+400/");
    // One horizontal crease 100 above the blank's bottom edge, stopped at the cuts.
    EXPECT_FALSE(test::horizontalLinesAt(b.wb.drawing(), kind::Crease, -150).empty());
    EXPECT_FLOAT_EQ(b.wb.model().Longueur, 400);  // the dimensions come back
    EXPECT_FLOAT_EQ(b.wb.model().Largeur, 300);

    // Beyond 50 segments a part is not cut short without a word: the blank is drawn without
    // the extra creases, and the notice says why.
    std::string overlong;
    for (int i = 0; i < 60; ++i)
        overlong += "5+";
    b.wb.window().creaseList = "/" + overlong + "5";
    const auto report = b.wb.regenerate();
    ASSERT_TRUE(report.drawn);
    ASSERT_EQ(report.notices.size(), 1u);
    EXPECT_NE(report.notices[0].find("61 segments dans une partie, 50 au plus"), std::string::npos)
        << report.notices[0];
    EXPECT_TRUE(test::horizontalLinesAt(b.wb.drawing(), kind::Crease, -150).empty());
}

Generator creasesFor09(std::string_view code) {
    return code == "0901" || code == "0902" ? &onlyCreases : findGenerator(code);
}

TEST(Regeneration, FamilyAndCodeChoicesSetTheRefoulageLayout) {
    BareBench b(&creasesFor09);
    b.wb.familyChosen(7);
    const auto codes = b.wb.familyCodes(7);
    const auto at = [&](const char* code) {
        return static_cast<int>(std::find(codes.begin(), codes.end(), code) - codes.begin()) + 1;
    };
    b.wb.codeChosen(at("0990"));
    EXPECT_TRUE(b.wb.window().creaseListLayout);
    EXPECT_EQ(b.wb.window().codeText, "0990");
    b.wb.window().creaseList = "50+50";
    b.wb.codeChosen(at("0901"));
    EXPECT_FALSE(b.wb.window().creaseListLayout);
    EXPECT_TRUE(b.wb.window().creaseList.empty());
}

TEST(Regeneration, TheDimensioningFilterFollowsItsCheckMark) {
    BareBench b;
    b.wb.window().dimensioningHidden = true;
    b.wb.regenerate();
    EXPECT_EQ(b.wb.drawing().filter().expression(), "COTATION");
    b.wb.window().dimensioningHidden = false;
    b.wb.regenerate();
    EXPECT_TRUE(b.wb.drawing().filter().hidesNothing());
}

TEST(Regeneration, QlxProfileRulesApplyBeforeDrawing) {
    BareBench b;
    b.wb.model().Personnalisation = CustomerProfile::Qlx;
    b.wb.window().heightText = "800";
    ASSERT_TRUE(b.wb.regenerate().drawn);
    EXPECT_EQ(b.wb.model().lgPatte, 35);
    EXPECT_NEAR(b.wb.model().HorsToutX, 35 + 1400, 1e-3);
}

}  // namespace
}  // namespace brontaxe
