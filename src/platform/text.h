#pragma once
// Small text helpers shared by the readers of typed and stored texts and by the writers of the
// texts the user reads.

#include <string>
#include <string_view>

namespace brontaxe::platform {

// The text without the blanks, tabs and carriage returns around it.
std::string_view trimBlanks(std::string_view s);

// French typography in a text the user reads (UTF-8): the plain space before ":" ";" "?" "!"
// and "»", and after "«", made a non-breaking one, and one added where a word touches a colon
// that ends it ("Longueur:" gives "Longueur :"), so that a line never breaks before those signs
// or inside the quotes. Spaces already non-breaking, times ("12:30"), paths ("C:\") and
// coordinates typed as "x;y" are left as they are. A unit after a number keeps to it the same
// way ("12,5 mm", "40,19 %", "1,32 m", "90 °").
std::string frenchSpacing(std::string_view text);

}  // namespace brontaxe::platform
