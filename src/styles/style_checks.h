#pragma once
// What a style tells the design-rule check and the tests beyond its domain and folds: its
// locks, the land its holes keep, and the inside sizes its form does not depend on.
//
// A style's record holds them (style_record.h), the fields left out meaning no locks, the
// board's own land and every size used.

#include <optional>
#include <string_view>
#include <vector>

#include "model/model.h"

namespace brontaxe {

// A locking tab and the slot or mortise it goes into, as the generator sizes them: the tab
// holds when it reaches the slot's depth and passes its mouth.
struct LockPair {
    std::string_view what;  // French, as a finding shows it: "patte de verrouillage"
    double tabLength = 0;   // how far the tab stands from its hinge, mm
    double tabWidth = 0;    // the tab's width where it enters the slot, mm
    double slotDepth = 0;   // how deep the slot or mortise is, mm
    double slotMouth = 0;   // the slot's opening along the tab's width, mm
};

using LockDeclaration = std::vector<LockPair> (*)(const Model&);

// The inside sizes a style's form does not depend on (a flat pad has no height).
struct UnusedSizes {
    bool length = false;
    bool width = false;
    bool height = false;
};

// The lock pairs `code` declares for the model (none when it declares none).
std::vector<LockPair> declaredLocks(std::string_view code, const Model& m);

// The land `code` declares for its holes, if it declares one.
std::optional<double> declaredHoleLand(std::string_view code);

// The sizes `code` declares it does not use (none for a code whose record declares none).
UnusedSizes unusedSizes(std::string_view code);

}  // namespace brontaxe
