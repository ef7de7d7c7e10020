#include <gtest/gtest.h>

#include "editing/coordinate_entry.h"
#include "support/near.h"

namespace brontaxe::editing {
namespace {

constexpr const char* kTooFar =
    "Point trop loin : 1 000 000 mm au plus de l'origine sur chaque axe";
constexpr const char* kExpected = "Coordonnées attendues : x;y, @dx;dy ou @longueur<angle";

TEST(ParsePoint, AbsoluteRelativeAndPolarWithTheDecimalComma) {
    const struct {
        const char* text;
        std::optional<Point> last;
        std::optional<Point> expected;
        const char* refusal;
    } cases[] = {
        {"10;20", std::nullopt, Point{10, 20}, ""},
        {" 12,5 ; -3.5 ", std::nullopt, Point{12.5, -3.5}, ""},
        {"10;20", Point{5, 5}, Point{10, 20}, ""},  // absolute whatever came before
        {"@5;-5", Point{10, 10}, Point{15, 5}, ""},
        {"@10<90", Point{1, 1}, Point{1, 11}, ""},
        {"@ 10 < 180", Point{0, 0}, Point{-10, 0}, ""},
        {"@2,5<-90", Point{0, 0}, Point{0, -2.5}, ""},
        {"@5;5", std::nullopt, std::nullopt, "Pas de point précédent : tapez x;y"},
        {"@5<0", std::nullopt, std::nullopt, "Pas de point précédent : tapez x;y"},
        // The comma is the decimal mark: one number, not two.
        {"10,20", std::nullopt, std::nullopt, kExpected},
        {"10;20;30", std::nullopt, std::nullopt, kExpected},
        {"", std::nullopt, std::nullopt, kExpected},
        {"abc;1", std::nullopt, std::nullopt, kExpected},
        {"@<90", Point{0, 0}, std::nullopt, kExpected},
        {"@10<", Point{0, 0}, std::nullopt, kExpected},
        {"10 mm;20", std::nullopt, std::nullopt, kExpected},
        {"1.234,5;0", std::nullopt, std::nullopt, kExpected},
        {"10<90", Point{0, 0}, std::nullopt, kExpected},  // polar only from the last point
        {"1000000;-1000000", std::nullopt, Point{1e6, -1e6}, ""},
        {"1000001;0", std::nullopt, std::nullopt, kTooFar},
        {"@1e308;0", Point{1e308, 0}, std::nullopt, kTooFar},  // would overflow to infinity
    };
    for (const auto& c : cases) {
        const TypedPoint got = parsePoint(c.text, c.last);
        ASSERT_EQ(got.point.has_value(), c.expected.has_value()) << '"' << c.text << '"';
        if (got.point) {
            EXPECT_TRUE(test::near(*got.point, *c.expected, 1e-9)) << '"' << c.text << '"';
        }
        EXPECT_EQ(got.refusal, c.refusal) << '"' << c.text << '"';
    }
}

TEST(ParseValue, OneNumberOrARefusal) {
    const struct {
        const char* text;
        std::optional<double> expected;
    } cases[] = {
        {"12,5", 12.5},     {" 3 ", 3},
        {"-2.25", -2.25},   {"x", std::nullopt},
        {"", std::nullopt}, {"5;5", std::nullopt},
        {"-1000000", -1e6}, {"1e308", std::nullopt},
    };
    for (const auto& c : cases) {
        const TypedValue got = parseValue(c.text);
        EXPECT_EQ(got.value, c.expected) << '"' << c.text << '"';
        EXPECT_EQ(got.refusal.empty(), c.expected.has_value()) << '"' << c.text << '"';
    }
}

}  // namespace
}  // namespace brontaxe::editing
