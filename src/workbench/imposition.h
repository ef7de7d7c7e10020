#pragma once
// Imposition: copies ("poses") of the generated blank on a board sheet. In sheet mode
// (`ImposManuelle`) the sheet is given and the pose counts follow; in pose mode the counts are
// given and the sheet follows. A few styles nest: alternate rows or columns are turned so that
// their long flaps lie beside the short flaps of the neighbours, which shortens the pitch.

#include <cstdint>
#include <string>
#include <vector>

#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// The window's side of the imposition (frames "Poses" and "Format Carton").
struct ImpositionSettings {
    bool AvecImpos = false;  // copies and sheet outline drawn
    bool ChkCentre = false;  // "Centré": margins on both sides, sheet centred on the poses
    // "Quart de tour permis": the optimiser may turn the blank a quarter turn, its flutes then
    // running across those of the unturned blank.
    bool quarterTurns = false;
    // "Rouleau (laize en X)": the optimiser takes the sheet's X for a roll's width and its Y
    // for the roll's largest length, cut after the poses.
    bool roll = false;
};

// The window warns above 100 poses a side; the program draws no more than that, so that a
// kilometre sheet or a mistyped count can neither overflow the 16-bit counts nor freeze the
// window (100 x 100 poses of a 0201 are under a million elements).
inline constexpr std::int16_t kMaxPosesPerSide = 100;
// Above this many elements the copies are not drawn (about 150 MB of drawing): only a blank
// with thousands of elements imposed 100 x 100 reaches it.
inline constexpr std::int64_t kMaxImposedElements = 1'500'000;

// Corrections the imposition made, in French, for the user.
using ImpositionNotices = std::vector<std::string>;

// How much a nested style shortens the pitch along X and Y (0 for the plain grid).
struct NestingOffsets {
    double dX = 0;
    double dY = 0;
};
NestingOffsets nestingOffsets(const Model& m);

// Sheet mode: the pose counts on the sheet; pose mode: the sheet for the counts. Counts end
// between 1 and kMaxPosesPerSide, and NbPoses is their product.
ImpositionNotices computeImposition(Model& m, const ImpositionSettings& s);

// Draws the poses around the blank in `d` and the sheet outline; in pose mode the sheet
// becomes the drawn poses plus the margins.
ImpositionNotices drawImposition(Model& m, Drawing& d, const ImpositionSettings& s);

// The dimension chains stay on the first pose (`blank`): those standing right of it (with more
// columns) or above it (with more rows) go to its other side, outside the imposed area.
void moveChainsOutside(Drawing& d, const Box& blank, bool moreColumns, bool moreRows);

// The sheet's outline, centred or at the margins, marked with the flute running along X.
void addSheet(const Model& m, Drawing& d, const ImpositionSettings& s);

// Waste figures of the imposed rectangle and of the sheet, -1 when there is no cut surface.
struct WasteFigures {
    double ImpX = 0;  // imposed rectangle
    double ImpY = 0;
    double PerteHorsTout = -1;
    double PerteFormat = -1;
};
WasteFigures imposedWaste(const Model& m);
// The same for poses covering `imposedX` x `imposedY`.
WasteFigures wasteOf(const Model& m, double imposedX, double imposedY);

}  // namespace brontaxe
