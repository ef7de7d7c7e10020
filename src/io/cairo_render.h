#pragma once
// Draws a drawing on a Cairo context at true scale, with the default pen of each kind.

#include <cairo.h>

#include "drawing/drawing.h"
#include "io/page_layout.h"

namespace brontaxe::io {

// `unitsPerMm`: surface units in a millimetre (points for PDF and PostScript, 1 for an SVG in
// millimetres, pixels for a bitmap). `minLineUnits` keeps hairlines visible on bitmaps.
void renderDrawing(cairo_t* cr, const Drawing& d, const PageLayout& page, double unitsPerMm,
                   double minLineUnits = 0);

}  // namespace brontaxe::io
