#pragma once
// The valid domain of the telescope styles (03 family), as style_rules.cpp lists them by code:
// whatever else a style asks, its lid must go over its bottom.

#include <optional>
#include <string>

#include "model/model.h"

namespace brontaxe {

// Trays and their lids (0300 to 0309).
std::optional<std::string> trayLidRule(const Model& m);
// 0309: as the trays, and no higher than its shorter wall, against which each web is laid.
std::optional<std::string> webbedTrayRule(const Model& m);
// 0304's lid, grown from the bottom by its own allowances.
std::optional<std::string> grownLidRule(const Model& m);
// The double-wall tray and its lid (0331): the inner end wall at least a board thickness high.
std::optional<std::string> doubleWallLidRule(const Model& m);
// 0321: as the slotted lids, and the body deep and wide enough for its hand-holes.
std::optional<std::string> handHoleBodyRule(const Model& m);
// Caps over a sleeve (0310, 0311, 0314).
std::optional<std::string> sleeveCapRule(const Model& m);
// Caps over a slotted body (0312, 0313).
std::optional<std::string> bodyCapRule(const Model& m);
// Slotted lids over slotted bodies (0320 to 0325), slots narrower than the panels.
std::optional<std::string> slottedLidRule(const Model& m);
// The marked cap over the marked tray (0330).
std::optional<std::string> markedLidRule(const Model& m);
// The octagonal tray over its band (0350) and the octagonal lid over its bottom (0351).
std::optional<std::string> bandTrayRule(const Model& m);
std::optional<std::string> octagonalLidRule(const Model& m);

}  // namespace brontaxe
