// The locking folders and trays with tenoned double walls (0420 to 0429, 0470, 0471): one table
// of codes and what each must show, then the cases that only one code shows.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "board/allowance_lookup.h"
#include "platform/errors.h"
#include "styles/04/fco420.h"
#include "styles/generators.h"
#include "support/outline.h"
#include "support/shipped_tables.h"
#include "support/style_fixture.h"
#include "support/style_run.h"

namespace brontaxe {
namespace {

struct LockingCase {
    const char* code;
    std::optional<DefaultAllowanceRule> rule;  // none: the allowances are left as they are
    bool turned;  // drawn a quarter turn round: the folder runs along x
    // Twin: 0420, walls ending in a plain flap. PlainLid: 0429, mortises counted by pitch.
    // Open: 0425, no lid, its own allowance places. RoundedLid: 0426, tapered dust flaps.
    // RollEnd: 0422 and 0423, the folder's own sizes without its lid. Mailer: 0471, the lid
    // and a floor flap on each inner wall instead of tenons. HingedTray: 0441, its front rolled
    // over below the front edge and a tuck flap `hpatrent` deep.
    enum Shape {
        Lidded,
        Twin,
        Tray,
        PlainLid,
        Open,
        RoundedLid,
        RollEnd,
        Mailer,
        HingedTray
    } shape;
};

void PrintTo(const LockingCase& c, std::ostream* os) {
    *os << c.code;
}

// Top of the cut on x = value that starts on the front edge y = 0 (an ear's outer edge).
double topOfEdgeFromFront(const Drawing& d, double x) {
    for (const LineShape& l : test::verticalLinesAt(d, kind::Cut, x))
        if (areNear(std::min(l.a.y, l.b.y), 0, 1e-3))
            return std::max(l.a.y, l.b.y);
    return -1;
}

struct Size {
    float l, w, h;
};

constexpr Size kSizes[] = {{400, 300, 120}, {300, 300, 100}, {250, 500, 80}, {600, 350, 150}};

// Vertical cuts (or horizontal, when turned) exactly one mortise long, on the mortise edge
// nearer the hinge: one per mortise.
int mortisesDrawn(const Drawing& d, const LockingFolder& f, bool turned) {
    int count = 0;
    const double edge = f.half - f.wall.mortiseGap;
    for (const LineShape& l : test::linesOfKind(d, kind::Cut)) {
        const double along = turned ? std::abs(l.a.x - l.b.x) : std::abs(l.a.y - l.b.y);
        const double across = turned ? l.a.y : l.a.x;
        const bool straight = turned ? areNear(l.a.y, l.b.y, 1e-3) : areNear(l.a.x, l.b.x, 1e-3);
        if (straight && areNear(std::abs(across), edge, 1e-3) &&
            areNear(along, f.wall.mortise.length, 1e-3))
            ++count;
    }
    return count;
}

class LockingFolders : public ::testing::TestWithParam<LockingCase> {};

TEST_P(LockingFolders, DrawCleanSymmetricBlanksOfTheirSizesInEveryShippedGrade) {
    const LockingCase& c = GetParam();
    const BoardTables tables = test::shippedTables();
    for (int grade = 1; grade <= tables.grades().count(); ++grade)
        for (const Size& s : kSizes) {
            SCOPED_TRACE(std::string(c.code) + " grade " + std::to_string(grade) + " " +
                         std::to_string(s.l) + " x " + std::to_string(s.w));
            test::Generated g;
            lookUpAllowances(g.m, tables, c.code, grade);
            g.m.Longueur = s.l;
            g.m.Largeur = s.w;
            g.m.Hauteur = s.h;
            const test::StyleRun run = test::runStyle(c.code, g.m, g.d);
            ASSERT_TRUE(test::drawnClean(run));
            EXPECT_EQ(g.m.Longueur, s.l);
            EXPECT_EQ(g.m.Largeur, s.w);

            // The sizes the generator used, in the folder's own orientation.
            Model own = g.m;
            if (c.turned)
                std::swap(own.Longueur, own.Largeur);
            if (c.shape == LockingCase::PlainLid)
                own.nbmortaise = 0;
            const LockingFolder f =
                c.shape == LockingCase::Tray
                    ? trayFolder(own, static_cast<std::int16_t>(std::stoi(c.code)))
                : c.shape == LockingCase::Open   ? openTrayFolder(own)
                : c.shape == LockingCase::Mailer ? mailerFolder(own)
                : c.shape == LockingCase::HingedTray
                    ? hingedTrayFolder(own)
                    : lockingFolder(own, c.shape != LockingCase::Twin);
            const Box box = g.d.extents();
            // The tenons' tips, standing out further where the inner wall stops above the bottom.
            const float tenonTips =
                f.half + f.wall.outer + f.wall.top + f.wall.inner + f.wall.tenon.height;
            float across = std::max(
                {f.xa, f.xb, f.reachLimit, f.wall.type == WallType::Locked ? tenonTips : 0.0f});
            float depth = f.y3;
            if (c.shape == LockingCase::Mailer) {
                across = std::max(
                    {across, f.lidLength / 2 + own.hrabat,
                     f.half + f.wall.outer + f.wall.top + f.wall.inner + f.wall.floorFlap});
                depth = f.y5;
            } else if (c.shape == LockingCase::Lidded || c.shape == LockingCase::HingedTray) {
                across =
                    std::max({across, f.lidLength / 2 + own.hrabat, f.tuckLength / 2 + f.tuckWing});
                depth = f.y5;
            } else if (c.shape == LockingCase::PlainLid) {
                across = std::max({across, f.lidLength / 2, f.tuckLength / 2});
                depth = f.y5;
            } else if (c.shape == LockingCase::RoundedLid) {
                across = std::max({across, f.lidLength / 2 + own.hrabat, f.tuckLength / 2});
                depth = f.y5;
            } else if (c.shape == LockingCase::Twin) {
                across =
                    std::max({f.xa, f.xb, f.half + f.outerWall + own.hrabat, f.tuckLength / 2});
                depth = f.y4 + own.hpatrent;
            }
            // The rolled front hangs below the front edge, its tenons standing out of it.
            const float below =
                c.shape == LockingCase::HingedTray
                    ? own.Dblmur + f.innerWall + own.htenon + innerWallRise(f, own.EpaisseurCarton)
                    : 0;
            if (c.turned) {
                EXPECT_NEAR(box.ymin, -box.ymax, 1e-3);
                EXPECT_NEAR(box.ymax, across, 1e-3);
                EXPECT_NEAR(box.xmin, -depth, 1e-3);
                EXPECT_NEAR(box.xmax, 0, 1e-3);
            } else {
                EXPECT_NEAR(box.xmin, -box.xmax, 1e-3);
                EXPECT_NEAR(box.xmax, across, 1e-3);
                EXPECT_NEAR(box.ymin, -below, 1e-3);
                EXPECT_NEAR(box.ymax, depth, 1e-3);
            }
            EXPECT_EQ(mortisesDrawn(g.d, f, c.turned), 2 * f.wall.count);
        }
}

TEST_P(LockingFolders, WithoutARowOfTheirOwnWriteTheirRulesMultiplesOfTheThickness) {
    const LockingCase& c = GetParam();
    test::Generated g;
    g.m.EpaisseurCarton = 4;
    g.m.Dblmur = 8;
    g.m.allowanceRecordCode = 0;
    g.m.Majo.fill(99);
    Model expected = g.m;
    if (c.rule)
        applyDefaultAllowances(expected, *c.rule);
    findGenerator(c.code)(g.m, g.d);
    for (int i = 1; i <= 16; ++i)
        EXPECT_EQ(g.m.Majo[i], expected.Majo[i]) << "Majo(" << i << ")";
}

INSTANTIATE_TEST_SUITE_P(
    Fco04b, LockingFolders,
    ::testing::Values(LockingCase{"0420", DefaultAllowanceRule::A, false, LockingCase::Twin},
                      LockingCase{"0421", DefaultAllowanceRule::B, false, LockingCase::Lidded},
                      LockingCase{"0422", DefaultAllowanceRule::A, false, LockingCase::RollEnd},
                      LockingCase{"0423", DefaultAllowanceRule::A, true, LockingCase::RollEnd},
                      LockingCase{"0424", DefaultAllowanceRule::Rule0424, false, LockingCase::Tray},
                      LockingCase{"0425", std::nullopt, false, LockingCase::Open},
                      LockingCase{"0426", std::nullopt, false, LockingCase::RoundedLid},
                      LockingCase{"0427", DefaultAllowanceRule::A, false, LockingCase::Lidded},
                      LockingCase{"0429", DefaultAllowanceRule::A, false, LockingCase::PlainLid},
                      LockingCase{"0441", DefaultAllowanceRule::A, false, LockingCase::HingedTray},
                      LockingCase{"0470", DefaultAllowanceRule::Rule0470, false, LockingCase::Tray},
                      LockingCase{"0471", DefaultAllowanceRule::Rule0470, false,
                                  LockingCase::Mailer}),
    [](const auto& info) { return std::string(info.param.code); });

TEST(DefaultAllowances, RulesAAndBAreTheirMultiplesOfTheThickness) {
    Model m;
    m.EpaisseurCarton = 2;
    applyDefaultAllowances(m, DefaultAllowanceRule::A);
    EXPECT_EQ(m.Majo, (std::array<float, 17>{0, 8, 2, 2, 4, 0, 2, 4, 6, 0, 6, 4, 0, 4, 0, 2, 2}));
    applyDefaultAllowances(m, DefaultAllowanceRule::B);
    EXPECT_EQ(m.Majo[9], 8);
    EXPECT_EQ(m.Majo[10], -4);
}

// Rule B's lid is as long as the bottom, but its dust flaps hinge where 0427's do, inside the
// rolled side walls' inner layers, so that they fold down inside them.
TEST(Fco0421, TheLidsDustFlapsHingeInsideTheRolledWallsAsOn0427) {
    for (const auto& [generate, style] : {std::pair{&Fco0421, 421}, std::pair{&Fco0427, 427}}) {
        test::Generated g;
        generate(g.m, g.d);
        const LockingFolder f = drawnFolder(g.m, static_cast<std::int16_t>(style));
        EXPECT_FLOAT_EQ(f.lidLength, 2 * (f.half - g.m.Dblmur));
        EXPECT_FLOAT_EQ(f.lidLength, 400);
        EXPECT_EQ(test::verticalLinesAt(g.d, kind::Crease, 200).size(), 1);
    }
}

TEST(DefaultAllowances, Rule0470MixesThicknessAndMillimetres) {
    Model m;
    m.EpaisseurCarton = 3;
    applyDefaultAllowances(m, DefaultAllowanceRule::Rule0470);
    EXPECT_EQ(m.Majo,
              (std::array<float, 17>{0, 9, 6, 3, 6, 3, 1, 6, 0, 18, -1, 1, 6, -1, 18, 2, 0}));
}

TEST(DefaultAllowances, Rule0424SetsOnlyItsSixEntries) {
    Model m;
    m.EpaisseurCarton = 6;
    m.Majo.fill(7);
    applyDefaultAllowances(m, DefaultAllowanceRule::Rule0424);
    EXPECT_EQ(m.Majo, (std::array<float, 17>{7, 18, 18, 6, 4, 3, 6, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7}));
}

TEST(Fco0427, KeepsTheTablesOwnRow) {
    test::Generated g;
    g.m.allowanceRecordCode = 427;
    g.m.Majo = {0, 10, 3, 3, 6, 0, 3, 6, 9, 0, 9, 6, 0, 6, 0, 3, 3};
    const auto before = g.m.Majo;
    Fco0427(g.m, g.d);
    EXPECT_EQ(g.m.Majo, before);
}

TEST(Fco0422, KeepsARowOf0423AndTakesNoneOfAnotherStyle) {
    test::Generated g;
    g.m.Majo = {0, 10, 3, 3, 6, 0, 3, 6, 9, 0, 9, 6, 0, 6, 0, 3, 3};
    const auto row = g.m.Majo;
    g.m.allowanceRecordCode = 423;
    Fco0422(g.m, g.d);
    EXPECT_EQ(g.m.Majo, row);
    g.m.allowanceRecordCode = 201;
    Fco0422(g.m, g.d);
    EXPECT_NE(g.m.Majo, row);
}

bool hasLine(const std::vector<LineShape>& lines, Point a, Point b) {
    return std::any_of(lines.begin(), lines.end(), [&](const LineShape& l) {
        return (areNear(l.a, a, 1e-3) && areNear(l.b, b, 1e-3)) ||
               (areNear(l.a, b, 1e-3) && areNear(l.b, a, 1e-3));
    });
}

// 400 x 300 x 200 in 3 mm board under rule A: front wall 200, bottom 303, back wall 206,
// lid 306, tuck flap 200.
TEST(Fco0427, LaysOutItsPanelsFoldsAndFlapsAsDrawnByItsSteps) {
    test::Generated g;
    g.m.hrabat = 60;
    Fco0427(g.m, g.d);
    const LockingFolder f = lockingFolder(g.m);
    EXPECT_FLOAT_EQ(f.y1, 200);
    EXPECT_FLOAT_EQ(f.y2, 503);
    EXPECT_FLOAT_EQ(f.y3, 709);
    EXPECT_FLOAT_EQ(f.y4, 1015);
    EXPECT_FLOAT_EQ(f.y5, 1215);
    const auto creases = test::linesOfKind(g.d, kind::Crease);
    EXPECT_TRUE(hasLine(creases, {-203, 200}, {203, 200}));      // front wall / bottom
    EXPECT_TRUE(hasLine(creases, {-204.5, 503}, {204.5, 503}));  // bottom / back wall
    EXPECT_TRUE(hasLine(creases, {-200, 709}, {200, 709}));      // back wall / lid
    EXPECT_TRUE(hasLine(creases, {-200, 1015}, {200, 1015}));    // lid / tuck flap
    EXPECT_TRUE(hasLine(creases, {203, 200}, {203, 0}));         // front ear
    EXPECT_TRUE(hasLine(creases, {-203, 200}, {-203, 0}));       // its mirror image
    const auto cuts = test::linesOfKind(g.d, kind::Cut);
    EXPECT_TRUE(hasLine(cuts, {-203, 0}, {203, 0}));
    // Lid dust flap, `hrabat` wide with slants of a third of it.
    EXPECT_TRUE(hasLine(cuts, {260, 729}, {260, 995}));
    EXPECT_TRUE(hasLine(cuts, {204.5, 706}, {200, 709}));
    // The slit that frees the front ear from the bottom, marked as such.
    const auto slit =
        std::find_if(g.d.elements().begin(), g.d.elements().end(), [](const Element& e) {
            const auto* l = std::get_if<LineShape>(&e.shape);
            return l && e.lineVariant == 2 && areNear(l->a, Point{206, 198.5}, 1e-3);
        });
    EXPECT_NE(slit, g.d.elements().end());
}

// Ears of half the width on a wide, low folder reach past the overhang limit.
TEST(Fco0427, EarsWiderThanTheLimitStopAtItAndKeepTheirStep) {
    test::Generated g;
    g.m.Longueur = 300;
    g.m.Largeur = 800;
    g.m.Hauteur = 60;
    Fco0427(g.m, g.d);
    const LockingFolder f = lockingFolder(g.m);
    EXPECT_GT(f.frontLength / 2 + f.ear, f.reachLimit);
    EXPECT_EQ(f.xa, f.reachLimit);
    EXPECT_EQ(f.xb, f.reachLimit);
    EXPECT_EQ(f.decPatte, g.m.DecPatte);
    // The front ear's outer edge rises to the step below the side wall.
    EXPECT_NEAR(topOfEdgeFromFront(g.d, f.reachLimit), f.y1 - f.d - g.m.DecPatte, 1e-3);
    EXPECT_TRUE(test::drawnClean(test::runStyle("0427", g.m, g.d)));
}

TEST(Fco0427, EarsThatDoNotPassTheOuterWallDropTheirStep) {
    test::Generated g;
    g.m.Longueur = 400;
    g.m.Largeur = 200;
    g.m.Hauteur = 150;
    Fco0427(g.m, g.d);
    const LockingFolder f = lockingFolder(g.m);
    EXPECT_LT(f.xa, f.half + f.outerWall);
    EXPECT_EQ(f.decPatte, 0);
    EXPECT_NEAR(topOfEdgeFromFront(g.d, f.xa), f.y1 - f.d, 1e-3);
    EXPECT_TRUE(test::drawnClean(test::runStyle("0427", g.m, g.d)));
}

TEST(Fco0427, WithoutACountTheMortisesFillTheBottomsWidth) {
    test::Generated g;
    g.m.nbmortaise = 0;  // W2 = 303: (303 - 50) div (33 + 50) = 3
    Fco0427(g.m, g.d);
    EXPECT_EQ(lockingFolder(g.m).wall.count, 3);
}

TEST(Fco0427, AZeroMortisePitchWithNoCountIsRefusedInFrench) {
    test::Generated g;
    g.m.nbmortaise = 0;
    g.m.lgmortaise = 0;
    g.m.pmortaise = 0;
    const test::StyleRun run = test::runStyle("0427", g.m, g.d);
    EXPECT_TRUE(test::refusedSaying(run, "Mortaises impossibles"));
    EXPECT_TRUE(test::refusedOrDrawnClean(run));
    Drawing d;
    EXPECT_THROW(Fco0427(g.m, d), GenerationError);
    EXPECT_FALSE(d.isEditing());
}

// More mortises than the wall holds (refused before the registry fills), ears too short to
// reach the bottom's edge, a thumb notch deeper than the front wall.
TEST(Fco042x, SizesTheFolderCannotTakeAreRefused) {
    const struct {
        const char* code;
        void (*change)(Model&);
        const char* said;
    } kCases[] = {
        {"0427", [](Model& m) { m.nbmortaise = 400; }, "Mortaises trop nombreuses"},
        {"0427",
         [](Model& m) {
             m.Largeur = 10;
             m.Longueur = 200;
         },
         "oreilles"},
        {"0420", [](Model& m) { m.RcoupPouce = 500; }, "Encoche de pouce"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.said);
        test::Generated g;
        c.change(g.m);
        EXPECT_TRUE(test::refusedSaying(test::runStyle(c.code, g.m, g.d), c.said));
    }
}

TEST(Fco0420, HasItsThumbNotchInTheFrontEdgeAndNoTenons) {
    test::Generated g;
    g.m.RcoupPouce = 12;
    Fco0420(g.m, g.d);
    const auto arcs = test::arcsOfKind(g.d, kind::Cut);
    EXPECT_TRUE(std::any_of(arcs.begin(), arcs.end(), [](const ArcShape& a) {
        return areNear(a.centre, Point{0, 0}, 1e-3) && areNear(a.radius, 12, 1e-3);
    }));
    EXPECT_EQ(test::horizontalLinesAt(g.d, kind::Cut, 0).size(), 4u);  // two edges, two ears
    const LockingFolder f = lockingFolder(g.m, false);
    EXPECT_EQ(mortisesDrawn(g.d, f, false), 0);
}

TEST(Fco0470, HasItsThumbNotchInTheFrontWallOnly) {
    test::Generated g;
    g.m.RcoupPouce = 15;
    Fco0470(g.m, g.d);
    const LockingFolder f = trayFolder(g.m);
    int notches = 0;
    for (const ArcShape& a : test::arcsOfKind(g.d, kind::Cut))
        if (areNear(a.centre.x, 0, 1e-3) && areNear(a.radius, 15, 1e-3))
            notches += areNear(a.centre.y, 0, 1e-3) ? 1 : 10;
    EXPECT_EQ(notches, 1);
    EXPECT_EQ(f.wall.count, 1);
}

TEST(Fco0423, Is0422WithLengthAndWidthExchangedTurnedAQuarter) {
    test::Generated turned;
    turned.m.Longueur = 400;
    turned.m.Largeur = 300;
    Fco0423(turned.m, turned.d);
    EXPECT_EQ(turned.m.Longueur, 400);
    EXPECT_EQ(turned.m.Largeur, 300);

    test::Generated plain;
    plain.m.Longueur = 300;
    plain.m.Largeur = 400;
    Fco0422(plain.m, plain.d);
    ASSERT_EQ(turned.d.ElementCount(), plain.d.ElementCount());
    const auto a = test::linesOfKind(plain.d, kind::Cut);
    const auto b = test::linesOfKind(turned.d, kind::Cut);
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        // A quarter turn: (x, y) becomes (-y, x).
        EXPECT_NEAR(b[i].a.x, -a[i].a.y, 1e-3);
        EXPECT_NEAR(b[i].a.y, a[i].a.x, 1e-3);
        EXPECT_NEAR(b[i].b.x, -a[i].b.y, 1e-3);
        EXPECT_NEAR(b[i].b.y, a[i].b.x, 1e-3);
    }
}

TEST(Fco0423, GivesBackItsSizesWhenItsDrawingFails) {
    test::Generated g;
    g.m.Longueur = 400;
    g.m.Largeur = 300;
    g.m.nbmortaise = 0;
    g.m.lgmortaise = 0;
    g.m.pmortaise = 0;
    EXPECT_THROW(Fco0423(g.m, g.d), GenerationError);
    EXPECT_EQ(g.m.Longueur, 400);
    EXPECT_EQ(g.m.Largeur, 300);
}

// 0426's dust flaps taper by 10 degrees: without rounding, the flap's rising edge runs from the
// lid's crease out by `hrabat` and up by hrabat x tan 10; at the front the flap stops two boards
// short of the lid's edge, so that it passes inside the front wall.
TEST(Fco0426, DustFlapsTaperByTenDegreesAndRoundOff) {
    test::Generated sharp;
    sharp.m.rarrondi = 0;
    lookUpAllowances(sharp.m, test::shippedTables(), "0426", 1);
    Fco0426(sharp.m, sharp.d);
    const LockingFolder f = lockingFolder(sharp.m);
    const float rise = 50 * std::tan(10 * std::numbers::pi_v<float> / 180);
    const auto cuts = test::linesOfKind(sharp.d, kind::Cut);
    EXPECT_TRUE(hasLine(cuts, {f.lidLength / 2, f.y3}, {f.lidLength / 2 + 50, f.y3 + rise}));
    const float front = f.y4 - 2 * sharp.m.EpaisseurCarton;
    EXPECT_TRUE(hasLine(cuts, {-f.lidLength / 2 - 50, front - rise}, {-f.lidLength / 2, front}));
    EXPECT_TRUE(hasLine(cuts, {-f.lidLength / 2, front}, {-f.lidLength / 2, f.y4}));
    EXPECT_EQ(test::arcsOfKind(sharp.d, kind::Cut).size(), 1u);  // the thumb notch alone

    // Rounded: two corners on each dust flap, two on the tuck flap, and the notch.
    test::Generated round;
    lookUpAllowances(round.m, test::shippedTables(), "0426", 1);
    const test::StyleRun run = test::runStyle("0426", round.m, round.d);
    EXPECT_TRUE(test::drawnClean(run));
    EXPECT_EQ(test::arcsOfKind(round.d, kind::Cut).size(), 7u);
}

TEST(Fco0425, IsAnOpenTrayWithTheModelsTenonCount) {
    for (int count : {1, 3}) {
        test::Generated g;
        lookUpAllowances(g.m, test::shippedTables(), "0425", 2);
        g.m.nbmortaise = static_cast<std::int16_t>(count);
        ASSERT_TRUE(test::drawnClean(test::runStyle("0425", g.m, g.d)));
        const LockingFolder f = openTrayFolder(g.m);
        EXPECT_EQ(mortisesDrawn(g.d, f, false), 2 * count);
        // No lid: the back wall's free edge is the top of the blank.
        EXPECT_NEAR(g.d.extents().ymax, f.y3, 1e-3);
        EXPECT_EQ(test::horizontalLinesAt(g.d, kind::Cut, f.y3).size(), 1u);  // ears stand lower
    }
    test::Generated none;
    none.m.nbmortaise = 0;
    none.m.lgmortaise = 0;
    none.m.pmortaise = 0;
    const test::StyleRun run = test::runStyle("0425", none.m, none.d);
    EXPECT_TRUE(test::refusedSaying(run, "Mortaises impossibles"));
}

}  // namespace
}  // namespace brontaxe
