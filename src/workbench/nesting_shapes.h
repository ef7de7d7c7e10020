#pragma once
// The blank's contour as the optimiser slides it: turned, set with its box's corner on the
// origin, and how far another pose must stay from it in x or y.

#include <array>
#include <vector>

#include "drawing/geometry.h"
#include "drawing/geos_context.h"

namespace brontaxe {

using Ring = std::vector<Point>;

// A piecewise-linear bound of a contour (its top, bottom, left or right side) over the
// breakpoints `at`; between two breakpoints one edge of the contour gives it.
struct Envelope {
    std::vector<double> at;
    std::vector<double> atPoint;  // the extreme over every edge touching the breakpoint
    std::vector<double> from;     // slab k (at[k], at[k + 1]): value at at[k]
    std::vector<double> to;       // and at at[k + 1]
    bool upper = true;
};

// Kept beyond the gap: the contour's chords lie up to 0.05 mm inside the arcs they stand for,
// on both poses that face each other.
inline constexpr double kArcAllowance = 2 * kContourArcTolerance;

struct TurnedBlank {
    std::vector<Ring> rings;  // turned, box corner on the origin
    Point offset;             // rotate(p, turn) + offset puts a point of the blank there
    double width = 0;
    double height = 0;
    // Own sides.
    Envelope bottom, left;
    // Sides of the contour grown by the gap between rows (top) and between columns (right).
    Envelope top, right;
};

// The blank turned by `turn` degrees, its growth by `gapX` and `gapY` taken with mitred
// corners, which hold every point at least the gap away.
TurnedBlank turnedBlank(const std::vector<Ring>& blank, int turn, double gapX, double gapY);

// The least rise of `upper`, moved by `shift` in x, that keeps it above `lower`; -infinity
// when they never stand over each other.
double riseOver(const TurnedBlank& lower, const TurnedBlank& upper, double shift);
// The least move to the right of `right` that keeps it right of `left` (same rows).
double pushPast(const TurnedBlank& left, const TurnedBlank& right);

// The rings as one GEOS (multi)polygon.
GeosContext::Geometry shapeOf(const GeosContext& geos, const std::vector<Ring>& rings);

// Half the width a stray rule stands for in the blank's contour.
inline constexpr double kStrayWidth = 0.05;

// The outline's rings with every rule lying outside them as a thin strip `kStrayWidth` on each
// side, merged where they touch: what the next pose must keep clear of.
std::vector<Ring> withStrayRules(const std::vector<Ring>& outline,
                                 const std::vector<Segment>& rules);

// Bounding box of rings.
Box ringsBox(const std::vector<Ring>& rings);

}  // namespace brontaxe
