#pragma once
// The line kinds a blank's strokes are drawn with, by the names the user reads on the screen
// and in the reports.

#include <cstdint>
#include <span>

#include "drawing/element.h"

namespace brontaxe {

struct LineKindName {
    LineKind lineKind;
    const char* name;
};

// Coupant, Rainant, Perfo, Mi-Chair, Perfo Rainant: the order the filters list them in.
std::span<const LineKindName> strokeKindNames();

// The name of a stroke's kind; null for a kind no stroke of a blank takes (auxiliary, section,
// text).
const char* strokeKindName(LineKind lineKind);

}  // namespace brontaxe
