#include "builders/panneau_double_mur.h"

#include "builders/emit.h"

namespace brontaxe {

void PanneauDoubleMur(Model& m, Drawing& d, float a, float b, float h, float f, bool k1, bool k2,
                      bool k3, float x, float y, float angle, float factor) {
    const int first = beginFeature(d);
    // The four quarters: as drawn, mirrored below the x axis, mirrored left of the y axis,
    // and turned into the opposite corner.
    const struct {
        float angle;
        float factor;
    } quarters[] = {{0, 1}, {0, -1}, {180, -1}, {180, 1}};
    for (const auto& q : quarters)
        QuartDoubleMur(m, d, a, b, h, f, k1, k2, k3, 0, 0, q.angle, q.factor);
    placeFeature(d, first, {.x = x, .y = y, .angle = angle, .mirrored = factor < 0});
    if (m.Sym_Verticale)
        reverseMachinePasses(m);
}

}  // namespace brontaxe
