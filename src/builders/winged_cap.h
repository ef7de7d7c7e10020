#pragma once
#include "builders/feature_placement.h"
#include "drawing/drawing.h"

namespace brontaxe {

// Sizes of a cap whose corners are closed by wings: a base 2a by 2b, end walls beyond x = +-a
// and side walls beyond y = +-b, all h high; each end wall carries at both ends a wing
// `wing` wide that folds in behind the side wall; a side wall may carry an inner wall
// `inner` high folded down inside it (0: a single wall).
struct WingedCapShape {
    float a = 0;
    float b = 0;
    float h = 0;
    float wing = 0;
    float inner = 0;
};

// Draws the cap around the origin, then places it. The cuts that free a wing from its side wall,
// and the inner wall's end, are set back by the board thickness so that they clear the wall folded
// against them; they are marked (`LineVariant` 2). Throws GenerationError for sizes that make no
// cap.
void WingedCap(Drawing& d, const WingedCapShape& cap, float thickness,
               const FeaturePlacement& at = {});

// How far the cap reaches from its centre along x and along y.
float markedCapHalfLength(const WingedCapShape& cap);
float markedCapHalfWidth(const WingedCapShape& cap);

}  // namespace brontaxe
