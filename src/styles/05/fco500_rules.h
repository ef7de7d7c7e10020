#pragma once
// Sizes of the drawers and which sizes the slide boxes can be made in, for the design-rule
// check. Each reads the same sizes as its generator.

#include <optional>
#include <string>
#include <vector>

#include "model/model.h"
#include "styles/style_rules.h"

namespace brontaxe {

// 0511: half bottom A x B, walls h, the end walls' lining, the side walls' glue flaps and the
// drop of their slanted ends.
struct GluedDrawer {
    float A, B, h, lining, glue, drop;
};
GluedDrawer gluedDrawer(const Model& m);

// 0512: half bottom A x B, walls h, slot half-widths a (side wall) and b (corner flap), and
// the depth of the end walls' corner flaps.
struct SlottedDrawer {
    float A, B, h, a, b, flap;
};
SlottedDrawer slottedDrawer(const Model& m);

std::optional<std::string> rule0511(const Model& m);
std::optional<std::string> rule0512(const Model& m);
// The two glue flaps on one end wall, the two corner flaps along one side wall.
std::vector<FoldPair> folds0511(const Model& m);
std::vector<FoldPair> folds0512(const Model& m);

}  // namespace brontaxe
