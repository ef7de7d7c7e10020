#pragma once
// The drawing file of our own (.des): JSON holding every element with its attributes and the
// technical sheet, read back exactly.

#include <string>
#include <string_view>

#include "drawing/drawing.h"
#include "io/file_format.h"

namespace brontaxe::io {

inline constexpr int kDesVersion = 1;

std::string desText(const Drawing& d);

// Replaces the elements and technical sheet of `d` with those of the file text. A damaged or
// newer file is refused with a message and leaves `d` as it was.
FileResult readDesText(std::string_view text, Drawing& d);

}  // namespace brontaxe::io
