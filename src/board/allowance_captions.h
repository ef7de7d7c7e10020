#pragma once
// What each of the sixteen allowances does, for the styles whose use of them is known: the
// allowance editor shows it beside "Majoration  k" so that a user knows which millimetre of
// the blank a value moves.

#include <array>
#include <cstdint>
#include <string>

#include "board/allowance_table.h"

namespace brontaxe {

// The editor's caption of position k: "Majoration  1" to "Majoration  16".
std::string allowanceLabel(int position);

// Entries 1 to 16: the short French meaning of each position for the style, empty where it
// is not known (entry 0 unused). `pattesurtete` puts the glue flap on the width panel, which
// swaps what the first and third panels measure.
std::array<std::string, kAllowanceCount + 1> allowanceCaptions(std::int16_t styleCode,
                                                               bool pattesurtete);

}  // namespace brontaxe
