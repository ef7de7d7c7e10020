#pragma once
// Where a builder puts what it drew in its own coordinates: mirrored across y = 0 first when
// `mirrored`, then turned by `angle` degrees about the origin, then moved by (x, y). Written
// with designated initialisers at the call (`{.x = 36, .angle = 180, .mirrored = true}`); the
// drawing applies the transform it stands for.

#include "drawing/transform.h"

namespace brontaxe {

struct FeaturePlacement {
    float x = 0;
    float y = 0;
    float angle = 0;
    bool mirrored = false;

    Transform transform() const { return Transform::placement({x, y}, angle, mirrored); }
};

}  // namespace brontaxe
