#pragma once
// Rounding the corner between two lines with an arc tangent to both: the lines cut back (or
// carried on) to the arc's ends, and the arc.

#include <optional>

#include "drawing/element.h"

namespace brontaxe {

enum class FilletFault {
    None,
    NegativeRadius,
    ZeroLength,      // a line of no length
    Parallel,        // the lines never meet
    Aligned,         // they meet but make no corner
    RadiusTooLarge,  // the arc would reach past the far end of a line
};

struct FilletCorner {
    LineShape first;
    LineShape second;
    std::optional<ArcShape> arc;  // none for a zero radius: the lines just meet
    FilletFault fault = FilletFault::None;
};

// Each line keeps its end farther from the corner. A zero radius brings the lines to meet at
// the corner; lines that already share an end are then left as they are.
FilletCorner filletCorner(const LineShape& first, const LineShape& second, double radius);

}  // namespace brontaxe
