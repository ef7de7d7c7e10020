// The design-rule check on small drawings made by hand: each kind of finding once present and
// once absent, on a 100 x 60 blank.

#include <gtest/gtest.h>

#include "check/design_check.h"
#include "check/rules/rule_support.h"
#include "drawing/pen_scope.h"
#include "support/style_fixture.h"
#include "support/style_run.h"

namespace brontaxe {
namespace {

using test::kindsOf;
using Kinds = std::vector<FindingKind>;

// The outline of a 100 x 60 blank, one cut a side, counter-clockwise from the origin.
std::array<ElementId, 4> rectangle(Drawing& d, double x0 = 0, double y0 = 0, double w = 100,
                                   double h = 60) {
    const PenScope pen(d, kind::Cut);
    return {d.AddLine(x0, y0, x0 + w, y0), d.AddLine(x0 + w, y0, x0 + w, y0 + h),
            d.AddLine(x0 + w, y0 + h, x0, y0 + h), d.AddLine(x0, y0 + h, x0, y0)};
}

void crease(Drawing& d, double x1, double y1, double x2, double y2) {
    const PenScope pen(d, kind::Crease);
    d.AddLine(x1, y1, x2, y2);
}

void circle(Drawing& d, double cx, double cy, double r) {
    const PenScope pen(d, kind::Cut);
    d.AddArc(cx, cy, static_cast<float>(r), 0, 360);
}

TEST(DesignCheck, ABlankWithACreaseFromEdgeToEdgeAndRoundedCornersIsClean) {
    Drawing d;
    const auto sides = rectangle(d);
    d.AddFillet(sides[0], sides[1], 5);
    d.AddFillet(sides[2], sides[3], 8);
    crease(d, 50, 0, 50, 60);
    // A crease that ends on another one.
    crease(d, 0, 30, 50, 30);
    circle(d, 75, 30, 10);
    const auto findings = checkDrawing(d);
    EXPECT_TRUE(findings.empty()) << findingsText(findings);
    EXPECT_EQ(verdictText(findings), "Contrôle : aucun défaut");
}

// Millimetres as the window says them everywhere: shortest form, decimal comma, the unit kept on
// the number's line.
TEST(DesignCheck, AFindingSaysItsMillimetresAsTheUserReadsThem) {
    Drawing d;
    rectangle(d);
    crease(d, 50, 0, 50, 60);
    crease(d, 57.5, 0, 57.5, 60);
    const auto findings = checkDrawing(d);
    ASSERT_EQ(kindsOf(findings), Kinds{FindingKind::NarrowPanel}) << findingsText(findings);
    EXPECT_EQ(findings[0].message,
              "Panneau étroit : 7,5\u00a0mm entre le rainage n° 7 et le rainage n° 8 (moins de "
              "9\u00a0mm, trois épaisseurs)");
}

TEST(DesignCheck, OpenOutline) {
    Drawing open;
    const PenScope openPen(open, kind::Cut);
    open.AddLine(0, 0, 100, 0);
    open.AddLine(100, 0, 100, 60);
    open.AddLine(100, 60, 0, 60);
    open.AddLine(0, 60, 0, 10);  // 10 mm short of the first corner
    const auto findings = checkDrawing(open);
    EXPECT_EQ(kindsOf(findings), (Kinds{FindingKind::OpenOutline, FindingKind::OpenOutline}));
    EXPECT_EQ(findings[0].elements, std::vector<ElementId>{ElementId{3}});
    EXPECT_NE(findings[1].message.find("n° 6"), std::string::npos) << findings[1].message;
    EXPECT_NE(findings[1].message.find("(0 ; 10)"), std::string::npos) << findings[1].message;
    EXPECT_EQ(verdictText(findings), "Contrôle : 2 défauts");

    // A slit that runs into the corner where two folds meet: the board holds on both sides.
    Drawing slit;
    const PenScope slitPen(slit, kind::Cut);
    slit.AddLine(0, 0, 100, 0);
    slit.AddLine(100, 0, 100, 60);
    slit.AddLine(100, 60, 50, 60);
    slit.AddLine(50, 60, 0, 60);
    slit.AddLine(0, 60, 0, 0);
    slit.AddLine(50, 60, 50, 40);
    crease(slit, 0, 40, 50, 40);
    crease(slit, 50, 40, 100, 40);
    EXPECT_TRUE(checkDrawing(slit).empty()) << findingsText(checkDrawing(slit));
}

TEST(DesignCheck, AReliefCutAlongAFoldMayStopInTheBoard) {
    // A tab folding on y = 40 between x 40 and 60, freed by cuts down its sides, with a relief
    // cut prolonging the fold on each side.
    Drawing tab;
    rectangle(tab);
    tab.AddLine(40, 20, 40, 40);
    tab.AddLine(60, 20, 60, 40);
    tab.AddLine(40, 20, 60, 20);
    crease(tab, 40, 40, 60, 40);
    tab.AddLine(60, 40, 65, 40);
    tab.AddLine(40, 40, 35, 40);
    EXPECT_TRUE(checkDrawing(tab).empty()) << findingsText(checkDrawing(tab));

    // A cut off the fold's line is no relief: it stops in the board.
    Drawing slanted;
    rectangle(slanted);
    crease(slanted, 0, 40, 60, 40);
    slanted.AddLine(60, 40, 65, 45);
    EXPECT_EQ(kindsOf(checkDrawing(slanted)), Kinds{FindingKind::OpenOutline});
}

TEST(DesignCheck, CrossingCuts) {
    Drawing crossing;
    rectangle(crossing);
    rectangle(crossing, 80, 40, 40, 40);
    const auto findings = checkDrawing(crossing);
    EXPECT_EQ(kindsOf(findings), (Kinds{FindingKind::CrossingCuts, FindingKind::CrossingCuts}));
    EXPECT_NEAR(findings[0].position.x, 100, 1e-9);
    EXPECT_NEAR(findings[0].position.y, 40, 1e-9);

    // Two blanks meeting at a corner, and a hole inside, cross nothing.
    Drawing touching;
    rectangle(touching);
    rectangle(touching, 100, 60, 40, 40);
    circle(touching, 20, 30, 10);
    EXPECT_TRUE(checkDrawing(touching).empty()) << findingsText(checkDrawing(touching));
}

TEST(DesignCheck, DoubledCut) {
    Drawing twice;
    rectangle(twice);
    twice.AddLine(20, 0, 70, 0);  // over part of the bottom edge
    twice.AddLine(70, 0, 20, 0);  // and back, so that no end is loose
    const auto kinds = kindsOf(checkDrawing(twice));
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), FindingKind::DoubledCut), 3);

    Drawing arcs;
    rectangle(arcs);
    arcs.AddArc(50, 30, 10, 0, 360);
    arcs.AddArc(50, 30, 10, 90, 90);
    arcs.AddArc(50, 30, 10, 180, -90);  // the same quarter again
    const auto arcKinds = kindsOf(checkDrawing(arcs));
    EXPECT_EQ(std::count(arcKinds.begin(), arcKinds.end(), FindingKind::DoubledCut), 3);

    // An edge cut in two pieces end to end is not doubled.
    Drawing split;
    const PenScope splitPen(split, kind::Cut);
    split.AddLine(0, 0, 40, 0);
    split.AddLine(40, 0, 100, 0);
    split.AddLine(100, 0, 100, 60);
    split.AddLine(100, 60, 0, 60);
    split.AddLine(0, 60, 0, 0);
    EXPECT_TRUE(checkDrawing(split).empty());
}

TEST(DesignCheck, ZeroLength) {
    Drawing d;
    rectangle(d);
    d.AddLine(100, 60, 100, 60);
    crease(d, 30, 30, 30, 30.005);
    d.AddArc(50, 30, 0, 0, 90);
    const auto findings = checkDrawing(d);
    EXPECT_EQ(kindsOf(findings),
              (Kinds{FindingKind::ZeroLength, FindingKind::ZeroLength, FindingKind::ZeroLength}));
    EXPECT_EQ(findings[0].elements, std::vector<ElementId>{ElementId{7}});
    std::string listed;
    for (const Finding& f : findings)
        listed += "  " + f.message + "\n";
    EXPECT_EQ(groupedFindingsText(findings), listed);
    // A fourth of the kind: one line with the count and the first three places.
    d.AddLine(10, 10, 10, 10);
    EXPECT_EQ(groupedFindingsText(checkDrawing(d)),
              "  Élément de longueur nulle : 4 fois, en (100 ; 60), (30 ; 30), "
              "(50 ; 30)...\n");

    Drawing shortButReal;
    rectangle(shortButReal);
    shortButReal.AddLine(100, 60, 100.05, 60);
    shortButReal.AddLine(100.05, 60, 100, 60);
    EXPECT_EQ(kindsOf(checkDrawing(shortButReal)), Kinds{FindingKind::DoubledCut});
}

TEST(DesignCheck, CreaseOverACutOut) {
    Drawing across;
    rectangle(across);
    circle(across, 50, 30, 10);
    crease(across, 0, 30, 100, 30);  // through the hole
    EXPECT_EQ(kindsOf(checkDrawing(across)), Kinds{FindingKind::CreaseOverCut});

    Drawing onTheEdge;
    rectangle(onTheEdge);
    crease(onTheEdge, 20, 0, 60, 0);  // laid on the bottom cut
    EXPECT_EQ(kindsOf(checkDrawing(onTheEdge)), Kinds{FindingKind::CreaseOverCut});

    // Creases that stop at the hole are held by its edge.
    Drawing stopping;
    rectangle(stopping);
    circle(stopping, 50, 30, 10);
    crease(stopping, 0, 30, 40, 30);
    crease(stopping, 60, 30, 100, 30);
    EXPECT_TRUE(checkDrawing(stopping).empty()) << findingsText(checkDrawing(stopping));
}

TEST(DesignCheck, CreaseEndingInTheAir) {
    Drawing d;
    rectangle(d);
    crease(d, 50, 0, 50, 45);
    const auto findings = checkDrawing(d);
    ASSERT_EQ(kindsOf(findings), Kinds{FindingKind::CreaseInAir});
    EXPECT_NEAR(findings[0].position.y, 45, 1e-9);

    Drawing held;
    rectangle(held);
    crease(held, 50, 0, 50, 60);
    crease(held, 50, 30, 100, 30);
    EXPECT_TRUE(checkDrawing(held).empty());
}

TEST(DesignCheck, ImposedCopiesAreNotRead) {
    Drawing d;
    rectangle(d);
    // A copy half a blank over: its edges cross the first blank's.
    d.addPoses({.step = {50, 30}});
    EXPECT_EQ(d.blankElementCount(), 4);
    EXPECT_TRUE(checkDrawing(d).empty());
}

TEST(DesignCheck, FoldedFlapsCollideOrLeaveAGap) {
    struct Case {
        const char* name;
        FoldPair pair;
        Kinds expected;
    };
    const Case cases[] = {
        {"meeting flaps", {"rabats", 151.5, 151.5, 303, FoldFit::Meet}, {}},
        {"within half the thickness", {"rabats", 152.5, 151.5, 303, FoldFit::Meet}, {}},
        {"3 mm too long", {"rabats", 153, 153, 303, FoldFit::Meet}, {FindingKind::FlapCollision}},
        {"too long, gap allowed",
         {"rabats", 153, 153, 303, FoldFit::NoCollision},
         {FindingKind::FlapCollision}},
        {"a gap where they meet", {"rabats", 140, 140, 303, FoldFit::Meet}, {FindingKind::FlapGap}},
        {"a gap allowed", {"rabats", 140, 140, 303, FoldFit::NoCollision}, {}},
        {"a single flap past the far wall",
         {"rabat", 601.5, 0, 153, FoldFit::NoCollision},
         {FindingKind::FlapCollision}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto findings = checkFolds({c.pair}, 3);
        EXPECT_EQ(kindsOf(findings), c.expected);
        if (!findings.empty()) {
            EXPECT_NE(findings[0].message.find("\u00a0mm entre rainages ("), std::string::npos)
                << findings[0].message;
        }
    }
}

// The rules read only the pairs of strokes the sweep finds: over whole blanks, they must be
// every pair of die rules whose boxes come within the tolerance, each once, in drawing order.
TEST(DesignCheck, TheSweptPairsAreEveryPairOfTouchingRulesInDrawingOrder) {
    for (const std::string& code : test::drawnCatalogueCodes()) {
        SCOPED_TRACE(code);
        test::Generated g;
        if (test::runStyle(code, g.m, g.d).refusal)
            continue;
        std::pmr::vector<check::Stroke> strokes;
        std::pmr::vector<check::Stroke> zero;
        check::collectStrokes(g.d, kJoinTolerance, strokes, zero);
        check::Pairs everyPair;
        for (std::size_t i = 0; i < strokes.size(); ++i)
            for (std::size_t j = i + 1; j < strokes.size(); ++j)
                if (check::isDieRule(strokes[i].kind) && check::isDieRule(strokes[j].kind) &&
                    check::boxesTouch(strokes[i].box, strokes[j].box, kJoinTolerance))
                    everyPair.emplace_back(i, j);
        ASSERT_EQ(check::touchingPairs(strokes), everyPair);
    }
}

// A sheet of 750 squares, every other one touching its neighbour and crossed by a crease: past
// two thousand strokes the pairs are found through a grid, and must be the same.
TEST(DesignCheck, TheGriddedPairsOfALargeSheetAreEveryPairOfTouchingRules) {
    Drawing d;
    for (int k = 0; k < 750; ++k) {
        const double x = k % 30 * (k % 2 == 0 ? 10.0 : 9.0), y = k / 30 * 12.0;
        rectangle(d, x, y, 8, 8);
        if (k % 3 == 0)
            crease(d, x - 1, y + 4, x + 9, y + 4);
    }
    std::pmr::vector<check::Stroke> strokes;
    std::pmr::vector<check::Stroke> zero;
    check::collectStrokes(d, kJoinTolerance, strokes, zero);
    ASSERT_GT(strokes.size(), 2000u);
    check::Pairs everyPair;
    for (std::size_t i = 0; i < strokes.size(); ++i)
        for (std::size_t j = i + 1; j < strokes.size(); ++j)
            if (check::boxesTouch(strokes[i].box, strokes[j].box, kJoinTolerance))
                everyPair.emplace_back(i, j);
    EXPECT_EQ(check::touchingPairs(strokes), everyPair);
}

}  // namespace
}  // namespace brontaxe
