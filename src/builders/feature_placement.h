#pragma once
// Where a builder puts what it drew in its own coordinates: mirrored across y = 0 first when
// `mirrored`, then turned by `angle` degrees about the origin, then moved by (x, y).

namespace brontaxe {

struct FeaturePlacement {
    float x = 0;
    float y = 0;
    float angle = 0;
    bool mirrored = false;
};

}  // namespace brontaxe
