#pragma once
#include <cstdint>
#include <optional>

namespace brontaxe {

// Nearest 16-bit integer, ties to the even one; nullopt outside -32768..32767 or for NaN.
std::optional<std::int16_t> roundToInt16(double value);

// Nearest 16-bit integer of a single, ties to even; throws GenerationError when out of range.
std::int16_t nearestInt16(float value);

}  // namespace brontaxe
