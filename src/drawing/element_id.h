#pragma once
#include <cstdint>
#include <functional>

namespace brontaxe {

// Id of a drawing element. Ids run from 3 to ElementCount + 2 in creation order; 0 means none.
struct ElementId {
    std::int32_t value = 0;

    constexpr bool valid() const { return value != 0; }
    friend constexpr bool operator==(ElementId, ElementId) = default;
    friend constexpr auto operator<=>(ElementId, ElementId) = default;
};

inline constexpr std::int32_t kFirstElementId = 3;

}  // namespace brontaxe
