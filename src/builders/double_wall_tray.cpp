#include "builders/double_wall_tray.h"

#include "builders/emit.h"

namespace brontaxe {

MachinePasses DoubleWallTray(Drawing& d, const DoubleWallTrayShape& tray, const BlankSettings& s,
                             const FeaturePlacement& at) {
    const int first = beginFeature(d);
    // The four quarters: as drawn, mirrored below the x axis, mirrored left of the y axis,
    // and turned into the opposite corner.
    const FeaturePlacement quarters[] = {{.angle = 0, .mirrored = false},
                                         {.angle = 0, .mirrored = true},
                                         {.angle = 180, .mirrored = true},
                                         {.angle = 180, .mirrored = false}};
    MachinePasses passes;
    for (const auto& q : quarters)
        passes.then(DoubleWallTrayQuarter(d, tray, s, q));
    placeFeature(d, first, at);
    return passes;
}

}  // namespace brontaxe
