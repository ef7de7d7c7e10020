// 0440, 0443, 0428, 0430 and 0432: the folders with a lid hinged on the back wall, each with its
// own closure (0440: the lid over the walls, sealed through slots in its side flaps and the side
// walls): ears on the front and back walls (0443, 0428) or on the side walls (0430, 0432),
// dust flaps on the lid (all but 0430), a thumb notch (all but 0428). Their allowances: 1 bottom
// length, 2 bottom depth, 3 front wall, 4 back wall, 5 side walls, 6 lid depth, 7 lid length, 8 how
// much shorter than the side wall (or half the bottom) an ear is.

#include <algorithm>

#include "styles/04/fco400.h"
#include "styles/04/fco400_lid_folder.h"

namespace brontaxe {
namespace {

struct Closure {
    bool ears;       // ears on the front and back walls, folded inside the side walls
    bool sideEars;   // ears on the side walls, folded inside the front and back walls
    bool dustFlaps;  // `hrabat` on the lid's sides
    bool notch;      // thumb notch in the front edge
};

LidFolder lidFolderOf(const Model& m, const Closure& c) {
    const LidFolderAllowances k = lidFolderAllowances(m);
    LidFolder f;
    f.L1 = m.Longueur + k.baseLength;
    f.W2 = m.Largeur + k.baseWidth;
    f.front = m.Hauteur + k.front;
    f.back = m.Hauteur + k.back;
    f.side = m.Hauteur + k.sides;
    f.W5 = m.Largeur + k.lidWidth;
    f.L6 = m.Longueur + k.lidLength;
    f.ear = c.ears ? std::max(0.0f, std::min(f.W2 / 2, f.side) - k.earShort) : 0;
    f.sideEar = c.sideEars ? std::max(0.0f, std::min({f.front, f.back, f.L1 / 2}) - k.earShort) : 0;
    f.tuck = m.hpatrent;
    f.tuckInset = m.EpaisseurCarton;
    f.dust = c.dustFlaps ? m.hrabat : 0;
    f.radius = m.rarrondi;
    f.notch = c.notch ? m.RcoupPouce : 0;
    return f;
}

void draw(Model& m, Drawing& d, const Closure& c) {
    drawLidFolder(m, d, lidFolderOf(m, c));
}

}  // namespace

void Fco0440(Model& m, Drawing& d) {
    // The tamper-evident tray: corners glued with the ears, a lid over the walls whose side
    // flaps hang outside the side walls, their seal slots over the walls' own.
    LidFolder f =
        lidFolderOf(m, {.ears = true, .sideEars = false, .dustFlaps = true, .notch = false});
    const float e = m.EpaisseurCarton;
    f.W5 = f.W2 + 2 * e;
    f.L6 = f.L1 + 2 * e;
    f.slotLength = m.lgmortaise;
    f.slotWidth = 2 * e;
    drawLidFolder(m, d, f);
}

void Fco0443(Model& m, Drawing& d) {
    draw(m, d, {.ears = true, .sideEars = false, .dustFlaps = true, .notch = true});
}

void Fco0428(Model& m, Drawing& d) {
    draw(m, d, {.ears = true, .sideEars = false, .dustFlaps = true, .notch = false});
}

void Fco0430(Model& m, Drawing& d) {
    draw(m, d, {.ears = false, .sideEars = true, .dustFlaps = false, .notch = true});
}

void Fco0432(Model& m, Drawing& d) {
    draw(m, d, {.ears = false, .sideEars = true, .dustFlaps = true, .notch = true});
}

}  // namespace brontaxe
