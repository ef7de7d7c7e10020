// Any file text is either refused with a message, leaving the drawing exactly as it was, or
// read whole; a drawing read is written back and reads again to the same elements.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "io/des_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brontaxe;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Drawing d;
    d.AddLine(1, 2, 3, 4);
    d.setTechnicalSheet("avant", {{"q", "r"}});
    const Drawing before = d;
    const io::FileResult r = io::readDesText(text, d);
    if (!r.ok) {
        if (r.message.empty() || d.elements() != before.elements() ||
            d.sheetFields() != before.sheetFields() || d.SheetName() != before.SheetName()) {
            std::abort();
        }
        return 0;
    }
    Drawing again;
    if (!io::readDesText(io::desText(d), again).ok || again.elements() != d.elements() ||
        again.sheetFields() != d.sheetFields()) {
        std::abort();
    }
    return 0;
}
