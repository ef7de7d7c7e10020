#pragma once
// A canonical text of a drawing, one element a line, coordinates to 0.01 mm: for golden
// files, tests and debugging.

#include <string>

#include "drawing/drawing.h"

namespace brontaxe {

std::string dumpElement(const Element& e);
std::string dumpDrawing(const Drawing& d);

}  // namespace brontaxe
