#include <gtest/gtest.h>

#include <string>

#include "editing/snapping.h"
#include "support/near.h"

namespace brontaxe::editing {
namespace {

std::vector<Element> snapBlank() {
    return {
        Element{LineShape{{0, 0}, {100, 0}}},
        Element{LineShape{{100, 0}, {100, 50}}},
        Element{LineShape{{30, -20}, {30, 20}}},
        // The right half of a circle about (0, 50): from (0, 30) through (20, 50) to (0, 70).
        Element{ArcShape{{0, 50}, 20, 270, 180}},
        Element{ArcShape{{200, 0}, 10, 0, 360}},
        Element{LineShape{{195, 10}, {215, 10}}},  // touches the circle at (200, 10)
        // A flat arc whose centre lies far from its stroke.
        Element{ArcShape{{300, 0}, 100, 0, 10}},
        Element{TextShape{{60, 60}, "A"}},
    };
}

SnapSettings with(void (*change)(SnapSettings&)) {
    SnapSettings s;
    if (change)
        change(s);
    return s;
}

TEST(FindSnap, EachKindAndThePriorityBetweenThem) {
    const std::vector<Element> blank = snapBlank();
    const struct {
        const char* name;
        Point cursor;
        SnapSettings settings;
        std::optional<Point> from;
        std::optional<Snap> expected;
    } cases[] = {
        {"end of a line", {99, 1}, {}, {}, Snap{{100, 0}, SnapKind::End}},
        {"middle of a line", {51, 1}, {}, {}, Snap{{50, 0}, SnapKind::Middle}},
        {"two lines crossing", {31, 1}, {}, {}, Snap{{30, 0}, SnapKind::Intersection}},
        {"a line touching a circle", {200.5, 9.5}, {}, {}, Snap{{200, 10}, SnapKind::Intersection}},
        {"centre of an arc", {1, 49}, {}, {}, Snap{{0, 50}, SnapKind::Centre}},
        {"centre of a flat arc, far from its stroke",
         {301, 1},
         {},
         {},
         Snap{{300, 0}, SnapKind::Centre}},
        {"middle of an arc across 0°", {21, 49}, {}, {}, Snap{{20, 50}, SnapKind::Middle}},
        {"end of an arc", {1, 31}, {}, {}, Snap{{0, 30}, SnapKind::End}},
        {"a circle has no end", {209, 1}, {}, {}, std::nullopt},
        {"just outside the aperture", {96.9, 0}, {}, {}, std::nullopt},
        {"a corner without the end snap is an intersection",
         {99, 1},
         with([](SnapSettings& s) { s.end = false; }),
         {},
         Snap{{100, 0}, SnapKind::Intersection}},
        {"nothing asked for",
         {99, 1},
         with([](SnapSettings& s) { s.end = s.middle = s.centre = s.intersection = false; }),
         {},
         std::nullopt},
        {"nearest on a circle",
         {208, 0},
         with([](SnapSettings& s) { s.nearest = true; }),
         {},
         Snap{{210, 0}, SnapKind::Nearest}},
        {"an end wins over a nearer nearest point",
         {98, 1},
         with([](SnapSettings& s) { s.nearest = true; }),
         {},
         Snap{{100, 0}, SnapKind::End}},
        {"perpendicular foot on a line",
         {71, 1},
         {},
         Point{70, 30},
         Snap{{70, 0}, SnapKind::Perpendicular}},
        {"perpendicular foot on an arc",
         {15, 36},
         {},
         Point{-30, 80},
         Snap{{14.1421356, 35.8578644}, SnapKind::Perpendicular}},
        {"no foot past a line's end", {149, 1}, {}, Point{150, 30}, std::nullopt},
        {"perpendicular wins over a nearer nearest point",
         {70.5, 1.5},
         with([](SnapSettings& s) { s.nearest = true; }),
         Point{72, 30},
         Snap{{72, 0}, SnapKind::Perpendicular}},
        {"grid",
         {141, 39},
         with([](SnapSettings& s) { s.grid = true; }),
         {},
         Snap{{140, 40}, SnapKind::Grid}},
        {"grid point out of the aperture",
         {145, 35},
         with([](SnapSettings& s) { s.grid = true; }),
         {},
         std::nullopt},
        {"nearest and grid: the nearer",
         {41, 1},
         with([](SnapSettings& s) { s.grid = s.nearest = true; }),
         {},
         Snap{{41, 0}, SnapKind::Nearest}},
        {"texts do not snap",
         {60, 60},
         with([](SnapSettings& s) { s.nearest = true; }),
         {},
         std::nullopt},
    };
    for (const auto& c : cases) {
        const std::optional<Snap> got = findSnap(blank, c.cursor, c.settings, c.from);
        ASSERT_EQ(got.has_value(), c.expected.has_value()) << c.name;
        if (!got)
            continue;
        EXPECT_EQ(got->kind, c.expected->kind) << c.name;
        EXPECT_TRUE(test::near(got->at, c.expected->at, 1e-6)) << c.name;
    }
}

TEST(SnapName, TheFrenchNameOfEachKind) {
    const std::pair<SnapKind, std::string> names[] = {
        {SnapKind::End, "Extrémité"},
        {SnapKind::Middle, "Milieu"},
        {SnapKind::Centre, "Centre"},
        {SnapKind::Intersection, "Intersection"},
        {SnapKind::Perpendicular, "Perpendiculaire"},
        {SnapKind::Nearest, "Proche"},
        {SnapKind::Grid, "Grille"},
    };
    for (const auto& [kind, name] : names)
        EXPECT_EQ(snapName(kind), name);
}

}  // namespace
}  // namespace brontaxe::editing
