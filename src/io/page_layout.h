#pragma once
// The page a drawing is put on by the vector and bitmap formats: everything it shows plus a
// margin, at true scale.

#include "drawing/dimension_layout.h"
#include "drawing/drawing.h"

namespace brontaxe::io {

inline constexpr double kPageMarginMm = 10.0;
inline constexpr double kPointsPerMm = 72.0 / 25.4;

struct PageLayout {
    Box blank;             // the blank itself (lines and arcs)
    Box shown;             // everything drawn, dimensions and texts included
    DimensionStyle style;  // dimension sizes for this blank
    double widthMm = 0;    // page, margins included
    double heightMm = 0;

    // Page position of a drawing point, in millimetres from the page's top left corner.
    double pageX(double x) const { return x - shown.xmin + kPageMarginMm; }
    double pageY(double y) const { return shown.ymax + kPageMarginMm - y; }
};

PageLayout pageLayoutFor(const Drawing& d);

// Bitmaps: as many pixels a millimetre as fit the longest side in kMaxBitmapSide, at most 4
// (about 100 dots per inch), so a metre-wide blank still makes a file of reasonable size.
inline constexpr int kMaxBitmapSide = 3000;
struct BitmapSize {
    int width = 1;
    int height = 1;
    double pixelsPerMm = 1;
};
BitmapSize bitmapSizeFor(const PageLayout& page);

}  // namespace brontaxe::io
