#include <gtest/gtest.h>

#include "builders/emit.h"
#include "drawing/drawing.h"
#include "platform/errors.h"
#include "support/near.h"

namespace brontaxe {
namespace {

// A corner at the origin between a line along +x and one along +y (or at `angle`).
struct Corner {
    Drawing d;
    ElementId along;
    ElementId other;

    explicit Corner(double angleDeg = 90, double length = 100) {
        along = d.AddLine(length, 0, 0, 0);
        const Point end = pointOnCircle({0, 0}, length, angleDeg);
        other = d.AddLine(0, 0, end.x, end.y);
    }
    const LineShape& line(ElementId id) const { return std::get<LineShape>(d.element(id).shape); }
};

TEST(AddFillet, RightCornerArcIsTangentAndBothLinesAreTrimmed) {
    Corner c;
    const ElementId fillet = c.d.AddFillet(c.along, c.other, 10);
    const auto& arc = std::get<ArcShape>(c.d.element(fillet).shape);
    EXPECT_TRUE(test::near(arc.centre, {10, 10}));
    EXPECT_DOUBLE_EQ(arc.radius, 10);
    EXPECT_NEAR(arc.sweepDeg, 90, 1e-9);
    EXPECT_TRUE(test::near(c.line(c.along).b, {10, 0}));
    EXPECT_TRUE(test::near(c.line(c.other).a, {0, 10}));
    // The arc's ends are the trimmed ends of the lines.
    const Point s = arc.start();
    const Point e = arc.end();
    EXPECT_TRUE((areNear(s, {10, 0}, 1e-9) && areNear(e, {0, 10}, 1e-9)) ||
                (areNear(e, {10, 0}, 1e-9) && areNear(s, {0, 10}, 1e-9)));
}

TEST(AddFillet, SharpAndObtuseCornersKeepTheArcTangentToBothLines) {
    for (double angle : {30.0, 60.0, 120.0, 150.0, 250.0}) {
        Corner c(angle);
        const ElementId fillet = c.d.AddFillet(c.along, c.other, 5);
        const auto& arc = std::get<ArcShape>(c.d.element(fillet).shape);
        // Tangency: the centre stands one radius away from both (infinite) lines.
        EXPECT_NEAR(std::fabs(arc.centre.y), 5, 1e-9) << angle;
        const Point u = pointOnCircle({0, 0}, 1, angle);
        EXPECT_NEAR(std::fabs(cross(u, arc.centre)), 5, 1e-9) << angle;
        EXPECT_NEAR(arc.sweepDeg, 180 - std::min(angle, 360 - angle), 1e-9) << angle;
    }
}

TEST(AddFillet, LinesThatDoNotYetMeetAreExtendedToTheTangentPoints) {
    Drawing d;
    const ElementId a = d.AddLine(100, 0, 20, 0);
    const ElementId b = d.AddLine(0, 20, 0, 100);
    d.AddFillet(a, b, 5);
    EXPECT_TRUE(test::near(std::get<LineShape>(d.element(a).shape).b, {5, 0}));
    EXPECT_TRUE(test::near(std::get<LineShape>(d.element(b).shape).a, {0, 5}));
}

TEST(AddFillet, ImpossibleFilletsAreReportedAndChangeNothing) {
    Corner small(90, 10);
    EXPECT_THROW(small.d.AddFillet(small.along, small.other, 20), GenerationError);
    EXPECT_EQ(small.d.ElementCount(), 2);
    EXPECT_TRUE(test::near(small.line(small.along).b, {0, 0}));

    Drawing parallel;
    const ElementId p = parallel.AddLine(0, 0, 10, 0);
    const ElementId q = parallel.AddLine(0, 5, 10, 5);
    EXPECT_THROW(parallel.AddFillet(p, q, 1), GenerationError);

    Drawing withArc;
    const ElementId l = withArc.AddLine(0, 0, 10, 0);
    const ElementId arc = withArc.AddArc(0, 0, 1, 0, 90);
    EXPECT_THROW(withArc.AddFillet(l, arc, 1), GenerationError);
}

}  // namespace
}  // namespace brontaxe

namespace brontaxe {
namespace {

TEST(AddFillet, ZeroRadiusLeavesASharpCornerWithoutAnyArc) {
    Corner met;
    EXPECT_FALSE(met.d.AddFillet(met.along, met.other, 0).valid());
    EXPECT_EQ(met.d.ElementCount(), 2);
    EXPECT_TRUE(test::near(met.line(met.along).b, {0, 0}));

    // Lines short of their corner are brought to meet there.
    Drawing d;
    const ElementId a = d.AddLine(100, 0, 20, 0);
    const ElementId b = d.AddLine(0, 20, 0, 100);
    EXPECT_FALSE(d.AddFillet(a, b, 0).valid());
    EXPECT_EQ(d.ElementCount(), 2);
    EXPECT_TRUE(test::near(std::get<LineShape>(d.element(a).shape).b, {0, 0}));
    EXPECT_TRUE(test::near(std::get<LineShape>(d.element(b).shape).a, {0, 0}));

    // A zero radius against a null edge that already touches the corner is harmless too.
    Drawing null;
    const ElementId edge = null.AddLine(0, 0, 50, 0);
    const ElementId point = null.AddLine(50, 0, 50, 0);
    EXPECT_FALSE(null.AddFillet(edge, point, 0).valid());
}

TEST(AddFillet, NegativeRadiiAndNullEdgesAreReported) {
    Corner c;
    EXPECT_THROW(c.d.AddFillet(c.along, c.other, -1), GenerationError);
    Drawing d;
    const ElementId edge = d.AddLine(0, 0, 50, 0);
    const ElementId point = d.AddLine(50, 0, 50, 0);
    EXPECT_THROW(d.AddFillet(edge, point, 2), GenerationError);
    EXPECT_EQ(d.ElementCount(), 2);
}

TEST(AddFillet, TheRegisteringFilletSkipsTheRegistryWhenNoArcIsMade) {
    Corner c;
    EXPECT_FALSE(fillet(c.d, c.along, c.other, 0).valid());
    EXPECT_EQ(c.d.tracer().count(), 0);
    const ElementId arc = fillet(c.d, c.along, c.other, 5);
    EXPECT_EQ(c.d.tracer().count(), 1);
    EXPECT_EQ(c.d.tracer().id(1), arc);
}

}  // namespace
}  // namespace brontaxe
