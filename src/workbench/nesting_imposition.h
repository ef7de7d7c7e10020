#pragma once
// The optimiser at the imposition: what it offers beside the grid for the sheet in the boxes,
// and, once taken, the poses it lays as the imposition.

#include <optional>
#include <string_view>

#include "drawing/drawing.h"
#include "model/model.h"
#include "workbench/imposition.h"
#include "workbench/nesting.h"

namespace brontaxe {

// The optimiser's arrangement and the grid's, side by side, for the user to take or leave.
struct NestingOffer {
    Arrangement arrangement;
    int gridPoses = 0;
    double gridUsedX = 0;  // what the grid's poses cover
    double gridUsedY = 0;
    double gridWaste = -1;  // % of the sheet
    double sheetX = 0;      // the sheet, a roll's length cut after the last row
    double sheetY = 0;
    double usedX = 0;  // what the poses cover
    double usedY = 0;
    double sheetWaste = -1;     // % of the sheet, -1 without a cut surface
    bool quarterTurns = false;  // the search could turn the blank a quarter turn
    // Only an arrangement with more poses than the grid is worth taking.
    bool beatsGrid() const { return static_cast<int>(arrangement.poses.size()) > gridPoses; }
};

// Styles whose flutes may run either way (pads, dividers) turn a quarter turn freely; every
// other blank only when the user allows it.
bool keepsFluteDirection(std::string_view code);
bool quarterTurnsAllowed(const Model& m, const ImpositionSettings& s);

// The board of the sheet in the model: its size less the margins, the gaps between poses.
// On a roll, `FmtCartonY` is the largest length.
NestBoard sheetBoard(const Model& m, const ImpositionSettings& s);

// The best arrangement on the model's sheet for the blank in `d` (regenerated, no copies),
// or, on a roll, up to its largest length; none when no pose fits.
std::optional<NestingOffer> offerNesting(const Model& m, const Drawing& d,
                                         const ImpositionSettings& s, bool roll = false);

// The least sheet for `count` poses (with `rollWidth`, the shortest roll of that width).
std::optional<NestingOffer> offerSmallestSheet(const Model& m, const Drawing& d,
                                               const ImpositionSettings& s, int count,
                                               std::optional<double> rollWidth = {});

// The imposition once an arrangement is taken: counts (columns of the fullest row, rows,
// poses), in pose mode the sheet, the rectangle the poses cover and, with the copies on, the
// poses and the sheet outline in `d`. The imposition's own pass over the grid is replaced.
// `laid`, when given, receives the arrangement laid.
ImpositionNotices imposeNested(Model& m, Drawing& d, const ImpositionSettings& s,
                               const NestPattern& pattern, Arrangement* laid = nullptr);

// The offer's arrangement becomes the imposition: its pattern, counts and sheet.
// (The pattern goes to the workbench's nesting.)
void takeNesting(Model& m, ImpositionSettings& s, const NestingOffer& offer);

}  // namespace brontaxe
