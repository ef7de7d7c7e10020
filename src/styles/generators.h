#pragma once
// The style generators by code, read from the styles' records.

#include <string_view>
#include <vector>

#include "styles/style_record.h"

namespace brontaxe {

// The generator of the top and bottom boxes ("0201/0711").
inline constexpr std::string_view kCombinedGenerator = "/";

// The generator of a code matched exactly ("0201"); nullptr when the code has none.
Generator findGenerator(std::string_view code);
// The codes that have a generator of their own, in list order, the combined one last.
std::vector<std::string_view> generatorCodes();

}  // namespace brontaxe
