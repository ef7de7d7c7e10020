// The one map of the plane the builders, the drawing, the editing tools and the die-line
// readers share: named maps against points and directions worked out by hand, and compositions
// whose order shows (a mirror then a turn is not a turn then a mirror).

#include "drawing/transform.h"

#include <gtest/gtest.h>

#include "support/near.h"

namespace brontaxe {
namespace {

TEST(Transform, EachMapSendsAPointAndADirectionWhereWorkedOutByHand) {
    const Point p{3, 1};
    const struct {
        const char* name;
        Transform t;
        Point image;    // of p
        double toward;  // the image of the direction 30 degrees
        bool mirrors;
    } cases[] = {
        {"identity", Transform{}, {3, 1}, 30, false},
        {"move", Transform::move({10, -2}), {13, -1}, 30, false},
        {"quarter turn", Transform::turn(90), {-1, 3}, 120, false},
        {"half turn about (1, 1)", Transform::turnAbout({1, 1}, 180), {-1, 1}, 210, false},
        {"mirror across y = 0", Transform::mirrorAcrossX(), {3, -1}, -30, true},
        {"mirror across x = 2", Transform::mirrorAcross({2, 5}, 90), {1, 1}, 150, true},
        {"mirror across y = x", Transform::mirrorAcross({0, 0}, 45), {1, 3}, 60, true},
        {"scale", Transform::scale(2, 3), {6, 3}, 30, false},
        {"scale mirroring x", Transform::scale(-1, 1), {-3, 1}, 150, true},
        {"placement mirrored, turned, moved",
         Transform::placement({100, 0}, 90, true),
         {101, 3},
         60,
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(test::near(c.t(p), c.image));
        EXPECT_NEAR(c.t.direction(30), c.toward, 1e-12);
        EXPECT_EQ(c.t.mirrors(), c.mirrors);
        EXPECT_EQ(c.t.mirrors(), c.t.det() < 0);
    }
}

// `a.then(b)` is a first: its image and its directions are b's of a's, never a's of b's.
TEST(Transform, ComposesInTheOrderWritten) {
    const Transform mirror = Transform::mirrorAcrossX();
    const Transform quarter = Transform::turn(90);
    const Transform shift = Transform::move({10, 0});
    const Point p{3, 1};
    const struct {
        const char* name;
        Transform composed;
        Point image;
        double toward;  // of 30 degrees
    } cases[] = {
        {"mirror then turn", mirror.then(quarter), {1, 3}, 60},
        {"turn then mirror", quarter.then(mirror), {-1, -3}, -120},
        {"turn then move", quarter.then(shift), {9, 3}, 120},
        {"move then turn", shift.then(quarter), {-1, 13}, 120},
        {"placement", mirror.then(quarter).then(shift), {11, 3}, 60},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(test::near(c.composed(p), c.image));
        EXPECT_NEAR(c.composed.direction(30), c.toward, 1e-12);
    }
    // The builders' placement is that same composition.
    const Transform placed = Transform::placement({10, 0}, 90, true);
    for (const Point q : {Point{3, 1}, Point{-2, 7}, Point{0.5, -4}})
        EXPECT_TRUE(test::near(placed(q), mirror.then(quarter).then(shift)(q)));
}

TEST(Transform, TellsTheMapsThatKeepCirclesAndHowMuchTheyStretch) {
    EXPECT_TRUE(Transform::turn(33).then(Transform::scale(2, -2)).keepsCircles());
    EXPECT_FALSE(Transform::scale(2, 1).keepsCircles());
    EXPECT_FALSE(Transform::scale(2, 1).then(Transform::turn(30)).keepsCircles());
    EXPECT_NEAR(Transform::scale(2, 1).then(Transform::turn(30)).stretch(), 2, 1e-12);
    EXPECT_NEAR(Transform::turn(30).stretch(), 1, 1e-12);
}

}  // namespace
}  // namespace brontaxe
