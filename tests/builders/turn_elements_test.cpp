#include "builders/turn_elements.h"

#include <gtest/gtest.h>

#include "builders/emit.h"
#include "drawing/pen_scope.h"
#include "support/near.h"
#include "support/outline.h"
#include "support/style_fixture.h"

namespace brontaxe {
namespace {

// A crease from (10, 0) to (30, 0), a cut arc of radius 5 centred (20, 10) from 0 over 90
// degrees, and a cut from (40, 0) to (40, 20); only the first two are turned.
struct Turned {
    test::Generated g;
    ElementId crease, arcId, untouched;

    Turned(float cx, float cy, float angle) {
        GenerationPass pass(g.d);
        PenScope pen(g.d, kind::Crease);
        crease = line(g.d, 10, 0, 30, 0);
        pen.setKind(kind::Cut);
        arcId = arc(g.d, {20, 10}, 5, 0, 90);
        untouched = line(g.d, 40, 0, 40, 20);
        TurnElements(g.d, {.first = 1, .last = 2, .cx = cx, .cy = cy, .angle = angle});
    }
};

TEST(TurnElements, TurnsLinesAndArcsAboutTheCentreInPlace) {
    struct Case {
        const char* name;
        float cx, cy, angle;
        Point creaseA, creaseB, arcCentre;
        double arcStart;
    };
    const Case cases[] = {
        {"quarter about the origin", 0, 0, 90, {0, 10}, {0, 30}, {-10, 20}, 90},
        {"half turn about the crease's middle", 20, 0, 180, {30, 0}, {10, 0}, {20, -10}, 180},
        {"quarter back about a point", 20, 10, -90, {10, 20}, {10, 0}, {20, 10}, 270},
        {"full turn", 5, 5, 360, {10, 0}, {30, 0}, {20, 10}, 0},
    };
    for (const Case& c : cases) {
        Turned t(c.cx, c.cy, c.angle);
        const auto creases = test::linesOfKind(t.g.d, kind::Crease);
        ASSERT_EQ(creases.size(), 1u) << c.name;
        const bool same =
            areNear(creases[0].a, c.creaseA, 1e-6) && areNear(creases[0].b, c.creaseB, 1e-6);
        const bool swapped =
            areNear(creases[0].a, c.creaseB, 1e-6) && areNear(creases[0].b, c.creaseA, 1e-6);
        EXPECT_TRUE(same || swapped) << c.name;
        const auto arcs = test::arcsOfKind(t.g.d, kind::Cut);
        ASSERT_EQ(arcs.size(), 1u) << c.name;
        EXPECT_TRUE(test::near(arcs[0].centre, c.arcCentre, 1e-6)) << c.name;
        EXPECT_NEAR(arcs[0].radius, 5, 1e-9) << c.name;
        EXPECT_NEAR(std::fmod(arcs[0].startDeg + 360, 360), c.arcStart, 1e-6) << c.name;
        // Nothing added, nothing else moved.
        EXPECT_EQ(t.g.d.ElementCount(), 3) << c.name;
        EXPECT_EQ(t.g.d.tracer().count(), 3) << c.name;
        EXPECT_NEAR(t.g.d.ElementX(t.untouched), 40, 1e-9) << c.name;
        EXPECT_NEAR(t.g.d.ElementY(t.untouched), 10, 1e-9) << c.name;
    }
}

}  // namespace
}  // namespace brontaxe
