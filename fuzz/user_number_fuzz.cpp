// Any text typed by a user or stored by hand in the settings reads as a finite number or as
// none; a number read prints with 17 digits and reads back to the same value.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/field_ranges.h"
#include "platform/number_text.h"
#include "platform/user_number.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brontaxe;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto value = platform::readUserNumber(text);
    if (!value)
        return 0;
    if (!std::isfinite(*value))
        std::abort();
    const auto back = platform::readUserNumber(platform::numberText(*value, 17));
    if (!back || std::fabs(*back - *value) > std::fabs(*value) * 1e-15)
        std::abort();
    // Every range check takes any finite value.
    for (const char* field : {"lgPatte", "Majo(3)", "NumQualite", "EpaisseurCarton"})
        (void)checkFieldValue(field, *value);
    return 0;
}
