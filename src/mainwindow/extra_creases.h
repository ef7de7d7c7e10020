#pragma once
// The extra creases the user lists over any blank.

#include <string>
#include <string_view>

namespace brontaxe {

// Rewrites each part of the list so that its positions add up to the side: the positions but
// the last kept as typed (blanks trimmed), the last replaced by the side less their sum (so a
// list longer than the side ends negative). Parts joined with "/" again.
std::string NormaliseFoulages(std::string_view list, float width, float length);

}  // namespace brontaxe
