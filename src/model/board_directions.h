#pragma once
// The directions shown over the blank: the flute's (`senscann`) and the machine pass's
// (`senspass`). Stored files, settings and the command line keep their numbers (0 none, 1 along
// x, 2 along y); the model holds the enum and converts where a number comes in or goes out.

#include <cstdint>
#include <optional>

namespace brontaxe {

enum class AlongAxis : std::int16_t {
    None = 0,  // no arrow, no button chosen
    X = 1,     // along the blank's x axis, its length
    Y = 2,     // along its y axis, its height
};

// The direction a stored number stands for; nullopt for a number none does.
std::optional<AlongAxis> alongAxisOf(int stored);
// The number the direction is stored as.
constexpr std::int16_t storedNumber(AlongAxis a) {
    return static_cast<std::int16_t>(a);
}

}  // namespace brontaxe
