// The cap with marked corner wings: its outline, the marked cuts set back by the board
// thickness, and its creases.

#include <gtest/gtest.h>

#include <algorithm>

#include "builders/winged_cap.h"
#include "platform/errors.h"
#include "support/builder_bodies.h"
#include "support/near.h"
#include "support/outline.h"

namespace brontaxe {
namespace {

int countVariant(const Drawing& d, LineKind lineKind, std::int16_t variant) {
    return static_cast<int>(std::count_if(
        d.elements().begin(), d.elements().end(),
        [&](const Element& e) { return e.lineKind == lineKind && e.lineVariant == variant; }));
}

struct CapCase {
    const char* name;
    WingedCapShape cap;
    int marked;   // marked cuts
    int creases;  // creases
};

void PrintTo(const CapCase& c, std::ostream* os) {
    *os << c.name;
}

class MarkedCapShape : public ::testing::TestWithParam<CapCase> {};

TEST_P(MarkedCapShape, IsClosedWithItsMarkedCutsAndCreasesAndReachesItsSize) {
    const CapCase& c = GetParam();
    test::Built g;
    g.settings.thickness = 4;
    WingedCap(g.d, c.cap, g.settings.thickness);
    EXPECT_TRUE(test::cutOutlineIsClosed(g.d));
    EXPECT_TRUE(test::noLineDrawnTwice(g.d));
    EXPECT_TRUE(test::noLineDrawnTwice(g.d, kind::Crease));
    EXPECT_EQ(countVariant(g.d, kind::Cut, 2), c.marked);
    EXPECT_EQ(countVariant(g.d, kind::Crease, 1), c.creases);
    EXPECT_EQ(countVariant(g.d, kind::Crease, 2), 0);
    EXPECT_EQ(g.d.tracer().count(), g.d.ElementCount());
    const Box box = g.d.extents();
    EXPECT_NEAR(box.xmax, markedCapHalfLength(c.cap), 1e-4);
    EXPECT_NEAR(box.xmin, -markedCapHalfLength(c.cap), 1e-4);
    EXPECT_NEAR(box.ymax, markedCapHalfWidth(c.cap), 1e-4);
    EXPECT_NEAR(box.ymin, -markedCapHalfWidth(c.cap), 1e-4);
    EXPECT_EQ(g.d.lineStyle(), LineStyle{});  // put back for the next builder
}

INSTANTIATE_TEST_SUITE_P(
    Builders, MarkedCapShape,
    ::testing::Values(CapCase{"SingleWalls", {200, 150, 60, 60, 0}, 4, 12},
                      CapCase{"DoubleWalls", {200, 150, 60, 60, 56}, 12, 16},
                      CapCase{"WingsWiderThanTheWalls", {200, 150, 60, 90, 0}, 4, 12}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WingedCap, TheWingClearsTheSideWallByTheBoardThickness) {
    test::Built g;
    g.settings.thickness = 4;
    WingedCap(g.d, WingedCapShape{200, 150, 60, 50, 0}, g.settings.thickness);
    // The wing's top runs from the end wall's edge back to a + e, then the marked cut slants
    // down to the base corner.
    const auto tops = test::horizontalLinesAt(g.d, kind::Cut, 150 + 50);
    ASSERT_EQ(tops.size(), 2u);
    EXPECT_NEAR(std::min(tops[1].a.x, tops[1].b.x), 204, 1e-4);
    EXPECT_NEAR(std::max(tops[1].a.x, tops[1].b.x), 260, 1e-4);
    bool slit = false;
    for (const Element& e : g.d.elements()) {
        const auto* l = std::get_if<LineShape>(&e.shape);
        slit = slit || (l && e.lineVariant == 2 && areNear(l->a, Point{204, 200}) &&
                        areNear(l->b, Point{200, 150}));
    }
    EXPECT_TRUE(slit);
    // The wing folds on the end wall's edge.
    EXPECT_EQ(test::horizontalLinesAt(g.d, kind::Crease, 150).size(), 4u);
}

TEST(WingedCap, RefusesACapThatCannotBeFolded) {
    for (const WingedCapShape& bad :
         {WingedCapShape{100, 80, 0, 30, 0}, WingedCapShape{2, 80, 40, 30, 0},
          WingedCapShape{100, 80, 40, 0, 0}, WingedCapShape{100, 80, 40, 30, -5}}) {
        test::Built g;
        EXPECT_THROW(WingedCap(g.d, bad, g.settings.thickness), GenerationError);
        EXPECT_EQ(g.d.ElementCount(), 0);
    }
}

}  // namespace
}  // namespace brontaxe
