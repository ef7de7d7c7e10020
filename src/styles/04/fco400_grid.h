#pragma once
// The folders laid out on a grid of panels share their sizes and their drawing: the grid with
// its dimension chains.

#include "builders/alternate_folds.h"
#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// The grid folders' allowances (0400 to 0403, 0433 to 0472).
struct GridFolderAllowances {
    float bottomLength;   // 1: the bottom's length
    float bottomWidth;    // 3: the bottom's width
    float sideWalls;      // 5: the side walls' height
    float endWalls;       // 6: the end walls' height, and the dust flaps beside them
    float lidHalves;      // 7: each lid half (0433: the lid's front panel)
    float endFlaps;       // 8: 0402: the end flaps, on half the bottom's length
    float innerWallDrop;  // 10: how much lower the inner walls of the buffers stand
};
GridFolderAllowances gridFolderAllowances(const Model& m);

struct FolderSizes {
    float L1;  // bottom length
    float W3;  // bottom width
    float H5;  // side walls
    float H6;  // end walls, and the dust flaps beside them
};

// L, W, H and H with their allowances.
FolderSizes folderSizes(const Model& m);

// The corner flaps of the side walls turn against the end walls and meet in their middle: no
// wider than half the bottom's width, however tall the walls.
float cornerFlapWidth(const FolderSizes& s);

// Lid halves meeting over the middle of the bottom: half its width, rounded, plus their
// allowance.
float lidHalf(const Model& m, const FolderSizes& s);

// Columns and rows of no size (a flap parameter set to 0) are left out: the folder is then
// drawn without that flap. Negative sizes stay, for the builder to refuse.
FoldGrid withoutEmptyParts(const FoldGrid& g);

// A generation of the grid with its chains (columns under, rows right of the blank).
void drawGrid(Model& m, Drawing& d, const FoldGrid& full);

}  // namespace brontaxe
