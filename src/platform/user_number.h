#pragma once
// A number typed by a user: the whole text must be one number. French users write the decimal
// mark as a comma, so "12,5" is 12.5 as well as "12.5".

#include <optional>
#include <string_view>

namespace brontaxe::platform {

// The number the whole text stands for, blanks around it ignored: optional sign, digits, one
// decimal mark ("." or ","), optional exponent. Nullopt for an empty text, trailing words
// ("12 mm"), thousands separators ("1.234,5"), or a value that is not finite.
std::optional<double> readUserNumber(std::string_view text);

}  // namespace brontaxe::platform
