#pragma once
// Boxes whose top closure follows one slotted or glued style and whose bottom closure follows
// another ("0201/0711"): the body split along its mid-line, the upper half built as the top's
// style builds its own upper half, the lower half, mirrored, as the bottom's style builds it.
// A lid alone (no bottom) or a bottom alone (no top) is one half on the whole height.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// The closures a half can be built with: 201 to 206, 208 to 211, 216, 232, 233, 700, 711.
bool closureAccepted(int number);

// The entries of the two closure lists of the chooser, in list order.
struct ClosureEntry {
    std::int16_t number;
    std::string_view topText;
    std::string_view bottomText;
};
const std::array<ClosureEntry, 14>& closureEntries();
// The closure an entry stands for; 201 for any index outside the list.
std::int16_t closureOfEntry(int index);
// The entry of a closure, or -1 when no entry stands for it.
int entryOfClosure(std::int16_t number);

// Draws the combined box of `TypeDessus` over `TypeDessous`. A closure no half can be built
// with is dropped and its number reset to 0, as if it had not been chosen.
void Architecture(Model& m, Drawing& d);

// Each chosen half must fit the sizes its own style needs (the French refusal of the first that
// does not), and a lid closure cannot take the glue flap on the width panel.
std::optional<std::string> architectureRule(const Model& m);

}  // namespace brontaxe
