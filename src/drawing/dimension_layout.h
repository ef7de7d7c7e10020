#pragma once
// How a dimension is drawn: its dimension line, extension lines, arrowheads and value text,
// computed once here so that every file format and the screen show the same dimensions.

#include <array>
#include <string>

#include "drawing/drawing.h"
#include "drawing/geometry.h"

namespace brontaxe {

// Sizes on paper, in millimetres of the drawing (everything is drawn at true scale).
struct DimensionStyle {
    double textHeight = 3.5;
    double arrowLength = 3.5;
    double arrowHalfWidth = 0.9;
    double extensionGap = 2.0;        // left free between the blank and an extension line
    double extensionOvershoot = 2.0;  // past the dimension line

    // Sizes that stay legible when the whole blank is shown on one page or screen: they grow
    // with the blank, from 3.5 mm text for a small one.
    static DimensionStyle forExtents(const Box& blank);
};

// A filled triangle: the tip touches the extension line.
struct Arrowhead {
    Point tip;
    Point left;
    Point right;
};

struct DimensionLayout {
    double value = 0;  // measured distance in millimetres
    std::string text;  // the value as shown
    Segment dimensionLine;
    std::array<Segment, 2> extensionLines;
    std::array<Arrowhead, 2> arrows;
    bool hasArrows = true;    // false for a zero-length dimension
    Point textAnchor;         // middle of the text's baseline
    double textAngleDeg = 0;  // baseline direction, kept readable: in (-90, 90]
    double textHeight = 0;
};

// The measured value as shown: millimetres to one decimal, no decimals when whole ("400",
// "150.5").
std::string dimensionText(double value);

// The dimension line passes through `ref` parallel to p1-p2. When it lies outside `blank` (the
// dimension chains put it there), the extension lines reach back to the blank's edge; otherwise
// they run from the measured points.
DimensionLayout layoutDimension(const DimensionShape& d, const DimensionStyle& style,
                                const Box& blank = Box{});

// Approximate width of a text in the sans-serif face the outputs use.
double approximateTextWidth(std::string_view text, double height);

// Corners of a text's box: from its baseline start, `height` high, turned by its angle.
std::array<Point, 4> textBoxCorners(const TextShape& t);

// Everything a drawing shows (blank, dimensions with their texts, texts, sheet outlines), for
// sizing a page or a bitmap.
Box drawingBounds(const Drawing& d, const DimensionStyle& style);

}  // namespace brontaxe
