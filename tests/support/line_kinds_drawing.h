#pragma once
// A drawing that holds every line kind the totals count, each drawn as a slanted line, arcs in
// every quadrant (counter-clockwise in one row, clockwise in the next), an arc across 0°, one
// over half a turn and a circle: what the writers and the figures are checked on.

#include <array>
#include <cstdint>

#include "drawing/drawing.h"

namespace brontaxe::test {

// The five totalled kinds, one row of the drawing each, bottom to top.
inline constexpr std::array<LineKind, 5> kTotalledKinds{kind::Cut, kind::Crease, kind::Perforation,
                                                        kind::HalfCut, kind::PerforatedCrease};

// The element as it was asked for: a line, or an arc from `startDeg` over `sweepDeg` (negative
// sweeps asked clockwise, 360 a circle).
struct AskedStroke {
    LineKind lineKind;
    bool isArc;
    Point a;  // a line's start, an arc's centre
    Point b;  // a line's end
    double radius;
    double startDeg;
    double sweepDeg;
};

// What the drawing was asked to draw, in the order of its elements.
std::vector<AskedStroke> lineKindsStrokes();

Drawing lineKindsDrawing();

// The length of one asked stroke, worked out here rather than by the drawing.
double askedLength(const AskedStroke& s);

}  // namespace brontaxe::test
