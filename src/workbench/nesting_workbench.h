#pragma once
// "Optimiser l'imposition" on the workbench: the optimiser's offer for the blank and the
// sheet in the boxes, and the offer taken or left.

#include <optional>

#include "workbench/nesting_imposition.h"
#include "workbench/workbench.h"

namespace brontaxe {

struct NestingRequest {
    bool roll = false;  // the sheet's Y is a roll's largest length, cut after the poses
    std::optional<int> count =
        std::nullopt;  // the least sheet (or roll length) for this many poses
    std::optional<double> rollWidth = std::nullopt;  // the roll's width, when not the sheet's X
};

// The blank is regenerated alone for the optimiser, then as it was: the drawing and the
// imposition stay as they were. None when not even one pose fits (or nothing is drawn).
std::optional<NestingOffer> optimiseImposition(Workbench& wb, const NestingRequest& r);

// The offer becomes the imposition, regenerated.
RegenerationReport takeNestingOffer(Workbench& wb, const NestingOffer& offer);

// Back to the grid (and the nesting rules of the styles that have them) on the same sheet.
RegenerationReport leaveNesting(Workbench& wb);

}  // namespace brontaxe
