#pragma once
// Small text helpers shared by the readers of typed and stored texts.

#include <string_view>

namespace brontaxe::platform {

// The text without the blanks, tabs and carriage returns around it.
std::string_view trimBlanks(std::string_view s);

}  // namespace brontaxe::platform
