// Any text reads as a finite number; a number written as text reads back to within its
// seven significant digits.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "platform/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brontaxe::platform;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = leadingNumber(text);
    if (!std::isfinite(value))
        std::abort();
    (void)formatNumber(value, "#######0.00");
    (void)formatNumber(value, "#####");
    if (size >= sizeof(float)) {
        float f = 0;
        std::memcpy(&f, data, sizeof f);
        if (std::isfinite(f)) {
            const double back = leadingNumber(numberTextBlank(f));
            // Seven significant digits keep the value to half a unit of the seventh digit.
            const double tolerance = std::fabs(static_cast<double>(f)) * 5.000001e-7;
            if (std::fabs(back - static_cast<double>(f)) > tolerance)
                std::abort();
        }
    }
    return 0;
}
