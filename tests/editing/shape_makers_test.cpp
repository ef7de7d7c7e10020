#include <gtest/gtest.h>

#include <functional>

#include "editing/shape_makers.h"
#include "support/element_dump.h"

namespace brontaxe::editing {
namespace {

struct MakerCase {
    const char* name;
    std::function<MadeShapes()> make;
    std::vector<std::string> shapes;  // as dumped, worked out by hand
};

TEST(ShapeMakers, ShapesFromThePointsGiven) {
    const double d45 = 5 + 10 / std::sqrt(2.0);  // on the circle of radius 10 about (5, 5) at 45°
    const MakerCase cases[] = {
        {"line",
         [] {
             return lineBetween({0, 0}, {10, 0});
         },
         {"LINE k1 v1 p1 (0.00,0.00) (10.00,0.00)"}},
        {"polyline passes over a repeated point",
         [] {
             return polylineThrough({{0, 0}, {10, 0}, {10, 0}, {10, 5}});
         },
         {"LINE k1 v1 p1 (0.00,0.00) (10.00,0.00)", "LINE k1 v1 p1 (10.00,0.00) (10.00,5.00)"}},
        {"arc through three points counter-clockwise",
         [=] {
             return arcThroughThreePoints({15, 5}, {d45, d45}, {5, 15});
         },
         {"ARC k1 v1 p1 c(5.00,5.00) r10.00 a0.00 s90.00"}},
        {"the same arc given clockwise is stored from its other end",
         [=] {
             return arcThroughThreePoints({5, 15}, {d45, d45}, {15, 5});
         },
         {"ARC k1 v1 p1 c(5.00,5.00) r10.00 a0.00 s90.00"}},
        {"lower half circle given clockwise",
         [] {
             return arcThroughThreePoints({10, 0}, {0, -10}, {-10, 0});
         },
         {"ARC k1 v1 p1 c(0.00,0.00) r10.00 a180.00 s180.00"}},
        {"arc from centre: the end gives only a direction",
         [] {
             return arcFromCentre({0, 0}, {10, 0}, {0, 5});
         },
         {"ARC k1 v1 p1 c(0.00,0.00) r10.00 a0.00 s90.00"}},
        {"arc from centre the long way round",
         [] {
             return arcFromCentre({0, 0}, {0, 10}, {10, 0});
         },
         {"ARC k1 v1 p1 c(0.00,0.00) r10.00 a90.00 s270.00"}},
        {"circle",
         [] {
             return circleAt({1, 2}, 5);
         },
         {"ARC k1 v1 p1 c(1.00,2.00) r5.00 a0.00 s360.00"}},
        {"rectangle from any two opposite corners",
         [] {
             return rectangleBetween({10, 20}, {0, 0});
         },
         {"LINE k1 v1 p1 (0.00,0.00) (10.00,0.00)", "LINE k1 v1 p1 (10.00,0.00) (10.00,20.00)",
          "LINE k1 v1 p1 (10.00,20.00) (0.00,20.00)", "LINE k1 v1 p1 (0.00,20.00) (0.00,0.00)"}},
        {"rounded rectangle",
         [] {
             return roundedRectangleBetween({0, 0}, {40, 20}, 5);
         },
         {"LINE k1 v1 p1 (5.00,0.00) (35.00,0.00)",
          "ARC k1 v1 p1 c(35.00,5.00) r5.00 a270.00 s90.00",
          "LINE k1 v1 p1 (40.00,5.00) (40.00,15.00)",
          "ARC k1 v1 p1 c(35.00,15.00) r5.00 a0.00 s90.00",
          "LINE k1 v1 p1 (35.00,20.00) (5.00,20.00)",
          "ARC k1 v1 p1 c(5.00,15.00) r5.00 a90.00 s90.00",
          "LINE k1 v1 p1 (0.00,15.00) (0.00,5.00)",
          "ARC k1 v1 p1 c(5.00,5.00) r5.00 a180.00 s90.00"}},
        {"a hand-hole: the short sides taken whole by the corners",
         [] {
             return roundedRectangleBetween({40, 20}, {0, 0}, 10);
         },
         {"LINE k1 v1 p1 (10.00,0.00) (30.00,0.00)",
          "ARC k1 v1 p1 c(30.00,10.00) r10.00 a270.00 s90.00",
          "ARC k1 v1 p1 c(30.00,10.00) r10.00 a0.00 s90.00",
          "LINE k1 v1 p1 (30.00,20.00) (10.00,20.00)",
          "ARC k1 v1 p1 c(10.00,10.00) r10.00 a90.00 s90.00",
          "ARC k1 v1 p1 c(10.00,10.00) r10.00 a180.00 s90.00"}},
        {"rounded rectangle of radius 0 is the plain one",
         [] {
             return roundedRectangleBetween({0, 0}, {10, 20}, 0);
         },
         {"LINE k1 v1 p1 (0.00,0.00) (10.00,0.00)", "LINE k1 v1 p1 (10.00,0.00) (10.00,20.00)",
          "LINE k1 v1 p1 (10.00,20.00) (0.00,20.00)", "LINE k1 v1 p1 (0.00,20.00) (0.00,0.00)"}},
    };
    for (const auto& c : cases) {
        const MadeShapes made = c.make();
        EXPECT_EQ(made.refusal, "") << c.name;
        EXPECT_EQ(test::dumped(made.shapes), c.shapes) << c.name;
    }
}

TEST(ShapeMakers, RefusalsSayWhy) {
    const std::pair<std::function<MadeShapes()>, const char*> cases[] = {
        {[] {
             return lineBetween({3, 4}, {3, 4});
         },
         "Les deux points sont confondus."},
        {[] {
             return polylineThrough({{3, 4}});
         },
         "Il faut au moins deux points."},
        {[] {
             return polylineThrough({{3, 4}, {3, 4}});
         },
         "Les points sont tous confondus."},
        {[] {
             return arcThroughThreePoints({0, 0}, {5, 5}, {10, 10});
         },
         "Les trois points sont alignés."},
        {[] {
             return arcThroughThreePoints({0, 0}, {0, 0}, {10, 10});
         },
         "Deux des trois points sont confondus."},
        {[] {
             return arcFromCentre({1, 1}, {1, 1}, {5, 1});
         },
         "Le point est confondu avec le centre."},
        {[] {
             return arcFromCentre({0, 0}, {10, 0}, {3, 0});
         },
         "Le départ et l'arrivée sont dans la même direction."},
        {[] {
             return circleAt({0, 0}, 0);
         },
         "Le rayon doit être positif."},
        {[] {
             return circleAt({0, 0}, -2);
         },
         "Le rayon doit être positif."},
        {[] {
             return rectangleBetween({0, 5}, {10, 5});
         },
         "Les deux coins sont sur une même horizontale ou verticale."},
        {[] {
             return roundedRectangleBetween({0, 0}, {40, 20}, 10.5);
         },
         "Le rayon est trop grand pour ce rectangle."},
        {[] {
             return roundedRectangleBetween({0, 0}, {40, 20}, -1);
         },
         "Le rayon ne peut pas être négatif."},
    };
    for (const auto& [make, why] : cases) {
        const MadeShapes made = make();
        EXPECT_EQ(made.refusal, why);
        EXPECT_TRUE(made.shapes.empty()) << why;
    }
}

}  // namespace
}  // namespace brontaxe::editing
