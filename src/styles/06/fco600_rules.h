#pragma once
// Sizes of the rigid boxes' bodies and which sizes they can be made in, for the design-rule
// check. Each reads the same sizes as its generator.

#include <optional>
#include <string>
#include <vector>

#include "model/model.h"
#include "styles/style_rules.h"

namespace brontaxe {

// 0601 and 0602: half length a, side flaps f (`hrabat`), along y the end flap f, wall H1,
// bottom W2, wall H3, end W4; end pieces H5 by W6; set-backs c1 (walls) and c2 (bottom).
struct Body0601 {
    float a, f, H1, W2, H3, W4, H5, W6, c1, c2;
};
Body0601 body0601(const Model& m);

// 0606: half length a, along y lid half, wall, bottom, wall, lid half; side flaps f on the
// walls and the bottom whose ends drop by `chamfer`; end panels `end` (the height) by the
// bottom's width W4.
struct Body0606 {
    float a, lid1, H3, W4, H5, lid2, end, f, chamfer;
};
Body0606 body0606(const Model& m);

// 0621: half length a, along y front wall, bottom, back wall, lid, tuck; glue flaps of the
// walls (with the drop of their ends), end walls on the bottom, dust flaps on the lid.
struct Body0621 {
    float a, H1, W2, H3, W4, tuck, glue, drop, end, dust, c1, c2;
};
Body0621 body0621(const Model& m);

std::optional<std::string> rule0601(const Model& m);
std::optional<std::string> rule0606(const Model& m);
std::optional<std::string> rule0621(const Model& m);
// The sleeve-bodied members: side flaps of some width.
std::optional<std::string> sideFlapRule(const Model& m);
// 0606's lid halves meet over the bottom.
std::vector<FoldPair> folds0606(const Model& m);

}  // namespace brontaxe
