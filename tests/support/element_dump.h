#pragma once
// Elements as the drawing's dump writes them (coordinates to 0.01 mm), one string each, so a
// test compares a whole edited blank with a table of hand-worked lines.

#include <string>
#include <vector>

#include "drawing/element.h"

namespace brontaxe::test {

std::vector<std::string> dumped(const std::vector<Element>& elements);
std::vector<std::string> dumped(const std::vector<Shape>& shapes);

}  // namespace brontaxe::test
