#include "support/shipped_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "board/data_directory.h"

namespace brontaxe::test {

BoardTables shippedTables() {
    const platform::EnvironmentLookup noEnvironment = [](const char*) {
        return std::optional<std::string>();
    };
    BoardTables tables(shippedDataDirectory(noEnvironment));
    EXPECT_EQ(tables.readGrades(), std::nullopt);
    EXPECT_EQ(tables.readAllowances(), std::nullopt);
    return tables;
}

AllowanceValues shippedAllowances(const BoardTables& tables, std::int16_t code, int grade) {
    AllowanceValues a{};
    tables.findAllowances(code, static_cast<std::int16_t>(grade), tables.gradeThickness(grade), a);
    return a;
}

BlankSize blank0201(const AllowanceValues& majo, float lengthText, float widthText,
                    float heightText, float lgPatte) {
    const float flapBase = std::nearbyint(widthText / 2 - 0.1f);
    BlankSize s;
    s.x = lgPatte + 2 * lengthText + 2 * widthText + majo[1] + majo[2] + majo[3] + majo[4];
    s.y = heightText + majo[5] + 2 * (flapBase + std::max(majo[6], majo[7]));
    return s;
}

}  // namespace brontaxe::test
