#include "platform/text.h"

namespace brontaxe::platform {

std::string_view trimBlanks(std::string_view s) {
    auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

}  // namespace brontaxe::platform
