#pragma once
// What the style still knows of the blank on show once it was edited by hand: how its faces
// fold and which flaps and locks it declares. Both hold while the edits leave the faces as the
// style drew them; past that, the check reads the drawing alone and the fold lies flat.

#include <optional>
#include <string>

#include "fold/folded_blank.h"
#include "workbench/workbench.h"

namespace brontaxe {

// True for a style drawn as it is (and for a die-line, which no style describes anyway); for a
// style edited by hand, true while every face keeps its outline and every fold line joins the
// same faces where the style drew it. A window or a hole cut inside a face, or a text added,
// keep the faces; a flap lengthened, a fold line moved, added, deleted or given another kind,
// or a section cut do not.
bool editsKeepStyleFaces(const Workbench& wb);

struct DesignFold {
    fold::FoldedBlank folded;
    // Why the blank lies flat (French): its edits changed the faces its style folds.
    std::optional<std::string> flatBecause;
};

// The blank on show folded as its style folds it; an edited blank whose faces changed lies flat
// rather than folding by what the style knows of faces it no longer has.
DesignFold foldDesign(const Workbench& wb);

}  // namespace brontaxe
