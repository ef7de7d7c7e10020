#pragma once
// What a style's hand edits lock: the values the style's own blank is drawn from (sizes,
// grade, code, style parameters, allowances, pieces, mirror, creases, section). The sheet,
// the poses, the bridges and the directions of flute and pass are laid on the edited blank
// and stay free.

#include "workbench/design_state.h"

namespace brontaxe::app {

// Whether going from `before` to `after` changes a value the style's blank is drawn from.
bool changesTheStyle(const DesignState& before, const DesignState& after);

}  // namespace brontaxe::app
