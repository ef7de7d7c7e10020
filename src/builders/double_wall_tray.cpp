#include "builders/double_wall_tray.h"

#include "builders/emit.h"

namespace brontaxe {

void DoubleWallTray(Model& m, Drawing& d, const DoubleWallTrayShape& tray,
                    const FeaturePlacement& at) {
    const int first = beginFeature(d);
    // The four quarters: as drawn, mirrored below the x axis, mirrored left of the y axis,
    // and turned into the opposite corner.
    const FeaturePlacement quarters[] = {{.angle = 0, .mirrored = false},
                                         {.angle = 0, .mirrored = true},
                                         {.angle = 180, .mirrored = true},
                                         {.angle = 180, .mirrored = false}};
    for (const auto& q : quarters)
        DoubleWallTrayQuarter(m, d, tray, q);
    placeFeature(d, first, at);
    if (m.Sym_Verticale)
        reverseMachinePasses(m);
}

}  // namespace brontaxe
