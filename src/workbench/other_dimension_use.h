#pragma once
// Which fields of "Autres Dimensions" the style drawn depends on, from the parameters its
// record names: the dialog greys the others, which would change nothing drawn.

#include <string_view>

namespace brontaxe {

// True for a field the blank of `code` draws from, for the crease lists and the bridges
// (every blank may take them), and for every field of a code whose record names no
// parameter (a top and bottom box, a code without a record): nothing is hidden that may count.
bool otherDimensionFieldUsed(std::string_view code, int field);

}  // namespace brontaxe
