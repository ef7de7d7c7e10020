#pragma once
// Coordinates in the text formats of our own: four decimals, a period whatever the locale.

#include <string>

#include "drawing/geometry.h"
#include "platform/number_text.h"

namespace brontaxe::io {

// formatNumber drops the sign of what rounds to zero: no "-0.0000".
inline std::string coordinate(double v) {
    return platform::formatNumber(v, "0.0000");
}

}  // namespace brontaxe::io
