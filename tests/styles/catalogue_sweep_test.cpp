// Every drawn code of the catalogue, in every shipped grade, over a grid of sizes from tiny to
// huge: each run is refused with a French sentence, or drawn with no défaut of the design-rule
// check and no slot cut past its hinge; at the everyday size, with or without the glue flap on
// the width panel, each is drawn. This is the bar every family passes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>

#include "board/allowance_lookup.h"
#include "drawing/contour.h"
#include "styles/generators.h"
#include "support/outline.h"
#include "support/shipped_tables.h"
#include "support/style_fixture.h"
#include "support/style_run.h"
#include "workbench/catalogue.h"

namespace brontaxe {
namespace {

struct Size {
    const char* name;
    float l, w, h;
};

constexpr Size kSizes[] = {
    {"tiny", 20, 15, 10},       {"small", 60, 40, 30},    {"typical", 400, 300, 200},
    {"flat", 400, 300, 8},      {"long", 1200, 150, 100}, {"wide", 100, 600, 200},
    {"tall", 300, 120, 400},    {"cube", 250, 250, 250},  {"twice as long", 600, 300, 200},
    {"huge", 2400, 1800, 1500},
};

bool allFinite(const Drawing& d) {
    const Box box = d.extents();
    return std::isfinite(box.xmin) && std::isfinite(box.xmax) && std::isfinite(box.ymin) &&
           std::isfinite(box.ymax);
}

// The numbers of a refusal as the user reads them everywhere else: a decimal comma, at most
// two decimals and no trailing zero, the unit kept on the number's line by a non-breaking
// space. Empty when they are, else the first one that is not.
std::string misformattedNumber(const std::string& message) {
    static const std::regex faults[] = {
        std::regex("[0-9]\\.[0-9]"),                // a decimal point
        std::regex(",[0-9]{3}"),                    // more than two decimals
        std::regex(",[0-9]*0([^0-9]|$)"),           // a trailing zero
        std::regex("[0-9] (mm|m|%)([^a-zA-Z]|$)"),  // a breaking space before the unit
        std::regex("[0-9](mm|m|%)([^a-zA-Z]|$)"),   // no space at all
    };
    std::smatch match;
    for (const std::regex& fault : faults)
        if (std::regex_search(message, match, fault))
            return match.str();
    return {};
}

// With `typicalDrawn`, the everyday size is inside every style's domain in every grade.
void sweep(void (*option)(Model&), bool typicalDrawn) {
    const BoardTables tables = test::shippedTables();
    ASSERT_GT(tables.grades().count(), 0);
    int drawn = 0;
    int refused = 0;
    for (const std::string& code : test::drawnCatalogueCodes())
        for (int grade = 1; grade <= tables.grades().count(); ++grade)
            for (const Size& size : kSizes) {
                SCOPED_TRACE(code + " grade " + std::to_string(grade) + ", " + size.name + " " +
                             std::to_string(size.l) + " x " + std::to_string(size.w) + " x " +
                             std::to_string(size.h));
                test::Generated g;
                lookUpAllowances(g.m, tables, code, grade);
                g.m.Longueur = size.l;
                g.m.Largeur = size.w;
                g.m.Hauteur = size.h;
                option(g.m);
                test::StyleRun run;
                ASSERT_NO_THROW(run = test::runStyle(code, g.m, g.d));
                EXPECT_TRUE(test::refusedOrDrawnClean(run));
                if (typicalDrawn && std::string_view(size.name) == "typical") {
                    EXPECT_FALSE(run.refusal) << *run.refusal;
                }
                if (run.refusal) {
                    ++refused;
                    EXPECT_EQ(misformattedNumber(*run.refusal), "") << *run.refusal;
                    continue;
                }
                ++drawn;
                for (const Finding& f : run.findings)
                    EXPECT_EQ(misformattedNumber(f.message), "") << f.message;
                // Over-cuts and locks are warnings for the designer, but no drawn code's own
                // slots run past their hinge and its own tabs hold.
                for (const FindingKind kind : test::kindsOf(run.findings)) {
                    EXPECT_NE(kind, FindingKind::OverCut) << findingsText(run.findings);
                    EXPECT_NE(kind, FindingKind::LockTabTooShort) << findingsText(run.findings);
                    EXPECT_NE(kind, FindingKind::LockTabTooWide) << findingsText(run.findings);
                }
                EXPECT_FALSE(g.d.isEditing());
                EXPECT_LE(g.d.tracer().count(), Tracer::kCapacity);
                EXPECT_EQ(g.d.tracer().count(), g.d.ElementCount());
                EXPECT_TRUE(allFinite(g.d));
                const double area = outerContour(test::cutLinework(g.d)).area;
                EXPECT_GT(area, 0);
                // A pad or a strip fills its overall size; nothing exceeds it.
                EXPECT_LE(area, g.d.BlankSizeX() * g.d.BlankSizeY() * (1 + 1e-9));
            }
    // The grid reaches outside some domains, and most of it is drawn.
    EXPECT_GT(drawn, 3 * refused);
    EXPECT_GT(refused, 0);
}

TEST(CatalogueSweep, TheNumberRuleCatchesEveryOtherForm) {
    const std::string nb = "\u00a0";
    const std::string bads[] = {
        "199.5 mm", "133,3333" + nb + "mm", "380,50" + nb + "mm", "380,5 mm", "12mm", "40,19 %"};
    for (const std::string& bad : bads)
        EXPECT_NE(misformattedNumber("Largeur : " + bad + " pour 400" + nb + "mm"), "") << bad;
    EXPECT_EQ(misformattedNumber("Encoche : 380,5" + nb + "mm ; 0202 en 2 x 1, 400" + nb + "mm"),
              "");
}

TEST(CatalogueSweep, EveryDrawnCodeInEveryGradeAtEverySizeIsRefusedOrDrawnClean) {
    sweep([](Model&) {}, true);
}

TEST(CatalogueSweep, WithTheGlueFlapOnTheWidthPanelToo) {
    sweep([](Model& m) { m.pattesurtete = true; }, true);
}

// A customer profile that draws some styles otherwise (0311, 0312, 0330, 0331 in pieces of their
// own).
TEST(CatalogueSweep, WithTheVoranisProfile) {
    sweep([](Model& m) { m.Personnalisation = CustomerProfile::Voranis; }, true);
}

// Hand-holes asked for on every style, of the type with a folding tab: a style whose walls
// cannot hold them refuses them.
TEST(CatalogueSweep, WithHandHolesAskedFor) {
    sweep([](Model& m) { m.OptionPoign = 3; }, false);
}

// The styles that draw hand-holes, with them switched on, at the everyday size: each hole keeps
// its land from the creases and the outline in every grade.
TEST(CatalogueSweep, HandHolesKeepTheirLandAtTheTypicalSize) {
    const BoardTables tables = test::shippedTables();
    const char* const codes[] = {"0200", "0302", "0442", "0447", "0456", "0458", "0759"};
    for (const char* code : codes)
        for (int grade = 1; grade <= tables.grades().count(); ++grade) {
            SCOPED_TRACE(std::string(code) + " grade " + std::to_string(grade));
            test::Generated g;
            lookUpAllowances(g.m, tables, code, grade);
            g.m.Longueur = 400;
            g.m.Largeur = 300;
            g.m.Hauteur = 200;
            g.m.OptionPoign = 1;
            test::StyleRun run;
            ASSERT_NO_THROW(run = test::runStyle(code, g.m, g.d));
            ASSERT_FALSE(run.refusal) << *run.refusal;
            for (const FindingKind kind : test::kindsOf(run.findings))
                EXPECT_NE(kind, FindingKind::HoleTooClose) << findingsText(run.findings);
        }
}

}  // namespace
}  // namespace brontaxe
