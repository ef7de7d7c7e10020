// The telescope styles: every code draws its bottom and its lid side by side, each under its
// piece flag, and the lid fits over the bottom in every shipped grade.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "board/allowance_lookup.h"
#include "drawing/contour.h"
#include "drawing/drawing_dump.h"
#include "fold/erected_pieces.h"
#include "styles/03/fco300_sizes.h"
#include "styles/generators.h"
#include "styles/lid_play.h"
#include "styles/style_records.h"
#include "support/fold_run.h"
#include "support/outline.h"
#include "support/shipped_tables.h"
#include "support/style_case.h"
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
        m.Personnalisation = ProfileChoice::parse(GetParam().profile);
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
                      TelescopeCase{"0308"}, TelescopeCase{"0309"}, TelescopeCase{"0320"},
                      TelescopeCase{"0321"}, TelescopeCase{"0322"}, TelescopeCase{"0323"},
                      TelescopeCase{"0330"}, TelescopeCase{"0350"}, TelescopeCase{"0351"},
                      TelescopeCase{"0312", "VORANIS"}, TelescopeCase{"0330", "VORANIS"},
                      TelescopeCase{"0331", "VORANIS"}),
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

TEST(TelescopeDomain, SizesTheTraysCannotFoldToAreRefused) {
    struct Case {
        const char* code;
        void (*size)(Model&);
        const char* words;
    };
    const Case cases[] = {
        // The inner wall would be H - 3e = 0 high.
        {"0331", [](Model& m) { m.Hauteur = 3 * m.EpaisseurCarton; }, "double paroi"},
        // The webs, laid against the 300 mm wall, would stand 50 mm past the corner.
        {"0309",
         [](Model& m) {
             m.Longueur = 400;
             m.Largeur = 300;
             m.Hauteur = 350;
         },
         "coins en soufflet dépasseraient"},
    };
    for (const Case& c : cases) {
        Model m = modelFor(c.code);
        c.size(m);
        Drawing d;
        EXPECT_TRUE(test::refusedSaying(test::runStyle(c.code, m, d), c.words)) << c.code;
    }
    Model fits = modelFor("0309");
    fits.Longueur = 400;
    fits.Largeur = 300;
    fits.Hauteur = 300;
    Drawing d;
    EXPECT_TRUE(test::drawnClean(test::runStyle("0309", fits, d)));
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

// 0308's bottom has its corner flaps glued outside its long walls, a board each side: its lid
// is two boards wider than 0300's to go over them, its bottom 0300's.
TEST(Fco0308, TheLidWidensOverTheFlapsGluedOutsideTheBottom) {
    const auto sizes = [](std::string_view code) {
        Model m = test::startupModel();
        m.Majo.fill(0);
        m.EpaisseurCarton = 3;
        m.hrabat_auto = true;
        Model lm = m;
        const Box bottom = draw(code, m, {true, false}).extents();
        const Box lid = draw(code, lm, {false, true}).extents();
        return std::pair(bottom.ymax - bottom.ymin, lid.ymax - lid.ymin);
    };
    const auto [bottom0300, lid0300] = sizes("0300");
    const auto [bottom0308, lid0308] = sizes("0308");
    EXPECT_NEAR(bottom0308, bottom0300, 1e-3);
    EXPECT_NEAR(lid0308 - lid0300, 2 * 3, 1e-3);
}

// Every lid and cap, folded, goes over the piece it covers with the lid's play each way, in
// two grades at a size the catalogue-wide fold test does not take. The caps over a sleeve
// (0310, 0311, 0314) were two boards too wide, those over a body (0312, 0313) a board too long
// and a board too narrow, 0331's lid a board too short and a board too wide.
TEST(TelescopePlay, EachLidGoesOverWhatItCoversWithTheLidsPlay) {
    const char* codes[] = {"0300", "0304", "0308", "0310", "0311", "0312",
                           "0313", "0314", "0320", "0330", "0331"};
    for (const char* code : codes)
        for (int grade : {2, 4}) {
            SCOPED_TRACE(std::string(code) + " grade " + std::to_string(grade));
            const test::Folded f = test::drawAndFold(code, 600, 250, 150, grade);
            ASSERT_TRUE(f.refusal.empty()) << f.refusal;
            const auto pieces = fold::erectedPieces(f.fold, stanceOf(code), {600, 250});
            ASSERT_GE(pieces.size(), 2u);
            // The covered piece is the one the others go over: the shortest outside.
            const auto covered =
                std::min_element(pieces.begin(), pieces.end(),
                                 [](const auto& x, const auto& y) { return x.length < y.length; });
            const double play = lidPlay(f.m.EpaisseurCarton);
            for (auto p = pieces.begin(); p != pieces.end(); ++p) {
                if (p == covered)
                    continue;
                EXPECT_NEAR(p->insideLength - covered->length, play, 0.5);
                EXPECT_NEAR(p->insideWidth - covered->width, play, 0.5);
            }
        }
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

// The three-part boxes: a body (flag 2) between two caps, one over each end, drawn as they go
// together: the bottom cap (flag 3), the body, the top cap (flag 1), the gap apart. The caps
// are the same blank, so that one box's surface is its body's and twice its cap's.
struct ThreePartCase {
    const char* code;
    const char* profile;
};

void PrintTo(const ThreePartCase& c, std::ostream* os) {
    *os << c.code << " " << c.profile;
}

class ThreeParts : public ::testing::TestWithParam<ThreePartCase> {};

Model threePartModel(const ThreePartCase& c) {
    Model m = modelFor(c.code);
    m.Personnalisation = ProfileChoice::parse(c.profile);
    return m;
}

Drawing drawOnly(const ThreePartCase& c, std::size_t flag, bool mode3D = false) {
    Model m = threePartModel(c);
    m.AfficheMorceau.fill(0);
    m.AfficheMorceau[flag] = 1;
    m.Mode3D = mode3D;
    Drawing d;
    generatorOf(c.code)(m, d);
    return d;
}

double cutArea(const Drawing& d) {
    return outerContour(test::cutLinework(d)).area;
}

TEST_P(ThreeParts, TakeTwoCapsAndOneBodyABox) {
    const ThreePartCase& c = GetParam();
    Model m = threePartModel(c);
    Drawing all;
    EXPECT_TRUE(test::drawnClean(test::runStyle(c.code, m, all)));
    const Drawing bottom = drawOnly(c, 3);
    const Drawing body = drawOnly(c, 2);
    const Drawing top = drawOnly(c, 1);
    ASSERT_GT(body.ElementCount(), 0);
    ASSERT_GT(top.ElementCount(), 0);
    EXPECT_NEAR(body.extents().xmin - bottom.extents().xmax, 17, 1e-3);
    EXPECT_NEAR(top.extents().xmin - body.extents().xmax, 17, 1e-3);
    EXPECT_NEAR(top.extents().width(), bottom.extents().width(), 1e-3);
    EXPECT_NEAR(top.KindLength(kind::Cut, -1, -1), bottom.KindLength(kind::Cut, -1, -1), 1e-3);
    EXPECT_NEAR(cutArea(all), cutArea(body) + 2 * cutArea(bottom), 1e-3 * cutArea(all));
    EXPECT_NEAR(all.extents().xmax, top.extents().xmax, 1e-3);
    // The outside 3D programs tell the pieces apart: top cap 1, body 2, bottom cap 3.
    for (const auto& [flag, piece] : {std::pair{1, 1}, std::pair{2, 2}, std::pair{3, 3}}) {
        const Drawing d = drawOnly(c, static_cast<std::size_t>(flag), true);
        for (const Element& e : d.elements())
            EXPECT_EQ(e.piece, piece) << "flag " << flag;
    }
}

INSTANTIATE_TEST_SUITE_P(Fco03, ThreeParts,
                         ::testing::Values(ThreePartCase{"0310", ""}, ThreePartCase{"0311", ""},
                                           ThreePartCase{"0311", "VORANIS"},
                                           ThreePartCase{"0313", ""}, ThreePartCase{"0314", ""},
                                           ThreePartCase{"0325", ""}),
                         [](const auto& info) {
                             return std::string(info.param.code) + info.param.profile;
                         });

// 0314's caps lock without staples: each side wall rolls over the wings of the end walls, its
// inner wall hinged on the wall's top, and comes down to the cap's floor.
TEST(Fco0314, TheCapsSideWallsRollOverTheWings) {
    const Model m = threePartModel({"0314", ""});
    const Tray cap = capOverSleeve(m);
    const Drawing top = drawOnly({"0314", ""}, 1);
    const Box box = top.extents();
    const double middle = (box.ymin + box.ymax) / 2;
    for (const double side : {-1.0, 1.0}) {
        const auto hinges =
            test::horizontalLinesAt(top, kind::Crease, middle + side * (cap.b + cap.h));
        ASSERT_EQ(hinges.size(), 2u) << side;
    }
    EXPECT_NEAR(box.ymax - box.ymin, 2 * (cap.b + 2 * cap.h - m.EpaisseurCarton), 1e-3);
}

TEST(TelescopeDomain, OctagonalWallsWithoutALapAreRefused) {
    for (const char* code : {"0350", "0351"}) {
        Model m = modelFor(code);
        m.lgPatte = 0;
        Drawing d;
        EXPECT_TRUE(test::refusedSaying(test::runStyle(code, m, d), "Patte de collage nulle"))
            << code;
    }
}

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

TEST(Fco0330Voranis, EachInnerWallHasItsTenonsOverAsManyMortises) {
    Model m = modelFor("0330");
    m.Personnalisation = CustomerProfile::Voranis;
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
