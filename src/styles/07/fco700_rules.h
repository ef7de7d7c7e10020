#pragma once
// The valid domain and the folding of the ready-glued styles (07 family), as style_rules.cpp
// lists them by code.

#include <optional>
#include <string>

#include "model/model.h"

namespace brontaxe {

// A case over a crash-lock bottom: one piece, slots no wider than a panel, and a bottom whose
// hooks and glued flaps fit their panels.
std::optional<std::string> gluedCaseRule(const Model& m);
// 0748: the overlapping top's rule, then the glued case's.
std::optional<std::string> rule0748(const Model& m);
// The same with the lidded body's panels (0713, 0751).
std::optional<std::string> liddedGluedCaseRule(const Model& m);
// The lock drawn point by point (0701, 0711): a slot to build the lock from, and flaps and
// tabs that keep a length.
std::optional<std::string> lockTableRule(const Model& m);
// A tray with glued corners: walls higher than the board is thick.
std::optional<std::string> glueTrayRule(const Model& m);

}  // namespace brontaxe
