#pragma once
// The default pen of each line kind: how every output (files, the screen, the printer) draws
// cuts, creases and the rest, so that they all look alike.

#include <cstdint>
#include <span>
#include <string_view>

#include "drawing/element.h"

namespace brontaxe {

// What an element is drawn as. Dimensions and sheet outlines have their own pens whatever the
// line kind they were stamped with.
enum class PenRole {
    Cut,
    Crease,
    Perforation,
    HalfCut,
    PerforatedCrease,
    Auxiliary,
    SectionLine,
    Text,
    Dimension,
    SheetOutline,
};

inline constexpr int kPenRoleCount = 10;

struct Rgb {
    double r = 0, g = 0, b = 0;  // 0 to 1
};

struct Pen {
    PenRole role;
    std::string_view layer;     // DXF layer and name shown to the user
    std::string_view linetype;  // DXF linetype name ("CONTINUOUS" when solid)
    Rgb colour;
    int aci;         // AutoCAD colour index of the same colour
    double widthMm;  // stroke width on paper
    // Dash pattern in millimetres on paper: on, off, on, off...; empty for a solid line.
    std::span<const double> dashMm;
};

PenRole penRoleOf(const Element& e);
const Pen& defaultPen(PenRole role);
inline const Pen& defaultPen(const Element& e) {
    return defaultPen(penRoleOf(e));
}
// Every pen, in PenRole order.
std::span<const Pen> defaultPens();

}  // namespace brontaxe
