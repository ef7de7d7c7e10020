#include <gtest/gtest.h>

#include "drawing/element.h"
#include "drawing/line_kind_names.h"
#include "resources/string_table.h"

namespace brontaxe {
namespace {

// The properties panel and the reports name the stroke kinds as the display filters list them
// (strings 1401 to 1405), in that order.
TEST(StrokeKindNames, AsTheFiltersListThem) {
    const std::pair<LineKind, int> filters[] = {{kind::Cut, 1401},
                                                {kind::Crease, 1402},
                                                {kind::Perforation, 1403},
                                                {kind::HalfCut, 1404},
                                                {kind::PerforatedCrease, 1405}};
    const auto names = strokeKindNames();
    ASSERT_EQ(names.size(), std::size(filters));
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(names[i].lineKind, filters[i].first);
        EXPECT_EQ(names[i].name, StringTable::builtIn().text(filters[i].second));
        EXPECT_STREQ(strokeKindName(filters[i].first), names[i].name);
    }
    for (const LineKind other : {kind::Auxiliary, kind::SectionLine, kind::Text})
        EXPECT_EQ(strokeKindName(other), nullptr) << lineKindNumber(other);
}

}  // namespace
}  // namespace brontaxe
