#pragma once
// The valid domain and the folding of the slotted styles (02 family), as style_rules.cpp
// lists them by code.

#include <optional>
#include <string>
#include <vector>

#include "model/model.h"
#include "styles/style_rules.h"

namespace brontaxe {

// Slots no wider than the narrowest panel, not negative, and either a slit (no width) or at
// least 1 mm wide.
std::optional<std::string> slottedDomainRule(const Model& m);
// The slotted rule, and a glue flap wider than the half slot beside it.
std::optional<std::string> glueFlapRule(const Model& m);
// The slotted rule, and a slot of at least 1 mm: the shaped and locking flaps, and the
// wrap-round end panel, are cut each on its own and would share their edges over a slit.
std::optional<std::string> slotRequiredRule(const Model& m);
// Lids with a tuck-in flap: the glue flap rule, and a tuck-in flap deeper than its rounded
// corners.
std::optional<std::string> tuckRule(const Model& m);
// 0208's covers: a real slot, and a tuck-in flap at least 1 mm deep.
std::optional<std::string> coverRule(const Model& m);
// Carry boxes: a real slot, and the hand-hole at least a board thickness below the handle's
// edge.
std::optional<std::string> carryRule(const Model& m);
// The wrap-round styles: a slot of at least 1 mm; their glue flap is a panel of their own.
std::optional<std::string> wrapDomainRule(const Model& m);
// The slotted rule, then flaps of half the length no deeper than the box is wide (L <= 2W).
std::optional<std::string> rule0205(const Model& m);
// 0202: the slotted rule, then flaps of the width panels that clear each other over the
// length (W + overlap <= L).
std::optional<std::string> rule0202(const Model& m);
// 0214: the glue flap rule, then a rim (`hrabat`) that folds down inside the walls: deeper
// than nothing and shallower than the body.
std::optional<std::string> rule0214(const Model& m);

// Flaps of half the width: those of the length panels meet, those of the width panels clear.
std::vector<FoldPair> regularFolds(const Model& m);
// 0202: the length flaps overlap by `hrecouvr`, the width flaps clear.
std::vector<FoldPair> overlappingFolds(const Model& m);
// 0204: every pair meets in the middle.
std::vector<FoldPair> centreSpecialFolds(const Model& m);
// 0205: the width flaps meet over the length; each length flap reaches at most across.
std::vector<FoldPair> folds0205(const Model& m);
// 0212: the regular bottom under the lid.
std::vector<FoldPair> folds0212(const Model& m);

}  // namespace brontaxe
