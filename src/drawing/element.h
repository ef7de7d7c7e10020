#pragma once
// The elements a drawing holds: a closed set of shapes with the attributes every element
// carries (line kind, variant, piece).

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "drawing/geometry.h"

namespace brontaxe {

// Line kinds stamped on elements. Only cuts, perforated creases, perforations, half-cuts and
// creases are totalled. The numbers are those the files and the settings store.
enum class LineKind : std::int16_t {
    Cut = 1,
    PerforatedCrease = 2,
    Auxiliary = 3,
    Perforation = 4,
    HalfCut = 5,
    Crease = 6,
    SectionLine = 7,
    Text = 8,
};

namespace kind {
using enum LineKind;
}  // namespace kind

// The number a file or the settings store for a line kind.
constexpr std::int16_t lineKindNumber(LineKind k) {
    return static_cast<std::int16_t>(k);
}

// The line kind a file or the settings store as `number`; none for a number no kind has.
constexpr std::optional<LineKind> lineKindOfNumber(long long number) {
    if (number < lineKindNumber(LineKind::Cut) || number > lineKindNumber(LineKind::Text))
        return std::nullopt;
    return static_cast<LineKind>(number);
}

// Values returned by Drawing::ElementType.
enum class ShapeType : std::int16_t {
    Line = 1,
    Arc = 5,
    Dimension = 8,
    Text = 25,
    Sheet = 40,
    Contour = 60,
    Symbol = 100,
};

struct LineShape {
    Point a;
    Point b;

    friend bool operator==(const LineShape&, const LineShape&) = default;
};

// Counter-clockwise from startDeg over sweepDeg (0 < sweep <= 360).
struct ArcShape {
    Point centre;
    double radius = 0;
    double startDeg = 0;
    double sweepDeg = 0;

    Point start() const { return pointOnCircle(centre, radius, startDeg); }
    Point end() const { return pointOnCircle(centre, radius, startDeg + sweepDeg); }

    friend bool operator==(const ArcShape&, const ArcShape&) = default;
};

// Measures the distance from p1 to p2; `ref` is the reference point that places the
// dimension line (the chains give (0, y) for a row and (x, 0) for a column).
struct DimensionShape {
    Point p1;
    Point p2;
    Point ref;

    friend bool operator==(const DimensionShape&, const DimensionShape&) = default;
};

struct TextShape {
    Point position;
    std::string text;
    std::int16_t option = 0;
    double height = 0;
    double angleDeg = 0;

    friend bool operator==(const TextShape&, const TextShape&) = default;
};

// The outline of a board sheet around imposed blanks: not part of the blank, so neither its
// size nor its totals count it.
struct SheetShape {
    Point min;
    Point max;

    friend bool operator==(const SheetShape&, const SheetShape&) = default;
};

// Flag of a sheet outline whose flute runs along the sheet's width (flute direction 1); the
// view and the writers hatch such a sheet along X.
inline constexpr std::int32_t kFlagFluteAlongX = 13;

// The outer contour of a blank's cut lines, kept to measure the cut surface: one closed ring
// per separate piece. Neither shown, written, sized nor totalled.
struct ContourShape {
    std::vector<std::vector<Point>> rings;
    double area = 0;  // mm², inner cut-outs not subtracted

    friend bool operator==(const ContourShape&, const ContourShape&) = default;
};

// A symbol of a library (the direction arrows): its strokes in the symbol's own unit, drawn
// scaled by `size`, turned by `angleDeg` and placed at `position`.
struct SymbolShape {
    Point position;
    std::int32_t number = 0;
    double size = 1;
    double angleDeg = 0;
    std::vector<Segment> strokes;

    // The strokes where the drawing shows them.
    std::vector<Segment> placedStrokes() const;
    friend bool operator==(const SymbolShape&, const SymbolShape&) = default;
};

using Shape = std::variant<LineShape, ArcShape, DimensionShape, TextShape, SheetShape, ContourShape,
                           SymbolShape>;

// A bridge (nick) left uncut in a cut line so that the blank stays in the sheet through the
// press: its centre as the distance along the stroke from the stroke's start, and its width.
struct Bridge {
    double at = 0;
    double width = 0;

    friend bool operator==(const Bridge&, const Bridge&) = default;
};

struct Element {
    Shape shape;
    LineKind lineKind = LineKind::Cut;
    std::int16_t lineVariant = 1;
    std::int16_t piece = 1;
    std::int32_t flag = 0;
    // Bridges of a line or arc, in order along it.
    std::vector<Bridge> bridges = {};
    // A line its style keeps whole: the placement gives it no bridge.
    bool bridgeless = false;

    ShapeType type() const;
    friend bool operator==(const Element&, const Element&) = default;
};

// Length counted in the line totals: lines and arcs only.
double strokeLength(const Element& e);

}  // namespace brontaxe
