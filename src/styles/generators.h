#pragma once
// The style generators by code.

#include <string_view>
#include <vector>

#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

using Generator = void (*)(Model&, Drawing&);

// The generator of the top and bottom boxes ("0201/0711").
inline constexpr std::string_view kCombinedGenerator = "/";

// The generator of a code matched exactly ("0201"); nullptr when the code has none.
Generator findGenerator(std::string_view code);
std::vector<std::string_view> generatorCodes();

}  // namespace brontaxe
