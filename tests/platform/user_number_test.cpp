#include "platform/user_number.h"

#include <gtest/gtest.h>

#include <optional>

namespace brontaxe::platform {
namespace {

TEST(ReadUserNumber, TheWholeTextIsOneNumberWithAPointOrAComma) {
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"400", 400},
        {" 12.5 ", 12.5},
        {"12,5", 12.5},  // the French decimal mark
        {"-5", -5},
        {"+3", 3},
        {",5", 0.5},
        {"7.", 7},
        {"1e3", 1000},
        {"0400", 400},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"abc", std::nullopt},
        {"12 mm", std::nullopt},  // words after the number
        {"1.234,5", std::nullopt},
        {"1,2,3", std::nullopt},
        {"--5", std::nullopt},
        {"1e", std::nullopt},
        {"1e999", std::nullopt},  // not finite
        {".", std::nullopt},
        {"12,5abc", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readUserNumber(c.text), c.value) << '"' << c.text << '"';
}

}  // namespace
}  // namespace brontaxe::platform
