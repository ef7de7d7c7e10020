#pragma once
// Coordinates in the text formats of our own: four decimals, a period whatever the locale.

#include <string>

#include "drawing/geometry.h"
#include "platform/number_text.h"

namespace brontaxe::io {

inline std::string coordinate(double v) {
    std::string s = platform::formatNumber(v, "0.0000");
    return s == "-0.0000" ? "0.0000" : s;
}

}  // namespace brontaxe::io
