#pragma once
// Dimension chains of a flat folder or tray: the widths of its columns under the blank and the
// heights of its rows right of it, each chain followed by the overall size.

#include <vector>

#include "drawing/drawing.h"
#include "model/customer_profile.h"

namespace brontaxe {

struct FlatBlankChains {
    std::vector<float> across;  // widths left to right, from the blank's left edge
    std::vector<float> up;      // heights bottom to top, from the blank's lower edge
    // Under the "QOR" profile, also the inside size of the largest column and row.
    bool insideForQor = false;
};

// Adds the chains around what is drawn (nothing when nothing is): widths one step under the
// blank and its overall length two steps under, heights one step right and its overall
// height two steps right; a step is 1/25 of the blank's length plus height. Zero entries are
// skipped but still move the chain on. When asked, the "QOR" profile adds the inside size of
// the largest column and row across the blank's middle.
void FlatBlankDimensions(Drawing& d, const FlatBlankChains& chains, CustomerProfile profile);

}  // namespace brontaxe
