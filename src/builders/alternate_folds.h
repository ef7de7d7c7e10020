#pragma once
// A blank laid out on a grid of columns and rows, as one-piece folders and wrap-round lids are:
// where two parts of the board meet there is a fold or a slit, and every free edge is a cut.
// A row boundary therefore alternates: creased across the columns that fold as one piece (the
// bottom and its walls), slit across the columns whose flaps must turn on their own.

#include <vector>

#include "builders/feature_placement.h"
#include "builders/machine_passes.h"
#include "drawing/drawing.h"

namespace brontaxe {

// One band of the grid, bottom to top; it covers the columns first..last (inclusive).
struct FoldRow {
    float height = 0;
    int firstColumn = 0;
    int lastColumn = 0;
    // When above 0 and narrower than their columns, the cells at the row's two ends (unless
    // creased across) keep only this width on the side of their neighbour: a tray's corner
    // flaps no wider than half the end wall they turn against.
    float endCellWidth = 0;
    // The row's first and last cells drawn this much short of their columns' outer sides: an
    // inner wall that fits between the walls across its ends.
    float inset = 0;
};

struct FoldGrid {
    std::vector<float> columns;  // widths, left to right
    std::vector<FoldRow> rows;   // bottom to top
    // Per column: where two rows meet inside it, a crease (true) or a slit (false). Missing
    // entries are slits.
    std::vector<bool> creasedAcross;
};

// Draws the grid with its lower-left corner at the origin, then places it. Two neighbouring
// cells of one row always meet on a crease. Returns the machine passes: the columns in 0 to 4
// and the rows in 6 to 15 (as many as there are, the others 0). Throws GenerationError for an
// empty grid, a part of no size or a row that names a column the grid does not have.
MachinePasses AlternateFolds(Drawing& d, const FoldGrid& grid, const FeaturePlacement& at = {});

}  // namespace brontaxe
