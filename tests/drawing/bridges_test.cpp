#include <gtest/gtest.h>

#include <functional>

#include "drawing/bridges.h"
#include "drawing/pen_scope.h"
#include "drawing/rule_report.h"

namespace brontaxe {
namespace {

void rectangle(Drawing& d, double x0, double y0, double x1, double y1) {
    d.AddLine(x0, y0, x1, y0);
    d.AddLine(x1, y0, x1, y1);
    d.AddLine(x1, y1, x0, y1);
    d.AddLine(x0, y1, x0, y0);
}

// A slot-shaped hole: two straight sides joined by half circles, no corner anywhere.
void roundedSlot(Drawing& d, double x0, double x1, double y, double r) {
    d.AddLine(x0, y - r, x1, y - r);
    d.AddArc(x1, y, static_cast<float>(r), -90, 180);
    d.AddLine(x1, y + r, x0, y + r);
    d.AddArc(x0, y, static_cast<float>(r), 90, 180);
}

struct PlacementCase {
    const char* name;
    std::function<void(Drawing&)> draw;
    BridgeRules rules;
    // Expected (element id, centre along it), in the order of the elements.
    std::vector<std::pair<std::int32_t, double>> bridges;
};

TEST(Bridges, PlacedByPitchClearanceAndCutOuts) {
    const BridgeRules standard{};
    const PlacementCase cases[] = {
        // 400 mm alone: two pitches, spread over 10..390.
        {"open rule", [](Drawing& d) { d.AddLine(0, 0, 400, 0); }, standard, {{3, 105}, {3, 295}}},
        // A crease meeting it at 200 makes two stretches of 200: one bridge each, mid-stretch.
        {"crease crossing",
         [](Drawing& d) {
             d.AddLine(0, 0, 400, 0);
             PenScope pen(d, kind::Crease);
             d.AddLine(200, 0, 200, 100);
         },
         standard,
         {{3, 100}, {3, 300}}},
        // Sides shorter than the pitch, nothing inside anything: no bridge.
        {"small closed outline", [](Drawing& d) { rectangle(d, 0, 0, 100, 60); }, standard, {}},
        // The hole inside is held by one bridge, in the middle of its longest side.
        {"rectangular cut-out",
         [](Drawing& d) {
             rectangle(d, 0, 0, 140, 140);
             rectangle(d, 40, 40, 100, 70);
         },
         standard,
         {{7, 30}}},
        // A hole with no corner and short sides takes its one bridge on a straight side.
        {"rounded cut-out",
         [](Drawing& d) {
             rectangle(d, 0, 0, 140, 140);
             roundedSlot(d, 40, 100, 70, 15);
         },
         standard,
         {{7, 30}}},
        // Too small for two widths of knife either side: left without.
        {"tiny cut-out",
         [](Drawing& d) {
             rectangle(d, 0, 0, 140, 140);
             rectangle(d, 50, 50, 52, 51);
         },
         standard,
         {}},
        // Close stretches would leave 2.5 mm of knife between 5 mm bridges: one only.
        {"two widths of knife", [](Drawing& d) { d.AddLine(0, 0, 40, 0); }, {5, 20, 1}, {{3, 20}}},
        {"no width", [](Drawing& d) { d.AddLine(0, 0, 400, 0); }, {0, 150, 10}, {}},
    };
    for (const PlacementCase& c : cases) {
        SCOPED_TRACE(c.name);
        Drawing d;
        c.draw(d);
        std::vector<std::pair<std::int32_t, double>> got;
        for (const PlacedBridge& b : placeBridges(d, c.rules)) {
            EXPECT_EQ(b.bridge.width, c.rules.width);
            got.emplace_back(b.element.value, b.bridge.at);
        }
        ASSERT_EQ(got.size(), c.bridges.size());
        for (std::size_t k = 0; k < got.size(); ++k) {
            EXPECT_EQ(got[k].first, c.bridges[k].first);
            EXPECT_NEAR(got[k].second, c.bridges[k].second, 1e-6);
        }
    }
}

// The knife left around the bridges: as long as the stroke less the bridges, ends kept.
TEST(Bridges, GapsSplitLinesAndArcs) {
    Drawing d;
    d.AddLine(0, 0, 100, 0);
    d.AddArc(0, 0, 50, 0, 90);
    const PenScope pen(d, kind::Crease);
    d.AddLine(0, 10, 100, 10);
    applyBridges(d, {{ElementId{3}, {30, 2}}, {ElementId{3}, {70, 2}}, {ElementId{4}, {40, 1}}});
    Drawing gaps;
    for (const Element& e : d.elements()) {
        for (const Element& piece : knifePieces(e))
            gaps.addElement(piece);
    }
    ASSERT_EQ(gaps.ElementCount(), 3 + 2 + 1);
    EXPECT_NEAR(gaps.KindLength(kind::Cut), d.KindLength(kind::Cut) - 5, 1e-9);
    EXPECT_EQ(std::get<LineShape>(gaps.elements()[1].shape), (LineShape{{31, 0}, {69, 0}}));
    const auto& arcEnd = std::get<ArcShape>(gaps.elements()[4].shape);
    EXPECT_NEAR(arcEnd.end().y, 50, 1e-9);
    EXPECT_NEAR(distance(std::get<ArcShape>(gaps.elements()[3].shape).end(), arcEnd.start()), 1,
                1e-3);
    EXPECT_FALSE(hasBridges(gaps));
    EXPECT_EQ(bridgeTotals(d, kind::Cut).count, 3);
}

// A mirrored copy of an arc runs the other way round: its bridge stays at the same place.
TEST(Bridges, MirroredArcKeepsItsBridgeInPlace) {
    Drawing d;
    d.AddArc(0, 0, 50, 0, 90);
    applyBridges(d, {{ElementId{3}, {10, 1}}});
    d.addPoses({1, {0, 0}, PoseFlip::MirroredAcrossX});
    const Element& copy = d.elements()[1];
    const auto& arc = std::get<ArcShape>(copy.shape);
    const double deg = arc.startDeg + toDegrees(copy.bridges[0].at / arc.radius);
    const Point original = pointOnCircle({0, 0}, 50, toDegrees(10.0 / 50));
    EXPECT_TRUE(
        areNear(pointOnCircle(arc.centre, arc.radius, deg), {original.x, -original.y}, 1e-9));
}

// A rectangle with a crease across and a rounded hole: four bends, the hole's tangent joints
// none, its two arcs, one cut-out.
TEST(RuleReport, CountsRulesBendsArcsAndCutOuts) {
    Drawing d;
    rectangle(d, 0, 0, 200, 100);
    roundedSlot(d, 40, 100, 50, 15);
    const PenScope pen(d, kind::Crease);
    d.AddLine(150, 0, 150, 100);
    d.AddLine(170, 0, 170, 50);
    d.AddLine(170, 50, 170, 100);
    applyBridges(d, {{ElementId{3}, {20, 0.5}}, {ElementId{5}, {20, 0.5}}});
    RuleReport r = ruleReport(d, d.elements().size());
    EXPECT_NEAR(r.kinds[0].length, 600 + 120 + 30 * kPi, 1e-9);
    r.kinds[0].length = 0;
    EXPECT_EQ(r.of(kind::Cut), (KindRules{kind::Cut, 0, 2, 4, 2, 2, 1.0}));
    EXPECT_EQ(r.of(kind::Crease), (KindRules{kind::Crease, 200, 2, 0, 0, 0, 0}));
    EXPECT_EQ(r.of(kind::Perforation).rules, 0);
    EXPECT_EQ(r.cutOuts, 1);
}

}  // namespace
}  // namespace brontaxe
