#include "workbench/design_bridges.h"

#include <gtest/gtest.h>

#include "styles/02/fco200.h"
#include "support/style_fixture.h"
#include "support/style_run.h"
#include "techsheet/questionnaire.h"

namespace brontaxe {
namespace {

// Bridges add no finding to any drawn style: none leaves too short a knife, and every closed
// cut-out gets one.
TEST(DesignBridges, EveryCatalogueCodePassesTheCheckWithItsBridges) {
    int bridged = 0;
    for (const std::string& code : test::drawnCatalogueCodes()) {
        SCOPED_TRACE(code);
        test::Generated g;
        const test::StyleRun plain = test::runStyle(code, g.m, g.d);
        if (plain.refusal)
            continue;
        g.m.ponts = true;
        placeDesignBridges(g.m, g.d);
        bridged += hasBridges(g.d) ? 1 : 0;
        EXPECT_EQ(test::kindsOf(checkBlank(g.d, code, g.m)), test::kindsOf(plain.findings));
    }
    EXPECT_GT(bridged, 50);

    // Slots of no width are slits between two flaps: a bridge there would tie them together.
    test::Generated g;
    g.m.encoche = 0;
    g.m.ponts = true;
    Fco0201(g.m, g.d);
    placeDesignBridges(g.m, g.d);
    int slits = 0;
    for (const Element& e : g.d.elements()) {
        slits += e.bridgeless ? 1 : 0;
        EXPECT_TRUE(!e.bridgeless || e.bridges.empty());
    }
    EXPECT_EQ(slits, 2 * 3);
}

// The default 0201, worked out from its outline: one cut rule closing on itself round 17 + 17
// corners (the glue flap's straight joint and the two body halves' joints are no bends), twelve
// crease rules (four full-height panel creases, eight flap creases parted by the slots); 28
// bridges, one per full 150 mm of each stretch between crease ends.
TEST(DesignBridges, RuleReportOfA0201AndOfItsImposition) {
    test::Generated g;
    Fco0201(g.m, g.d);
    g.m.ponts = true;
    placeDesignBridges(g.m, g.d);
    // Half the outline: its straight edges, the glue flap's slanted edge and its end.
    const double half = 2704 + 100 - 32 * std::tan(toRadians(15)) + 32 / std::cos(toRadians(15));
    RuleReport r = ruleReport(g.d, g.d.elements().size());
    EXPECT_NEAR(r.kinds[0].length, 2 * half, 0.01);
    EXPECT_NEAR(r.of(kind::Crease).length, 800 + 2 * (392 + 292 + 392 + 296), 0.01);
    r.kinds[0].length = r.kinds[4].length = 0;
    EXPECT_EQ(r.of(kind::Cut), (KindRules{kind::Cut, 0, 1, 34, 0, 28, 14}));
    EXPECT_EQ(r.of(kind::Crease), (KindRules{kind::Crease, 0, 12, 0, 0, 0, 0}));
    EXPECT_EQ(r.cutOuts, 0);

    g.d.setTechnicalSheet("FT", {{"Forme", "#FC# + #FR# filets, #PL# plis, #PT# ponts"}});
    Questionnaire q;
    ASSERT_EQ(q.open(g.d, SheetBox{}), std::nullopt);
    EXPECT_EQ(q.value(1), "1 + 12 filets, 34 plis, 28 ponts");

    // Three poses apart: the sheet counts each three times, a pose as the blank alone.
    g.d.addPoses({2, {1500, 0}, PoseFlip::AsDrawn});
    const ImposedRuleReport imposed = imposedRuleReport(g.d, 3);
    EXPECT_EQ(imposed.pose.of(kind::Cut).bridges, 28);
    EXPECT_EQ(imposed.sheet.of(kind::Cut).rules, 3);
    EXPECT_EQ(imposed.sheet.of(kind::Cut).bends, 3 * 34);
    EXPECT_EQ(imposed.sheet.of(kind::Crease).rules, 36);
    EXPECT_EQ(imposed.sheet.of(kind::Cut).bridges, 84);
    const std::string text = ruleReportText(imposed);
    EXPECT_NE(text.find("Par pose :\n    Coupant : "), std::string::npos) << text;
    EXPECT_NE(text.find("Feuille (3 poses) :\n    Coupant : 16,97\u00a0m, 3 filet(s), 102 pli(s), "
                        "0 arc(s), 84 pont(s)"),
              std::string::npos)
        << text;
}

}  // namespace
}  // namespace brontaxe
