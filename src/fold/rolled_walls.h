#pragma once
// Walls rolled double: an outer wall hinged on the base, a narrow band over its top edge and an
// inner wall down inside it, locked by tabs into the floor or laid on it.

#include <string_view>

#include "fold/folded_blank.h"

namespace brontaxe::fold {

// Whether the folder or tray `code` rolls its walls double (the locking folders and trays).
bool rollsWallsDouble(std::string_view code);

// Each rolled wall's inner layer hangs against its outer one across the band and keeps its
// place: the flaps that would meet it (the ears between its layers, a lid's dust flaps inside
// it) give way, laid one board further in or out.
void keepRolledWallsInPlace(FoldedBlank& m);

}  // namespace brontaxe::fold
