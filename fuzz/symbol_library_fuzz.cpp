// Any bytes, read as a symbol library, must give a library or a located refusal without a
// fault; every symbol read holds finite strokes.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "drawing/symbol_library.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brontaxe;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string problem;
    const auto library = SymbolLibrary::parse(text, &problem);
    if (!library) {
        if (problem.rfind("ligne ", 0) != 0)
            std::abort();
        return 0;
    }
    for (int number : {0, 1, 5, 11, -1}) {
        if (const SymbolDefinition* s = library->find(number)) {
            if (s->number != number)
                std::abort();
        }
    }
    return 0;
}
