// The telescope styles: every code draws its bottom and its lid side by side, each under its
// piece flag, and the lid fits over the bottom in every shipped grade.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "board/allowance_lookup.h"
#include "drawing/drawing_dump.h"
#include "styles/03/fco300_sizes.h"
#include "styles/generators.h"
#include "support/outline.h"
#include "support/shipped_tables.h"
#include "support/style_fixture.h"
#include "support/style_run.h"
#include "workbench/catalogue.h"

namespace brontaxe {
namespace {

using test::cutOutlineIsClosedOrEndsOnFolds;
using test::hasDimension;

// The generator the catalogue dispatches a code to.
Generator generatorOf(std::string_view code) {
    const DispatchTarget target = dispatchCode(code, false, 0, 0);
    return target.kind == DispatchKind::Generator ? findGenerator(target.generatorCode) : nullptr;
}

struct Pieces {
    bool bottom = true;
    bool lid = true;
};

Drawing draw(std::string_view code, Model& m, Pieces shown = {}) {
    m.AfficheMorceau[1] = shown.lid ? 1 : 0;
    m.AfficheMorceau[3] = shown.bottom ? 1 : 0;
    Drawing d;
    generatorOf(code)(m, d);
    return d;
}

// The start-up model with the shipped allowances of the code in grade 1, and a gap between
// the pieces that no other size shares.
Model modelFor(std::string_view code, int grade = 1) {
    static const BoardTables tables = test::shippedTables();
    Model m = test::startupModel();
    lookUpAllowances(m, tables, std::string(code), grade);
    m.EspPoseX = 17;
    return m;
}

// A code of the family, drawn as a customer profile has it drawn (0311, 0312, 0330 and 0331
// in pieces of their own for VORANIS).
struct TelescopeCase {
    const char* code;
    const char* profile = "";
};

void PrintTo(const TelescopeCase& c, std::ostream* os) {
    *os << c.code << " " << c.profile;
}

class Telescope : public ::testing::TestWithParam<TelescopeCase> {
  protected:
    Model model() const {
        Model m = modelFor(GetParam().code);
        m.Personnalisation = GetParam().profile;
        return m;
    }
};

TEST_P(Telescope, BottomAndLidStandSideBySideTheGapApartEachUnderItsFlag) {
    const std::string code = GetParam().code;
    Model both = model();
    const Drawing all = draw(code, both);
    Model bm = model();
    const Drawing bottom = draw(code, bm, {true, false});
    Model lm = model();
    const Drawing lid = draw(code, lm, {false, true});
    Model nm = model();
    EXPECT_EQ(draw(code, nm, {false, false}).ElementCount(), 0);

    ASSERT_GT(bottom.ElementCount(), 0);
    ASSERT_GT(lid.ElementCount(), 0);
    EXPECT_EQ(bottom.ElementCount() + lid.ElementCount(), all.ElementCount());
    // The lid keeps its place when the bottom is hidden.
    EXPECT_NEAR(lid.extents().xmin - bottom.extents().xmax, 17, 1e-3);
    EXPECT_NEAR(all.extents().xmax, lid.extents().xmax, 1e-3);
    EXPECT_TRUE(cutOutlineIsClosedOrEndsOnFolds(bottom));
    EXPECT_TRUE(cutOutlineIsClosedOrEndsOnFolds(lid));
    if (*GetParam().profile != 0) {
        Model plain = modelFor(code);
        EXPECT_NE(dumpDrawing(all), dumpDrawing(draw(code, plain)));
    }
}

TEST_P(Telescope, TheLidIsPieceOneAndTheBottomPieceTwoIn3DMode) {
    const std::string code = GetParam().code;
    Model m = model();
    m.Mode3D = true;
    const Drawing d = draw(code, m);
    Model lm = model();
    const int lidCount = draw(code, lm, {false, true}).ElementCount();
    int pieceOne = 0;
    int pieceTwo = 0;
    for (const Element& e : d.elements()) {
        pieceOne += e.piece == 1;
        pieceTwo += e.piece == 2;
    }
    EXPECT_EQ(pieceOne, lidCount);
    EXPECT_EQ(pieceTwo, d.ElementCount() - lidCount);
}

INSTANTIATE_TEST_SUITE_P(
    Fco03, Telescope,
    ::testing::Values(TelescopeCase{"0300"}, TelescopeCase{"0304"}, TelescopeCase{"0306"},
                      TelescopeCase{"0308"}, TelescopeCase{"0309"}, TelescopeCase{"0310"},
                      TelescopeCase{"0311"}, TelescopeCase{"0314"}, TelescopeCase{"0320"},
                      TelescopeCase{"0321"}, TelescopeCase{"0322"}, TelescopeCase{"0323"},
                      TelescopeCase{"0330"}, TelescopeCase{"0350"}, TelescopeCase{"0351"},
                      TelescopeCase{"0311", "VORANIS"}, TelescopeCase{"0312", "VORANIS"},
                      TelescopeCase{"0330", "VORANIS"}, TelescopeCase{"0331", "VORANIS"}),
    [](const auto& info) { return std::string(info.param.code) + info.param.profile; });

TEST(TelescopeFit, TheLidClearsTheBottomInEveryShippedGradeAndSize) {
    const BoardTables tables = test::shippedTables();
    const struct {
        float l, w, h;
    } sizes[] = {{60, 40, 30}, {400, 300, 200}, {1600, 1200, 1000}, {200, 350, 150}};
    int checked = 0;
    for (const Family& family : catalogueFamilies()) {
        if (family.number != 2)
            continue;
        for (std::string_view code : family.codes) {
            for (int grade = 1; grade <= tables.grades().count(); ++grade) {
                for (const auto& s : sizes) {
                    Model m = test::startupModel();
                    lookUpAllowances(m, tables, std::string(code), grade);
                    m.Longueur = s.l;
                    m.Largeur = s.w;
                    m.Hauteur = s.h;
                    const DispatchTarget target = dispatchCode(code, false, 0, 0);
                    const auto fit = telescopeFit(target.generatorCode, m);
                    if (!fit)
                        continue;
                    ++checked;
                    EXPECT_TRUE(fit->fits())
                        << code << " grade " << grade << ": lid inside " << fit->outerInsideLength
                        << " x " << fit->outerInsideWidth << ", bottom outside "
                        << fit->innerOutsideLength << " x " << fit->innerOutsideWidth;
                }
            }
        }
    }
    EXPECT_GE(checked, 15 * 5 * 4);
}

TEST(TelescopeFit, ALidTooTightIsRefusedWithBothSizes) {
    Model m = modelFor("0300");
    m.Majo[6] = m.Majo[1];  // the lid no longer than the bottom
    const auto fit = telescopeFit("0300", m);
    ASSERT_TRUE(fit);
    EXPECT_FALSE(fit->fits());
    Drawing d;
    const test::StyleRun run = test::runStyle("0300", m, d);
    EXPECT_TRUE(test::refusedSaying(run, "Couvercle trop juste"));
    EXPECT_EQ(d.ElementCount(), 0);
}

TEST(TelescopeDomain, ADoubleWallTooLowForItsInnerWallIsRefused) {
    Model m = modelFor("0331");
    m.Hauteur = 3 * m.EpaisseurCarton;  // the inner wall would be H - 3e = 0 high
    Drawing d;
    const test::StyleRun run = test::runStyle("0331", m, d);
    EXPECT_TRUE(test::refusedSaying(run, "double paroi"));
}

TEST(Fco0300, WithoutLidAllowancesTheLidGrowsByTheBoardThickness) {
    Model m = test::startupModel();
    m.Majo.fill(0);
    m.EpaisseurCarton = 3;
    m.EspPoseX = 5;
    m.hrabat_auto = true;
    const Drawing d = draw("0300", m);
    // Bottom a = 200, b = 150, h = f = 200; lid a + e, b + 2e, h + e, f + e.
    const float a2 = 203, b2 = 156, h2 = 203, f2 = 203;
    const float x = (200 + 200) + h2 + a2 + 5;
    EXPECT_TRUE(hasDimension(d, {x - a2, b2 / 2}, {x + a2, b2 / 2}));
    EXPECT_TRUE(hasDimension(d, {x + a2, -b2 / 2}, {x + a2 + h2, -b2 / 2}));
    EXPECT_TRUE(hasDimension(d, {x - a2 / 2, -b2}, {x - a2 / 2, b2}));
    // The flap is not lower than the half length: its own dimension.
    EXPECT_TRUE(hasDimension(d, {x + a2 + h2 / 2, b2}, {x + a2 + h2 / 2, b2 + f2}));
    EXPECT_EQ(test::dimensions(d).size(), 8u);
    EXPECT_NEAR(d.extents().xmax, x + a2 + h2, 1e-3);
    EXPECT_NEAR(d.extents().ymax, b2 + f2, 1e-3);
}

TEST(Fco0300, TheLidAloneStaysAtItsPlaceBesideTheHiddenBottom) {
    Model m = test::startupModel();
    m.Majo.fill(0);
    m.AfficheMorceau[3] = 0;
    Drawing d;
    generatorOf("0300")(m, d);
    const float x = 400 + 203 + 203 + m.EspPoseX;
    EXPECT_TRUE(hasDimension(d, {x - 203, 78}, {x + 203, 78}));
    EXPECT_NEAR(d.extents().xmin, x - 406, 1e-3);
    EXPECT_EQ(test::dimensions(d).size(), 4u);
}

TEST(Fco0300, FlapsOfHrabatUnlessAutoAndTheFlapDimensionOnlyWhenNotLowerThanHalfTheLength) {
    Model m = test::startupModel();
    m.Majo.fill(0);
    m.hrabat_auto = false;
    m.hrabat = 60;
    m.AfficheMorceau[1] = 0;
    Drawing d;
    generatorOf("0300")(m, d);
    EXPECT_NEAR(d.extents().ymax, 150 + 200, 1e-3);  // end walls higher than the flaps
    EXPECT_EQ(test::dimensions(d).size(), 3u);

    Model tall = test::startupModel();
    tall.Majo.fill(0);
    tall.Longueur = 300;  // a = 150 < h = 200
    tall.AfficheMorceau[1] = 0;
    Drawing t;
    generatorOf("0300")(tall, t);
    EXPECT_EQ(test::dimensions(t).size(), 4u);
}

TEST(Fco0306, TheLidsCornerFlapsAreHrecouvrHigh) {
    Model m = modelFor("0306");
    m.hrecouvr = 40;
    m.AfficheMorceau[3] = 0;
    Drawing d;
    generatorOf("0306")(m, d);
    const float f2 = 40;
    const auto flapTops = test::linesOfKind(d, kind::Cut);
    const float b2 = (300 + m.Majo[7]) / 2;
    const bool found = std::any_of(flapTops.begin(), flapTops.end(), [&](const LineShape& l) {
        return areNear(l.a.y, b2 + f2) && areNear(l.b.y, b2 + f2);
    });
    EXPECT_TRUE(found);
}

TEST(Fco0310, TheSleeveStandsTwiceTheCapsHalfExtentAndTheGapFromTheLeftEdge) {
    Model m = modelFor("0310");
    m.hrabat = 70;
    const Tray cap = capOverSleeve(m);
    const Drawing d = draw("0310", m);
    EXPECT_NEAR(d.extents().xmin, 0, 1e-3);
    // The sleeve's first fold is its glue flap's crease.
    const float x = 2 * (70 + cap.a) + 17;
    EXPECT_FALSE(test::verticalLinesAt(d, kind::Crease, x + m.lgPatte).empty());
    EXPECT_NEAR(d.extents().xmax, x + m.lgPatte + 2 * (400 + m.Majo[3]) + 2 * (300 + m.Majo[4]),
                1e-3);
}

TEST(Fco0309, EachTrayIsFourQuartersOfSevenLinesAndThreeDimensions) {
    Model m = modelFor("0309");
    const Drawing d = draw("0309", m);
    EXPECT_EQ(d.ElementCount(), 2 * (4 * 7 + 3));
    // The webbed corner folds along its diagonal.
    const Tray t = bottomTray(m);
    bool diagonal = false;
    for (const LineShape& l : test::linesOfKind(d, kind::Crease))
        diagonal = diagonal ||
                   (areNear(l.a, Point{t.a, t.b}) && areNear(l.b, Point{t.a + t.h, t.b + t.h}));
    EXPECT_TRUE(diagonal);
}

TEST(Fco0350, TheTrayHasEightWallsOverItsBaseAndTheBandEightPanels) {
    Model m = modelFor("0350");
    Model bm = modelFor("0350");
    const Drawing tray = draw("0350", bm, {true, false});
    EXPECT_EQ(test::linesOfKind(tray, kind::Crease).size(), 8u);
    EXPECT_EQ(test::linesOfKind(tray, kind::Cut).size(), 24u);
    Model lm = modelFor("0350");
    const Drawing band = draw("0350", lm, {false, true});
    EXPECT_EQ(test::linesOfKind(band, kind::Crease).size(), 8u);  // glue flap and 7 folds
    // The band goes once round the octagon: 2 long, 2 short and 4 bevelled sides.
    const Octagon o = bandOctagon(lm);
    const double round = 2 * (o.length - 2 * o.c) + 2 * (o.width - 2 * o.c) + 4 * o.bevel();
    EXPECT_NEAR(band.extents().width(), m.lgPatte + round, 1e-2);
}

}  // namespace
}  // namespace brontaxe

namespace brontaxe {
namespace {

TEST(Fco0301, TheLidsGluedFlapsReachHPlusAllowance9OrTheBottomsFlapAndAThickness) {
    // Walls wide enough that the flaps are not cut back to half the wall.
    Model m = modelFor("0301");
    m.Largeur = 600;
    m.Majo[9] = 0;
    const Tray bottom = bottomTray(m);
    const Tray lid = lidOver(m, bottom);
    const Drawing d = draw("0301", m, {false, true});
    // The flap's glued edge stands its reach beyond the end wall's crease, cut back to
    // b + overlap / 2 when wider than half the wall.
    const float reach = std::min(bottom.f + m.EpaisseurCarton, lid.b);
    const float centre = d.extents().xmin + (d.extents().width() / 2);
    EXPECT_FALSE(test::verticalLinesAt(d, kind::Cut, centre + lid.a + reach).empty());
    Model with = modelFor("0301");
    with.Largeur = 600;
    with.Majo[9] = 40;
    const Drawing w = draw("0301", with, {false, true});
    const float c2 = w.extents().xmin + (w.extents().width() / 2);
    EXPECT_FALSE(test::verticalLinesAt(w, kind::Cut, c2 + lid.a + std::min(240.0f, lid.b)).empty());
}

TEST(Fco0302, TheHandHolesHangDPoignBelowTheEndWallsTopEdge) {
    Model m = modelFor("0302");
    const Tray t = bottomTray(m);
    const Drawing d = draw("0302", m, {true, false});
    int arcs = 0;
    for (const Element& e : d.elements()) {
        if (const auto* a = std::get_if<ArcShape>(&e.shape)) {
            ++arcs;
            EXPECT_NEAR(std::abs(a->centre.x), t.a + t.h - m.DPoign - m.HPoign / 2, 1e-3);
        }
    }
    EXPECT_EQ(arcs, 4);  // two round ends in each end wall
}

TEST(Fco0330Voranis, EachInnerWallHasItsTenonsOverAsManyMortises) {
    Model m = modelFor("0330");
    m.Personnalisation = "VORANIS";
    m.nbmortaise = 3;
    const Drawing d = draw("0330", m, {true, false});
    const MarkedPair p = markedPair(m);
    const float mortiseFoot = p.bottom.b - m.EpaisseurCarton - m.hmortaise;
    EXPECT_EQ(test::horizontalLinesAt(d, kind::Cut, mortiseFoot).size(), 3u);
    EXPECT_EQ(test::horizontalLinesAt(d, kind::Cut, -mortiseFoot).size(), 3u);
    // The tenons stand htenon above the inner wall's edge.
    const float band = m.Dblmur;
    const float top = p.bottom.b + p.bottom.h + band + (p.bottom.h - band) + m.htenon;
    EXPECT_EQ(test::horizontalLinesAt(d, kind::Cut, top).size(), 3u);
}

}  // namespace
}  // namespace brontaxe
