// Any file text is read or refused with a message; nothing the file says crashes the reader
// or makes it run without end, and what is read is finite.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "io/die_line_import.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brontaxe;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Drawing d;
    io::ImportReport report;
    const io::FileResult r = io::readCff2Text(text, io::ImportOptions{}, d, report);
    if (!r.ok) {
        if (r.message.empty())
            std::abort();
        return 0;
    }
    const Box box = d.extents();
    if (!box.empty && !(std::isfinite(box.width()) && std::isfinite(box.height())))
        std::abort();
    // Every bridge lies whole on its rule, as a saved drawing must have it.
    for (const Element& e : d.elements()) {
        for (const Bridge& b : e.bridges) {
            if (!(b.width > 0 && b.at - b.width / 2 >= -kEps &&
                  b.at + b.width / 2 <= strokeLength(e) + kEps))
                std::abort();
        }
    }
    return 0;
}
