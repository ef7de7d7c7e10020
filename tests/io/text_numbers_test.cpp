#include "io/text_numbers.h"

#include <gtest/gtest.h>

namespace brontaxe::io {
namespace {

// Four decimals and a period; a coordinate that rounds to nothing is never written "-0.0000",
// which some die-making programs read as a different point from "0.0000".
TEST(TextNumbers, CoordinatesHaveFourDecimalsAndNoNegativeZero) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.0, "0.0000"},     {-0.0, "0.0000"},  {-0.00004, "0.0000"},
        {1.23456, "1.2346"}, {-2.5, "-2.5000"}, {1436, "1436.0000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(coordinate(c.value), c.text) << c.value;
}

}  // namespace
}  // namespace brontaxe::io
