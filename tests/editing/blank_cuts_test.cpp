#include <gtest/gtest.h>

#include "editing/blank_edits.h"
#include "support/blank_match.h"

namespace brontaxe::editing {
namespace {

using test::cut;

Element line(Point a, Point b, std::vector<Bridge> bridges = {}) {
    return cut(LineShape{a, b}, std::move(bridges));
}
Element arc(Point centre, double radius, double start, double sweep,
            std::vector<Bridge> bridges = {}) {
    return cut(ArcShape{centre, radius, start, sweep}, std::move(bridges));
}

// The whole blank after the edit (`refusal` null), or the refusal.
void expectOutcome(const EditOutcome& got, const Blank& expected, const char* refusal,
                   const char* name) {
    if (refusal) {
        EXPECT_FALSE(got) << name;
        EXPECT_EQ(got.refusal, refusal) << name;
        return;
    }
    ASSERT_TRUE(got) << name << ": " << got.refusal;
    EXPECT_TRUE(test::sameBlank(*got.blank, expected)) << name;
}

// Trim and extend: element `target` picked at `at`, up to element `boundary`.
struct ToBoundary {
    const char* name;
    Blank before;
    std::size_t target;
    Point at;
    std::size_t boundary;
    Blank expected;
    const char* refusal = nullptr;
};

constexpr const char* kNoCrossing = "Les éléments ne se coupent pas.";
constexpr const char* kNoLength = "L'élément est de longueur nulle.";

// A vertical line through x = 5 meets a circle of radius 10 about the origin at 300° and 60°.
const Element kAtX5 = line({5, -20}, {5, 20});

TEST(Trimmed, CutBackToTheCrossingsAroundThePickedPlace) {
    const Element bridged = line({0, 0}, {100, 0}, {{10, 4}, {60, 4}, {90, 4}});
    const Element ring = arc({50, 0}, 20, 0, 360);  // meets the line at x = 30 and 70
    const Element across40 = line({40, -10}, {40, 10});
    const Element circle = arc({0, 0}, 10, 0, 360);
    const Blank straight{bridged, across40, ring};
    const ToBoundary cases[] = {
        {"the far side of one crossing",
         straight,
         0,
         {50, 0},
         1,
         {line({0, 0}, {40, 0}, {{10, 4}}), across40, ring}},
        {"the near side",
         straight,
         0,
         {10, 1},
         1,
         {line({40, 0}, {100, 0}, {{20, 4}, {50, 4}}), across40, ring}},
        {"between two crossings: the line in two, the second piece last",
         straight,
         0,
         {50, 0},
         2,
         {line({0, 0}, {30, 0}, {{10, 4}}), across40, ring, line({70, 0}, {100, 0}, {{20, 4}})}},
        {"an arc across 0°",
         {arc({0, 0}, 10, 270, 180), kAtX5},
         0,
         {10, 0},
         1,
         {arc({0, 0}, 10, 270, 30), kAtX5, arc({0, 0}, 10, 60, 30)}},
        {"a circle, the side through 0°",
         {circle, kAtX5},
         0,
         {10, 0},
         1,
         {arc({0, 0}, 10, 60, 240), kAtX5}},
        {"a circle, the other side",
         {circle, kAtX5},
         0,
         {-10, 0},
         1,
         {arc({0, 0}, 10, 300, 120), kAtX5}},
        {"apart", {bridged, line({0, 5}, {9, 50})}, 0, {5, 0}, 1, {}, kNoCrossing},
        {"a boundary at the line's end only",
         {bridged, line({100, -10}, {100, 10})},
         0,
         {90, 0},
         1,
         {},
         kNoCrossing},
        {"a circle touched once",
         {circle, line({10, -5}, {10, 5})},
         0,
         {-10, 0},
         1,
         {},
         "Un cercle s'ajuste entre deux intersections."},
        {"itself", straight, 0, {5, 0}, 0, {}, "Choisissez une limite autre que l'élément."},
        {"no such element", straight, 0, {5, 0}, 3, {}, "Élément inexistant."},
        {"a text",
         {Element{TextShape{}}, bridged},
         0,
         {},
         1,
         {},
         "Seules les droites et les arcs se modifient ainsi."},
        {"an arc of no radius", {arc({0, 0}, 0, 0, 90), kAtX5}, 0, {}, 1, {}, kNoLength},
    };
    for (const ToBoundary& c : cases)
        expectOutcome(trimmed(c.before, c.target, c.at, c.boundary), c.expected, c.refusal, c.name);
}

TEST(Extended, TheNearerEndCarriedToTheBoundary) {
    const Element short40 = line({0, 0}, {40, 0}, {{10, 4}});
    const Element wall70 = line({70, -10}, {70, 10});
    const Element ring = arc({20, 0}, 50, 0, 360);  // meets the line's whole at x = -30 and 70
    const Element flat = arc({0, 0}, 10, 340, 10);  // 340° to 350°
    const ToBoundary cases[] = {
        {"the end", {short40, wall70}, 0, {35, 0}, 1, {line({0, 0}, {70, 0}, {{10, 4}}), wall70}},
        {"the start, its bridges carried along",
         {short40, ring},
         0,
         {5, 0},
         1,
         {line({-30, 0}, {40, 0}, {{40, 4}}), ring}},
        {"the end, to the nearer of two crossings",
         {short40, ring, wall70},
         0,
         {39, 0},
         1,
         {line({0, 0}, {70, 0}, {{10, 4}}), ring, wall70}},
        {"an arc's end on, across 0°",
         {flat, kAtX5},
         0,
         {9.8, -1.7},
         1,
         {arc({0, 0}, 10, 340, 80), kAtX5}},
        {"an arc's start back",
         {flat, kAtX5},
         0,
         {9.4, -3.4},
         1,
         {arc({0, 0}, 10, 300, 50), kAtX5}},
        {"nothing behind the start", {short40, wall70}, 0, {5, 0}, 1, {}, kNoCrossing},
        {"a boundary short of the line's way",
         {short40, line({70, 5}, {70, 10})},
         0,
         {35, 0},
         1,
         {},
         kNoCrossing},
        {"parallel", {short40, line({0, 5}, {90, 5})}, 0, {35, 0}, 1, {}, kNoCrossing},
        {"a circle",
         {arc({0, 0}, 10, 0, 360), kAtX5},
         0,
         {10, 0},
         1,
         {},
         "Un cercle n'a pas d'extrémité à prolonger."},
        {"a line of no length, which has no way to go",
         {line({5, 5}, {5, 5}), wall70},
         0,
         {5, 5},
         1,
         {},
         kNoLength},
    };
    for (const ToBoundary& c : cases)
        expectOutcome(extended(c.before, c.target, c.at, c.boundary), c.expected, c.refusal,
                      c.name);
}

TEST(Split, InTwoAtThePointNearest) {
    const Element bridged = line({0, 0}, {100, 0}, {{20, 4}, {50, 4}, {80, 4}});
    // Bridges 10 and 20 along a circle of radius 10; the split at 90° is 5π along.
    const Element circle = arc({0, 0}, 10, 0, 360, {{10, 2}, {20, 2}});
    const char* atAnEnd = "Le point de coupe est à une extrémité de l'élément.";
    const struct {
        const char* name;
        Element before;
        Point at;
        Blank expected;
        const char* refusal = nullptr;
    } cases[] = {
        {"a line: the bridge on the cut goes",
         bridged,
         {50, 3},
         {line({0, 0}, {50, 0}, {{20, 4}}), line({50, 0}, {100, 0}, {{30, 4}})}},
        {"an arc across 0°",
         arc({0, 0}, 10, 270, 180),
         {20, 0},
         {arc({0, 0}, 10, 270, 90), arc({0, 0}, 10, 0, 90)}},
        {"a circle opens",
         circle,
         {0, 20},
         {arc({0, 0}, 10, 90, 360, {{20 - 5 * kPi, 2}, {10 + 15 * kPi, 2}})}},
        {"at an end", bridged, {0, 1}, {}, atAnEnd},
        {"beyond an end", bridged, {-5, 0}, {}, atAnEnd},
    };
    for (const auto& c : cases)
        expectOutcome(split({c.before}, 0, c.at), c.expected, c.refusal, c.name);
}

TEST(Filleted, TheCornerRoundedWithThePenOfTheFirst) {
    Element crease = line({0, 0}, {50, 0});
    crease.lineKind = kind::Crease;
    crease.piece = 2;
    const auto creaseAs = [&](Shape s) {
        Element e = crease;
        e.shape = s;
        return e;
    };
    const Element upright = line({60, 10}, {60, 50}, {{10, 2}});
    const char* notLines = "Le raccord se fait entre deux droites.";
    const struct {
        const char* name;
        Blank before;
        std::size_t second;
        double radius;
        Blank expected;
        const char* refusal = nullptr;
    } cases[] = {
        {"lines short of the corner carried on to the arc",
         {crease, upright},
         1,
         5,
         {creaseAs(LineShape{{0, 0}, {55, 0}}), line({60, 5}, {60, 50}, {{15, 2}}),
          creaseAs(ArcShape{{55, 5}, 5, 270, 90})}},
        {"a zero radius brings them to meet",
         {crease, upright},
         1,
         0,
         {creaseAs(LineShape{{0, 0}, {60, 0}}), line({60, 0}, {60, 50}, {{20, 2}})}},
        {"already meeting",
         {line({0, 0}, {60, 0}), line({60, 0}, {60, 50})},
         1,
         0,
         {},
         "Les droites se rejoignent déjà."},
        {"parallel", {crease, line({0, 5}, {50, 5})}, 1, 5, {}, kNoCrossing},
        {"radius too large", {crease, upright}, 1, 100, {}, "Rayon trop grand pour ces droites."},
        {"negative radius", {crease, upright}, 1, -1, {}, "Le rayon ne peut pas être négatif."},
        {"an arc", {crease, arc({0, 0}, 5, 0, 90)}, 1, 1, {}, notLines},
        {"one line twice", {crease, upright}, 0, 1, {}, notLines},
    };
    for (const auto& c : cases)
        expectOutcome(filleted(c.before, 0, c.second, c.radius), c.expected, c.refusal, c.name);
}

TEST(Offset, ACopyAtTheDistanceOnTheSideShown) {
    const Element base = line({0, 0}, {100, 0}, {{50, 4}});
    // 5π long; a bridge at 14 does not fit on the copy of radius 5.
    const Element quarter = arc({0, 0}, 10, 0, 90, {{14, 2}});
    const char* noSide = "Indiquez le côté hors de l'élément.";
    const char* noDistance = "La distance doit être positive.";
    const struct {
        const char* name;
        Element before;
        double distance;
        Point side;
        std::optional<Element> copy;
        const char* refusal = nullptr;
    } cases[] = {
        {"a line, left", base, 5, {50, 10}, line({0, 5}, {100, 5}, {{50, 4}})},
        {"a line, right", base, 5, {50, -1}, line({0, -5}, {100, -5}, {{50, 4}})},
        {"an arc, inwards", quarter, 5, {1, 1}, arc({0, 0}, 5, 0, 90)},
        {"an arc, outwards", quarter, 5, {20, 20}, arc({0, 0}, 15, 0, 90, {{14, 2}})},
        {"side on the line's way", base, 5, {150, 0}, {}, noSide},
        {"side on the arc's circle", quarter, 5, {-10, 0}, {}, noSide},
        {"inwards past the centre",
         quarter,
         10,
         {1, 1},
         {},
         "Le décalage vers le centre dépasse le rayon."},
        {"no distance", base, 0, {50, 10}, {}, noDistance},
        {"negative distance", base, -5, {50, 10}, {}, noDistance},
    };
    for (const auto& c : cases) {
        const Blank expected = c.copy ? Blank{c.before, *c.copy} : Blank{};
        expectOutcome(offset({c.before}, 0, c.distance, c.side), expected, c.refusal, c.name);
    }
}

}  // namespace
}  // namespace brontaxe::editing
