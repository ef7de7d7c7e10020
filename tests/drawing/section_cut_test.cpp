// Cutting a drawing along a section line: elements clipped exactly on hand-made drawings, and
// whole blanks whose kept part must still be a clean, closed outline of the right area.

#include "drawing/section/section_cut.h"

#include <gtest/gtest.h>

#include <cmath>

#include "check/design_check.h"
#include "drawing/contour.h"
#include "drawing/pen_scope.h"
#include "support/near.h"
#include "support/outline.h"

namespace brontaxe {
namespace {

Element lineElement(Point a, Point b, LineKind k = kind::Cut) {
    return Element{LineShape{a, b}, k, 1, 1, 0};
}

Element arcElement(Point c, double r, double start, double sweep) {
    return Element{ArcShape{c, r, start, sweep}, kind::Cut, 1, 1, 0};
}

std::vector<LineShape> linesOf(const std::vector<Element>& elements) {
    std::vector<LineShape> out;
    for (const Element& e : elements)
        if (const auto* l = std::get_if<LineShape>(&e.shape))
            out.push_back(*l);
    return out;
}

std::vector<ArcShape> arcsOf(const std::vector<Element>& elements) {
    std::vector<ArcShape> out;
    for (const Element& e : elements)
        if (const auto* a = std::get_if<ArcShape>(&e.shape))
            out.push_back(*a);
    return out;
}

double area(const Drawing& d) {
    Drawing copy = d;
    return copy.ContourArea(copy.OuterContour(-1e6, -1e6, 1e6, 1e6));
}

// One line, the four sides: what is left of it, or nothing.
struct LineCase {
    const char* name;
    LineShape line;
    SectionCut cut;
    bool kept;
    LineShape expected;
};

TEST(SectionCut, StraightLinesAreClippedAtTheSectionLine) {
    const LineCase cases[] = {
        {"horizontal 0..100 cut at 40, left kept",
         {{0, 0}, {100, 0}},
         {SectionSide::Left, 40},
         true,
         {{0, 0}, {40, 0}}},
        {"the same, right kept",
         {{0, 0}, {100, 0}},
         {SectionSide::Right, 40},
         true,
         {{40, 0}, {100, 0}}},
        {"drawn right to left keeps its direction",
         {{100, 0}, {0, 0}},
         {SectionSide::Left, 40},
         true,
         {{40, 0}, {0, 0}}},
        {"slanted 45 degrees",
         {{0, 0}, {100, 100}},
         {SectionSide::Left, 30},
         true,
         {{0, 0}, {30, 30}}},
        {"slanted, kept above a horizontal line",
         {{0, 0}, {100, 50}},
         {SectionSide::Top, 20},
         true,
         {{40, 20}, {100, 50}}},
        {"vertical, kept below",
         {{5, -10}, {5, 90}},
         {SectionSide::Bottom, 0},
         true,
         {{5, -10}, {5, 0}}},
        {"wholly on the kept side",
         {{0, 0}, {30, 10}},
         {SectionSide::Left, 40},
         true,
         {{0, 0}, {30, 10}}},
        {"ending on the line from the kept side",
         {{0, 0}, {40, 0}},
         {SectionSide::Left, 40},
         true,
         {{0, 0}, {40, 0}}},
        {"wholly beyond", {{50, 0}, {90, 0}}, {SectionSide::Left, 40}, false, {}},
        {"touching the line from beyond", {{40, 0}, {90, 0}}, {SectionSide::Left, 40}, false, {}},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto parts = linesOf(clipToSection(lineElement(c.line.a, c.line.b), c.cut));
        ASSERT_EQ(parts.size(), c.kept ? 1u : 0u);
        if (c.kept) {
            EXPECT_TRUE(test::near(parts[0].a, c.expected.a));
            EXPECT_TRUE(test::near(parts[0].b, c.expected.b));
        }
    }
}

TEST(SectionCut, AnArcKeepsThePartOfItselfOnTheKeptSide) {
    // Quarter circle of radius 10 about the origin, from 0 to 90 degrees, cut at x = 5: the
    // kept left part runs from 60 degrees (cos 60 = 0.5) to 90.
    auto parts = arcsOf(clipToSection(arcElement({0, 0}, 10, 0, 90), {SectionSide::Left, 5}));
    ASSERT_EQ(parts.size(), 1u);
    EXPECT_NEAR(parts[0].startDeg, 60, 1e-9);
    EXPECT_NEAR(parts[0].sweepDeg, 30, 1e-9);
    EXPECT_NEAR(parts[0].start().x, 5, 1e-9);

    parts = arcsOf(clipToSection(arcElement({0, 0}, 10, 0, 90), {SectionSide::Right, 5}));
    ASSERT_EQ(parts.size(), 1u);
    EXPECT_NEAR(parts[0].startDeg, 0, 1e-9);
    EXPECT_NEAR(parts[0].sweepDeg, 60, 1e-9);

    // A half circle over the top cut through its middle by a horizontal line keeps two arcs.
    parts = arcsOf(clipToSection(arcElement({0, 0}, 10, 0, 180), {SectionSide::Bottom, 5}));
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_NEAR(parts[0].sweepDeg + parts[1].sweepDeg, 60, 1e-9);
    for (const ArcShape& a : parts) {
        EXPECT_LE(a.start().y, 5 + 1e-9);
        EXPECT_LE(a.end().y, 5 + 1e-9);
    }

    // A whole circle keeps one arc across its start, never two pieces of one.
    parts = arcsOf(clipToSection(arcElement({0, 0}, 10, 0, 360), {SectionSide::Right, 0}));
    ASSERT_EQ(parts.size(), 1u);
    EXPECT_NEAR(parts[0].sweepDeg, 180, 1e-9);
    EXPECT_NEAR(parts[0].start().x, 0, 1e-9);
    EXPECT_NEAR(parts[0].end().x, 0, 1e-9);
    EXPECT_GT(pointOnCircle({0, 0}, 10, parts[0].startDeg + 90).x, 0);

    // Clear of the line: whole, or nothing.
    EXPECT_EQ(arcsOf(clipToSection(arcElement({0, 0}, 10, 0, 360), {SectionSide::Left, 20})).size(),
              1u);
    EXPECT_TRUE(
        arcsOf(clipToSection(arcElement({0, 0}, 10, 0, 360), {SectionSide::Left, -20})).empty());
}

TEST(SectionCut, DimensionsAcrossTheLineMeasureWhatIsKept) {
    const Element row{DimensionShape{{0, -10}, {100, -10}, {0, -20}}, kind::Cut, 1, 1, 0};
    const auto kept = clipToSection(row, {SectionSide::Left, 40});
    ASSERT_EQ(kept.size(), 1u);
    const auto& d = std::get<DimensionShape>(kept[0].shape);
    EXPECT_NEAR(distance(d.p1, d.p2), 40, 1e-9);
    // A column beside the cut goes with its side.
    const Element column{DimensionShape{{60, 0}, {60, 50}, {70, 0}}, kind::Cut, 1, 1, 0};
    EXPECT_TRUE(clipToSection(column, {SectionSide::Left, 40}).empty());
    EXPECT_EQ(clipToSection(column, {SectionSide::Right, 40}).size(), 1u);
}

// A rectangle 100 x 50 with a crease across it at x = 60 and a round hole about (30, 25).
Drawing panelWithHole() {
    Drawing d;
    PenScope pen(d, kind::Cut);
    d.AddLine(0, 0, 100, 0);
    d.AddLine(100, 0, 100, 50);
    d.AddLine(100, 50, 0, 50);
    d.AddLine(0, 50, 0, 0);
    pen.setKind(kind::Crease);
    d.AddLine(60, 0, 60, 50);
    pen.setKind(kind::Cut);
    d.AddArc(30, 25, 8, 0, 360);
    return d;
}

TEST(SectionCut, TheOutlineIsClosedAlongTheSectionAndItsAreaIsTheKeptPart) {
    struct Case {
        const char* name;
        SectionCut cut;
        double area;
    };
    const Case cases[] = {
        {"left of x = 30, through the hole", {SectionSide::Left, 30}, 30 * 50},
        {"right of x = 30", {SectionSide::Right, 30}, 70 * 50},
        {"above y = 10", {SectionSide::Top, 10}, 100 * 40},
        {"below y = 25, through the hole's centre", {SectionSide::Bottom, 25}, 100 * 25},
        {"left of the crease, which becomes the edge", {SectionSide::Left, 60}, 60 * 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Drawing d = panelWithHole();
        const SectionResult r = sectionDrawing(d, c.cut);
        ASSERT_FALSE(r.why);
        EXPECT_GT(r.closingCuts, 0);
        EXPECT_TRUE(test::cutOutlineIsClosed(d));
        EXPECT_TRUE(test::noLineDrawnTwice(d));
        EXPECT_EQ(defectCount(checkDrawing(d)), 0u) << findingsText(checkDrawing(d));
        EXPECT_NEAR(area(d), c.area, 0.5);
        for (const Element& e : d.elements()) {
            if (const auto* l = std::get_if<LineShape>(&e.shape)) {
                EXPECT_LE(beyondSection(l->a, c.cut), 1e-9);
                EXPECT_LE(beyondSection(l->b, c.cut), 1e-9);
            }
        }
    }
}

TEST(SectionCut, TheFoldOnTheLineGoesAndNothingLeftIsRefused) {
    Drawing d = panelWithHole();
    sectionDrawing(d, {SectionSide::Left, 60});
    EXPECT_TRUE(test::linesOfKind(d, kind::Crease).empty());
    EXPECT_EQ(test::verticalLinesAt(d, kind::Cut, 60).size(), 1u);

    Drawing whole = panelWithHole();
    const std::size_t before = whole.elements().size();
    const SectionResult r = sectionDrawing(whole, {SectionSide::Right, 150});
    ASSERT_TRUE(r.why);
    EXPECT_EQ(whole.elements().size(), before);  // left as it was
}

}  // namespace
}  // namespace brontaxe
