#pragma once
// The folders laid out on a grid of panels share their sizes and their drawing: the grid with
// its dimension chains.

#include "builders/plis_alternes.h"
#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

struct FolderSizes {
    float L1;  // bottom length
    float W3;  // bottom width
    float H5;  // side walls
    float H6;  // end walls, and the dust flaps beside them
};

// L + Majo(1), W + Majo(3), H + Majo(5), H + Majo(6).
FolderSizes folderSizes(const Model& m);

// Lid halves meeting over the middle of the bottom: half its width, rounded, plus Majo(7).
float lidHalf(const Model& m, const FolderSizes& s);

// Columns and rows of no size (a flap parameter set to 0) are left out: the folder is then
// drawn without that flap. Negative sizes stay, for the builder to refuse.
FoldGrid withoutEmptyParts(const FoldGrid& g);

// A generation of the grid with its chains (columns under, rows right of the blank).
void drawGrid(Model& m, Drawing& d, const FoldGrid& full);

}  // namespace brontaxe
