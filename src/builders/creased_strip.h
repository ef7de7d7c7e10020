#pragma once
// A flat strip with parallel creases: the pads, liners and sleeves of interior fittings and the
// bands of a few other styles. The creases come from the crease list `ListeFoulages`: the
// across part runs up the strip's width (creases parallel to its length), the along part runs
// along its length (creases parallel to its width).

#include <vector>

#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// The segments of one normalised part, refused when the list cannot be folded: more than 50
// segments in a part, or a segment below zero (typed segments longer than the side leave a
// negative last one). The refusal is a GenerationError with a French message.
std::vector<float> checkedCreaseSegments(std::string_view part, float side, const char* sideName);

// Normalises `ListeFoulages` to the strip's sides (across part to `Ws`, along part to `Ls`)
// and checks it, then draws the strip of `Ls` by `Ws` from (0, 0): its cut outline, a crease at
// every segment boundary strictly inside the strip, the chain of the segments beside each
// part and the two overall sizes. The normalised list is written back to `ListeFoulages`; a
// refused list is left as it was and nothing is drawn. Does not open, clear or close the
// drawing.
void CreasedStrip(Model& m, Drawing& d, float Ls, float Ws);

}  // namespace brontaxe
