#pragma once
// Rules of the customer profiles applied at each regeneration.

#include "model/model.h"

namespace brontaxe {

// Profile "QLX": the glue-flap width follows the board thickness and the box height, and the
// overlap of the lidded styles follows the box's length and width.
void applyQlxRules(Model& m);

// Applies the rules of the current `Personnalisation`, if it has any.
void applyProfileRules(Model& m);

}  // namespace brontaxe
