#pragma once
#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// Turns the registered elements first..last (registry indices) in place by `angle` degrees
// about (cx, cy), through the element queries and setters alone: no element is added, so the
// ids that follow stay consecutive. Lines and dimensions turn whole; an arc's centre turns and
// its start angle follows.
void PivoteElements(Model& m, Drawing& d, int first, int last, float cx, float cy, float angle);

}  // namespace brontaxe
