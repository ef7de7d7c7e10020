#pragma once
#include "drawing/drawing.h"

namespace brontaxe {

struct ElementTurn {
    int first = 0;  // registry indices, both included
    int last = 0;
    float cx = 0, cy = 0;  // centre
    float angle = 0;       // degrees
};

// Turns the registered elements first..last in place by `angle` degrees about the centre, through
// the element queries and setters alone: no element is added, so the ids that follow stay
// consecutive. Lines and dimensions turn whole; an arc's centre turns and its start angle follows.
void TurnElements(Drawing& d, const ElementTurn& turn);

}  // namespace brontaxe
