#pragma once
// Points and values typed in the command line of the edit mode, in millimetres with the
// decimal comma (a point is taken too): "x;y" absolute, "@dx;dy" relative to the last point,
// "@longueur<angle" polar from the last point (degrees, counter-clockwise from +X).

#include <optional>
#include <string>
#include <string_view>

#include "drawing/geometry.h"

namespace brontaxe::editing {

struct TypedPoint {
    std::optional<Point> point;
    std::string refusal;  // French, when `point` is empty
};

// Relative and polar forms need `last`; without one they are refused.
TypedPoint parsePoint(std::string_view text, std::optional<Point> last);

struct TypedValue {
    std::optional<double> value;
    std::string refusal;  // French, when `value` is empty
};

// A single number (a radius, a distance, an angle).
TypedValue parseValue(std::string_view text);

}  // namespace brontaxe::editing
