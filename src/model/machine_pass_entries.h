#pragma once
// Where each machine pass stands in `Model::PassesMachine`. Across the blank run five columns:
// the glue tab (column 0) and the four panels (1 to 4); each has its width, the height of its
// upper flap and that of its lower flap. Entry 5 is not used. A grid folded in turns records
// its column widths as the widths and its row heights over the flap entries.

#include <cstddef>

namespace brontaxe::machine_pass {

inline constexpr std::size_t kEntries = 17;
inline constexpr std::size_t kColumns = 5;
inline constexpr std::size_t kGlueTab = 0;  // the column of the glue tab
inline constexpr std::size_t kBodyHeight = 16;
// The grid's row heights: ten entries from the first upper flap's.
inline constexpr std::size_t kFirstRowHeight = 6;
inline constexpr std::size_t kRowHeights = 10;

constexpr std::size_t width(std::size_t column) {
    return column;
}
constexpr std::size_t upperFlap(std::size_t column) {
    return 6 + column;
}
constexpr std::size_t lowerFlap(std::size_t column) {
    return 11 + column;
}
// The flap of a column on the upper or the lower half of the body.
constexpr std::size_t flap(bool lowerHalf, std::size_t column) {
    return lowerHalf ? lowerFlap(column) : upperFlap(column);
}

}  // namespace brontaxe::machine_pass
