// Any bytes given as a PDF get the user unit or are left alone, never a fault; what comes
// back still ends with the same trailer keyword.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "io/pdf_user_unit.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view pdf(reinterpret_cast<const char*>(data), size);
    const auto mended = brontaxe::io::withUserUnit(pdf, 2);
    if (mended && mended->size() <= pdf.size())
        std::abort();
    return 0;
}
