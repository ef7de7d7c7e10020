#include <gtest/gtest.h>

#include <functional>

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

// An edit and what it gives: the whole blank after it, or the refusal.
struct CutCase {
    const char* name;
    std::function<EditOutcome()> edit;
    Blank expected;         // when done
    const char* refusal{};  // when refused
};

void expectCases(const std::vector<CutCase>& cases) {
    for (const CutCase& c : cases) {
        const EditOutcome got = c.edit();
        if (c.refusal) {
            EXPECT_FALSE(got) << c.name;
            EXPECT_EQ(got.refusal, c.refusal) << c.name;
            continue;
        }
        ASSERT_TRUE(got) << c.name << ": " << got.refusal;
        EXPECT_TRUE(test::sameBlank(*got.blank, c.expected)) << c.name;
    }
}

constexpr const char* kNoCrossing = "Les éléments ne se coupent pas.";

// A vertical line through x = 5 meets a circle of radius 10 about the origin at 300° and 60°.
const Element kAtX5 = line({5, -20}, {5, 20});

TEST(Trimmed, CutBackToTheCrossingsAroundThePickedPlace) {
    const Element bridged = line({0, 0}, {100, 0}, {{10, 4}, {60, 4}, {90, 4}});
    const Element ring = arc({50, 0}, 20, 0, 360);  // meets the line at x = 30 and 70
    const Element across40 = line({40, -10}, {40, 10});
    const Element rightHalf = arc({0, 0}, 10, 270, 180);
    const Element circle = arc({0, 0}, 10, 0, 360);
    const Blank straight{bridged, across40, ring};
    expectCases({
        {"the far side of one crossing",
         [&] {
             return trimmed(straight, 0, {50, 0}, 1);
         },
         {line({0, 0}, {40, 0}, {{10, 4}}), across40, ring}},
        {"the near side",
         [&] {
             return trimmed(straight, 0, {10, 1}, 1);
         },
         {line({40, 0}, {100, 0}, {{20, 4}, {50, 4}}), across40, ring}},
        {"between two crossings: the line in two, the second piece last",
         [&] {
             return trimmed(straight, 0, {50, 0}, 2);
         },
         {line({0, 0}, {30, 0}, {{10, 4}}), across40, ring, line({70, 0}, {100, 0}, {{20, 4}})}},
        {"an arc across 0°",
         [&] {
             return trimmed({rightHalf, kAtX5}, 0, {10, 0}, 1);
         },
         {arc({0, 0}, 10, 270, 30), kAtX5, arc({0, 0}, 10, 60, 30)}},
        {"a circle, the side through 0°",
         [&] {
             return trimmed({circle, kAtX5}, 0, {10, 0}, 1);
         },
         {arc({0, 0}, 10, 60, 240), kAtX5}},
        {"a circle, the other side",
         [&] {
             return trimmed({circle, kAtX5}, 0, {-10, 0}, 1);
         },
         {arc({0, 0}, 10, 300, 120), kAtX5}},
        {"apart",
         [&] {
             return trimmed({bridged, line({0, 5}, {9, 50})}, 0, {5, 0}, 1);
         },
         {},
         kNoCrossing},
        {"a boundary at the line's end only",
         [&] {
             return trimmed({bridged, line({100, -10}, {100, 10})}, 0, {90, 0}, 1);
         },
         {},
         kNoCrossing},
        {"a circle touched once",
         [&] {
             return trimmed({circle, line({10, -5}, {10, 5})}, 0, {-10, 0}, 1);
         },
         {},
         "Un cercle s'ajuste entre deux intersections."},
        {"itself",
         [&] {
             return trimmed(straight, 0, {5, 0}, 0);
         },
         {},
         "Choisissez une limite autre que l'élément."},
        {"no such element",
         [&] {
             return trimmed(straight, 0, {5, 0}, 3);
         },
         {},
         "Élément inexistant."},
        {"a text",
         [&] {
             return trimmed({Element{TextShape{}}, bridged}, 0, {}, 1);
         },
         {},
         "Seules les droites et les arcs se modifient ainsi."},
    });
}

TEST(Extended, TheNearerEndCarriedToTheBoundary) {
    const Element short40 = line({0, 0}, {40, 0}, {{10, 4}});
    const Element wall70 = line({70, -10}, {70, 10});
    const Element ring = arc({20, 0}, 50, 0, 360);  // meets the line's whole at x = -30 and 70
    const Element flat = arc({0, 0}, 10, 340, 10);  // 340° to 350°
    expectCases({
        {"the end",
         [&] {
             return extended({short40, wall70}, 0, {35, 0}, 1);
         },
         {line({0, 0}, {70, 0}, {{10, 4}}), wall70}},
        {"the start, its bridges carried along",
         [&] {
             return extended({short40, ring}, 0, {5, 0}, 1);
         },
         {line({-30, 0}, {40, 0}, {{40, 4}}), ring}},
        {"the end, to the nearer of two crossings",
         [&] {
             return extended({short40, ring, wall70}, 0, {39, 0}, 1);
         },
         {line({0, 0}, {70, 0}, {{10, 4}}), ring, wall70}},
        {"an arc's end on, across 0°",
         [&] {
             return extended({flat, kAtX5}, 0, {9.8, -1.7}, 1);
         },
         {arc({0, 0}, 10, 340, 80), kAtX5}},
        {"an arc's start back",
         [&] {
             return extended({flat, kAtX5}, 0, {9.4, -3.4}, 1);
         },
         {arc({0, 0}, 10, 300, 50), kAtX5}},
        {"nothing behind the start",
         [&] {
             return extended({short40, wall70}, 0, {5, 0}, 1);
         },
         {},
         kNoCrossing},
        {"a boundary short of the line's way",
         [&] {
             return extended({short40, line({70, 5}, {70, 10})}, 0, {35, 0}, 1);
         },
         {},
         kNoCrossing},
        {"parallel",
         [&] {
             return extended({short40, line({0, 5}, {90, 5})}, 0, {35, 0}, 1);
         },
         {},
         kNoCrossing},
        {"a circle",
         [&] {
             return extended({arc({0, 0}, 10, 0, 360), kAtX5}, 0, {10, 0}, 1);
         },
         {},
         "Un cercle n'a pas d'extrémité à prolonger."},
    });
}

TEST(Split, InTwoAtThePointNearest) {
    const Element bridged = line({0, 0}, {100, 0}, {{20, 4}, {50, 4}, {80, 4}});
    // Bridges 20 and 10 along a circle of radius 10; the split at 90° is 5π along.
    const Element circle = arc({0, 0}, 10, 0, 360, {{10, 2}, {20, 2}});
    expectCases({
        {"a line: the bridge on the cut goes",
         [&] {
             return split({bridged}, 0, {50, 3});
         },
         {line({0, 0}, {50, 0}, {{20, 4}}), line({50, 0}, {100, 0}, {{30, 4}})}},
        {"an arc across 0°",
         [&] {
             return split({arc({0, 0}, 10, 270, 180)}, 0, {20, 0});
         },
         {arc({0, 0}, 10, 270, 90), arc({0, 0}, 10, 0, 90)}},
        {"a circle opens",
         [&] {
             return split({circle}, 0, {0, 20});
         },
         {arc({0, 0}, 10, 90, 360, {{20 - 5 * kPi, 2}, {10 + 15 * kPi, 2}})}},
        {"at an end",
         [&] {
             return split({bridged}, 0, {0, 1});
         },
         {},
         "Le point de coupe est à une extrémité de l'élément."},
        {"beyond an end",
         [&] {
             return split({bridged}, 0, {-5, 0});
         },
         {},
         "Le point de coupe est à une extrémité de l'élément."},
    });
}

TEST(Filleted, TheCornerRoundedWithThePenOfTheFirst) {
    Element crease = line({0, 0}, {50, 0});
    crease.lineKind = kind::Crease;
    crease.piece = 2;
    const Element upright = line({60, 10}, {60, 50}, {{10, 2}});
    const auto creaseTo = [&](Point a, Point b) {
        Element e = crease;
        e.shape = LineShape{a, b};
        return e;
    };
    Element fillet = arc({55, 5}, 5, 270, 90);
    fillet.lineKind = kind::Crease;
    fillet.piece = 2;
    expectCases({
        {"lines short of the corner carried on to the arc",
         [&] {
             return filleted({crease, upright}, 0, 1, 5);
         },
         {creaseTo({0, 0}, {55, 0}), line({60, 5}, {60, 50}, {{15, 2}}), fillet}},
        {"a zero radius brings them to meet",
         [&] {
             return filleted({crease, upright}, 0, 1, 0);
         },
         {creaseTo({0, 0}, {60, 0}), line({60, 0}, {60, 50}, {{20, 2}})}},
        {"already meeting",
         [&] {
             return filleted({line({0, 0}, {60, 0}), line({60, 0}, {60, 50})}, 0, 1, 0);
         },
         {},
         "Les droites se rejoignent déjà."},
        {"parallel",
         [&] {
             return filleted({crease, line({0, 5}, {50, 5})}, 0, 1, 5);
         },
         {},
         kNoCrossing},
        {"radius too large",
         [&] {
             return filleted({crease, upright}, 0, 1, 100);
         },
         {},
         "Rayon trop grand pour ces droites."},
        {"negative radius",
         [&] {
             return filleted({crease, upright}, 0, 1, -1);
         },
         {},
         "Le rayon ne peut pas être négatif."},
        {"an arc",
         [&] {
             return filleted({crease, arc({0, 0}, 5, 0, 90)}, 0, 1, 1);
         },
         {},
         "Le raccord se fait entre deux droites."},
        {"one line twice",
         [&] {
             return filleted({crease, upright}, 1, 1, 1);
         },
         {},
         "Le raccord se fait entre deux droites."},
    });
}

TEST(Offset, ACopyAtTheDistanceOnTheSideShown) {
    const Element base = line({0, 0}, {100, 0}, {{50, 4}});
    // 5π long; a bridge at 14 does not fit on the copy of radius 5.
    const Element quarter = arc({0, 0}, 10, 0, 90, {{14, 2}});
    expectCases({
        {"a line, left",
         [&] {
             return offset({base}, 0, 5, {50, 10});
         },
         {base, line({0, 5}, {100, 5}, {{50, 4}})}},
        {"a line, right",
         [&] {
             return offset({base}, 0, 5, {50, -1});
         },
         {base, line({0, -5}, {100, -5}, {{50, 4}})}},
        {"an arc, inwards",
         [&] {
             return offset({quarter}, 0, 5, {1, 1});
         },
         {quarter, arc({0, 0}, 5, 0, 90)}},
        {"an arc, outwards",
         [&] {
             return offset({quarter}, 0, 5, {20, 20});
         },
         {quarter, arc({0, 0}, 15, 0, 90, {{14, 2}})}},
        {"side on the line's way",
         [&] {
             return offset({base}, 0, 5, {150, 0});
         },
         {},
         "Indiquez le côté hors de l'élément."},
        {"side on the arc's circle",
         [&] {
             return offset({quarter}, 0, 5, {-10, 0});
         },
         {},
         "Indiquez le côté hors de l'élément."},
        {"inwards past the centre",
         [&] {
             return offset({quarter}, 0, 10, {1, 1});
         },
         {},
         "Le décalage vers le centre dépasse le rayon."},
        {"no distance",
         [&] {
             return offset({base}, 0, 0, {50, 10});
         },
         {},
         "La distance doit être positive."},
        {"negative distance",
         [&] {
             return offset({base}, 0, -5, {50, 10});
         },
         {},
         "La distance doit être positive."},
    });
}

}  // namespace
}  // namespace brontaxe::editing
