#pragma once
// What a style knows about how its blank folds: the angles and layers of its folds, and the
// styles whose blank does not fold into its box yet, with the reason.

#include <optional>
#include <string_view>

#include "fold/folded_blank.h"
#include "model/model.h"

namespace brontaxe::fold {

// The blank of `code` drawn in `d` for `model`, folded: the default angles, then what the
// style knows (the slotted and glued families: walls and flaps square, the glue flap laid
// inside, the flaps of the width walls under those of the length walls), then every face
// that would pass through a face folded before it laid one board thickness further in (or
// out), as glued and overlapping flaps lie.
FoldedBlank foldStyle(const Drawing& d, std::string_view code, const Model& model);

// Why the blank of `code` does not fold into its box yet (French), or nothing.
std::optional<std::string_view> notFoldingYet(std::string_view code);

// Lays each face that passes through a face settled before it one thickness in or out, the
// first of +1, +2, -1, -2 thicknesses that clears; a face no layer clears keeps its place.
void stackOverlappingFaces(FoldedBlank& m);

}  // namespace brontaxe::fold
