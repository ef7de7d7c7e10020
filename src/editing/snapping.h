#pragma once
// Snaps: the characteristic point of the drawing nearest to the cursor, shown as it moves and
// taken in place of the cursor when the user clicks.

#include <optional>
#include <span>

#include "drawing/element.h"

namespace brontaxe::editing {

enum class SnapKind { End, Middle, Centre, Intersection, Perpendicular, Nearest, Grid };

struct SnapSettings {
    bool end = true;
    bool middle = true;
    bool centre = true;
    bool intersection = true;
    bool perpendicular = true;
    bool nearest = false;
    bool grid = false;
    double gridStep = 10;  // mm
    double aperture = 3;   // mm: how far from the cursor a point snaps
    bool operator==(const SnapSettings&) const = default;
};

struct Snap {
    Point at;
    SnapKind kind = SnapKind::End;
    bool operator==(const Snap&) const = default;
};

// The snap nearest to `cursor` within the aperture. End, middle, centre and intersection win
// over perpendicular, which wins over nearest and the grid, when several lie in the aperture.
// `from` is the last point given (the perpendicular foot is taken from it). Only lines and
// arcs snap; a blank of thousands of elements is searched in well under a frame.
std::optional<Snap> findSnap(std::span<const Element> elements, Point cursor,
                             const SnapSettings& settings, std::optional<Point> from = {});

// The French name shown beside the marker: "Extrémité", "Milieu", "Centre", "Intersection",
// "Perpendiculaire", "Proche", "Grille".
const char* snapName(SnapKind kind);

}  // namespace brontaxe::editing
