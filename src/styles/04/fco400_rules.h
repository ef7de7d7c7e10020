#pragma once
// How the folders and trays fold and which sizes they can be made in, for the design-rule
// check. Each declaration sits beside its generator and reads the same sizes.

#include <optional>
#include <string>
#include <vector>

#include "model/model.h"
#include "styles/style_rules.h"

namespace brontaxe {

// Lid halves meeting over the bottom (0401, 0403; none under their profile routines).
std::vector<FoldPair> folds0401(const Model& m);
std::vector<FoldPair> folds0403(const Model& m);
// 0402: lid halves, and end flaps of half the length meeting over it.
std::vector<FoldPair> folds0402(const Model& m);
// Top flaps of the crossed bands (0404) and of the wrap (0405).
std::vector<FoldPair> folds0404(const Model& m);
std::vector<FoldPair> folds0405(const Model& m);
// End flaps of the wrap-round folders meeting across the end face (0409, 0410, 0411).
std::vector<FoldPair> foldsWrap(const Model& m);
std::vector<FoldPair> folds0410(const Model& m);
std::vector<FoldPair> folds0411(const Model& m);
// Slots of the wrap-round body narrower than its narrowest panel (0406 to 0411).
std::optional<std::string> wrapFolderDomainRule(const Model& m);
std::optional<std::string> domain0410(const Model& m);
std::optional<std::string> domain0411(const Model& m);
// 0415: side-wall flaps meeting, ears inside the end walls.
std::vector<FoldPair> folds0415(const Model& m);
// Glued-corner trays with flaps of the wall height or hrabat: the two flaps on one wall (0450,
// 0458).
std::vector<FoldPair> foldsGluedTray(const Model& m);
// 0457: the two ears on one end wall.
std::vector<FoldPair> folds0457(const Model& m);
// 0472: the two floor halves meeting over the bottom.
std::vector<FoldPair> folds0472(const Model& m);
// 0441: the two ears on one long wall. 0442: the corner flaps on one long wall.
std::vector<FoldPair> foldsEndFlapTray(const Model& m);
// 0443, 0481: a front wall higher than the thumb notch.
std::optional<std::string> thumbNotchRule0443(const Model& m);
std::optional<std::string> thumbNotchRule0481(const Model& m);

}  // namespace brontaxe
