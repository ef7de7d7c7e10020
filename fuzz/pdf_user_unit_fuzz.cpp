// Any bytes given as a PDF get the user unit or are left alone, never a fault; a mended file
// carries the unit. (It may come out shorter than it went in: a cross-reference offset written
// with leading zeros is written again without them.)
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "io/pdf_user_unit.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view pdf(reinterpret_cast<const char*>(data), size);
    const auto mended = brontaxe::io::withUserUnit(pdf, 2);
    if (mended && mended->find("/UserUnit 2") == std::string::npos)
        std::abort();
    return 0;
}
