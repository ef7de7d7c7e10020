#pragma once
#include <cstdint>

#include "builders/feature_placement.h"
#include "drawing/drawing.h"
#include "model/model_choices.h"

namespace brontaxe {

// A hand-hole with round ends, drawn centred on x = 0 with its upper edge on y = 0.
struct HandHoleShape {
    HandHoleKind type = HandHoleKind::None;
    float length = 0;
    float height = 0;
    float tab = 0;  // how far the folding tab reaches above the upper edge

    bool operator==(const HandHoleShape&) const = default;
};

// The hand-hole a design asks for in the walls of its body: its shape, and how far below the
// crease of the flap above (or the wall's free edge) its upper edge stands.
struct WallHandHole {
    HandHoleShape shape;
    float drop = 0;

    bool operator==(const WallHandHole&) const = default;
};

// The chosen hole where a wall always has one: a plain cut hole unless another kind is chosen.
HandHoleShape alwaysCutHandHoleShape(HandHoleShape chosen);

// One hand-hole, placed by `at`; callers put its upper edge its drop below the flap crease.
// `HandHoleKind::None` draws nothing.
void HandHole(Drawing& d, const HandHoleShape& hole, const FeaturePlacement& at = {});

// A hole with round ends needs a height and at least as much length as height; otherwise its
// outline would cross itself. Throws GenerationError with the reason.
void checkHandHoleSize(const HandHoleShape& hole);

// A hand-hole stands inside its wall, `wallLength` long and `wallHeight` high from the crease
// at its foot to its free edge (or the crease of the flap above), its folding tab included:
// otherwise it cuts across the wall's folds. Throws GenerationError, in French. Closer to them
// than its land, it is drawn and the check says so.
void checkHandHoleFits(const WallHandHole& hole, float wallLength, float wallHeight);

}  // namespace brontaxe
