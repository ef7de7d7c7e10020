// The slotted styles under the design-rule check: the faults found on the 02 family at real
// and extreme sizes, each pinned by the size or setting that showed it. B flute (grade 1),
// 400 x 300 x 200 unless a case says otherwise.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "board/allowance_lookup.h"
#include "support/outline.h"
#include "support/shipped_tables.h"
#include "support/style_fixture.h"
#include "support/style_run.h"

namespace brontaxe {
namespace {

struct Sized {
    test::Generated g;
    test::StyleRun run;
};

// The style drawn through its domain and checked, after `setUp` changed the model.
template <typename SetUp>
Sized draw(const std::string& code, float l, float w, float h, SetUp setUp) {
    static const BoardTables tables = test::shippedTables();
    Sized s;
    lookUpAllowances(s.g.m, tables, code, 1);
    s.g.m.Longueur = l;
    s.g.m.Largeur = w;
    s.g.m.Hauteur = h;
    setUp(s.g.m);
    s.run = test::runStyle(code, s.g.m, s.g.d);
    return s;
}

Sized draw(const std::string& code, float l = 400, float w = 300, float h = 200) {
    return draw(code, l, w, h, [](Model&) {});
}

using test::refusedSaying;

TEST(Fco02Check, HalfLengthFlapsOf0205StayWithinTheBox) {
    EXPECT_TRUE(test::drawnClean(draw("0205").run));
    EXPECT_TRUE(test::drawnClean(draw("0205", 600, 300, 200).run));
    EXPECT_TRUE(refusedSaying(draw("0205", 1200, 150, 200).run, "double de la largeur"));
    EXPECT_TRUE(refusedSaying(draw("0205", 300, 400, 200).run, "Largeur supérieure"));
}

TEST(Fco02Check, HalfWidthFlapsAreRefusedWhenWiderThanLong) {
    for (const char* code : {"0200", "0200C", "0201", "0207", "0209", "0212", "0214", "0216",
                             "0218", "0229", "0230", "0231"}) {
        SCOPED_TRACE(code);
        const test::StyleRun run = draw(code, 100, 600, 200).run;
        EXPECT_TRUE(
            refusedSaying(run, "Largeur supérieure à la longueur : 600\u00a0mm pour 100\u00a0mm"));
        EXPECT_TRUE(test::drawnClean(draw(code, 300, 300, 200).run));
    }
    EXPECT_TRUE(refusedSaying(draw("0202", 300, 300, 200).run, "recouvrement"));
}

// Panel widths across the blank: the x of every vertical crease of the body, with the blank's
// two ends.
std::vector<double> panelEdges(const Drawing& d) {
    std::set<double> xs{d.extents().xmin, d.extents().xmax};
    for (const LineShape& l : test::linesOfKind(d, kind::Crease))
        if (areNear(l.a.x, l.b.x, 0.001) && std::min(l.a.y, l.b.y) > -0.01)
            xs.insert(std::round(l.a.x * 100) / 100);
    return {xs.begin(), xs.end()};
}

TEST(Fco02Check, TheSplitWallOfTheWrapRoundStylesIsAsLongAsTheWallItFaces) {
    for (const char* code : {"0230", "0231", "0234", "0235"})
        for (const bool onWidth : {false, true}) {
            SCOPED_TRACE(std::string(code) + (onWidth ? " glue flap on width" : ""));
            const Sized s = draw(code, 400, 300, 200, [&](Model& m) { m.pattesurtete = onWidth; });
            ASSERT_TRUE(test::drawnClean(s.run));
            const std::vector<double> x = panelEdges(s.g.d);
            ASSERT_EQ(x.size(), 6u);
            const double front = x[1] - x[0];
            const double facing = x[3] - x[2];
            const double overlapPanel = x[5] - x[4];
            EXPECT_NEAR(front + overlapPanel - s.g.m.hrecouvr, facing, 0.01);
        }
}

TEST(Fco02Check, TheGlueFlapTaperShortensOnALowBody) {
    for (const char* code : {"0201", "0210", "0215", "0216", "0217", "0226"})
        for (const float h : {11.0f, 8.0f, 4.0f}) {
            SCOPED_TRACE(std::string(code) + " H " + std::to_string(h));
            EXPECT_TRUE(test::refusedOrDrawnClean(draw(code, 400, 300, h).run));
            EXPECT_FALSE(draw(code, 400, 300, h).run.refusal);
        }
}

TEST(Fco02Check, SlotsOfNoWidthAreSingleKnives) {
    for (const char* code : {"0200", "0201", "0202", "0203", "0204", "0206", "0209", "0214"}) {
        SCOPED_TRACE(code);
        const Sized s = draw(code, 400, 300, 200, [](Model& m) { m.encoche = 0; });
        EXPECT_TRUE(test::drawnClean(s.run));
        EXPECT_TRUE(test::noLineDrawnTwice(s.g.d));
    }
    // Shaped and locking flaps are cut each on its own: they need a real slot.
    for (const char* code :
         {"0207", "0208", "0217", "0218", "0226", "0227", "0229", "0230", "0231", "0234", "0235"}) {
        SCOPED_TRACE(code);
        const Sized s = draw(code, 400, 300, 200, [](Model& m) { m.encoche = 0; });
        EXPECT_TRUE(refusedSaying(s.run, "Encoche nulle impossible pour ce modèle"));
        EXPECT_TRUE(
            test::drawnClean(draw(code, 400, 300, 200, [](Model& m) { m.encoche = 1; }).run));
    }
    EXPECT_TRUE(refusedSaying(draw("0201", 400, 300, 200, [](Model& m) { m.encoche = 0.5f; }).run,
                              "Encoche trop étroite"));
}

TEST(Fco02Check, SlotsWiderThanAPanelAreRefused) {
    const test::StyleRun run = draw("0201", 20, 15, 10, [](Model& m) { m.encoche = 30; }).run;
    EXPECT_TRUE(refusedSaying(run, "Encoche trop large"));
    EXPECT_TRUE(refusedSaying(draw("0201", 400, 300, 200, [](Model& m) { m.encoche = -4; }).run,
                              "Encoche impossible"));
}

std::size_t horizontalCount(const Drawing& d, double y) {
    return test::horizontalLinesAt(d, kind::Cut, y).size();
}

TEST(Fco02Check, AGlueFlapNarrowerThanItsHalfSlotIsRefused) {
    for (const char* code : {"0201", "0210", "0217"}) {
        SCOPED_TRACE(code);
        EXPECT_TRUE(refusedSaying(draw(code, 400, 300, 200, [](Model& m) { m.lgPatte = 3; }).run,
                                  "Patte de collage trop étroite : 3\u00a0mm"));
        EXPECT_TRUE(
            test::drawnClean(draw(code, 400, 300, 200, [](Model& m) { m.lgPatte = 0; }).run));
    }
    // The wrap-round styles put a panel in its place.
    EXPECT_TRUE(test::drawnClean(draw("0230", 400, 300, 200, [](Model& m) { m.lgPatte = 3; }).run));
}

TEST(Fco02Check, HandHolesWithAFoldingEdgeOrTabHingeOnTheirCrease) {
    for (const char* code : {"0200", "0201", "0210", "0215", "0217", "0226"})
        for (const std::int16_t type : {1, 2, 3}) {
            SCOPED_TRACE(std::string(code) + " hand-hole type " + std::to_string(type));
            EXPECT_TRUE(test::drawnClean(
                draw(code, 400, 300, 200, [&](Model& m) { m.OptionPoign = type; }).run));
        }
}

TEST(Fco02Check, TuckInFlapsAndCarryHandlesKeepTheirLeastSizes) {
    for (const char* code : {"0208", "0210", "0211", "0212", "0215"}) {
        SCOPED_TRACE(code);
        EXPECT_TRUE(refusedSaying(draw(code, 400, 300, 200, [](Model& m) { m.hpatrent = 0; }).run,
                                  "Rabat rentrant trop court"));
        // The lids' tuck-in flaps round their corners with `rarrondi` (10 mm).
        const float least = std::string(code) == "0208" ? 1.0f : 10.5f;
        EXPECT_TRUE(
            test::drawnClean(draw(code, 400, 300, 200, [&](Model& m) { m.hpatrent = least; }).run));
    }
    EXPECT_TRUE(refusedSaying(draw("0210", 400, 300, 200, [](Model& m) { m.hpatrent = 10; }).run,
                              "dépasser le rayon de ses coins arrondis (10\u00a0mm)"));
    for (const char* code : {"0217", "0218"}) {
        SCOPED_TRACE(code);
        EXPECT_TRUE(refusedSaying(draw(code, 400, 300, 200, [](Model& m) { m.DPoign = 0; }).run,
                                  "Poignée trop près du bord"));
        EXPECT_TRUE(
            test::drawnClean(draw(code, 400, 300, 200, [](Model& m) { m.DPoign = 3; }).run));
    }
}

TEST(Fco02Check, TheHandHolesOf0200AreDPoignBelowTheOpenEdge) {
    const Sized s = draw("0200", 400, 300, 200, [](Model& m) { m.OptionPoign = 1; });
    ASSERT_TRUE(test::drawnClean(s.run));
    const double nearEdge = -s.g.m.DPoign;
    const double farEdge = -s.g.m.DPoign - s.g.m.HPoign;
    // Two holes, each with a straight cut along both its long edges.
    EXPECT_EQ(horizontalCount(s.g.d, nearEdge), 2u);
    EXPECT_EQ(horizontalCount(s.g.d, farEdge), 2u);
}

}  // namespace
}  // namespace brontaxe
