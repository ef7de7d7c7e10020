#pragma once
// Draws a drawing on a Cairo context at true scale, with the default pen of each kind.

#include <cairo.h>

#include "drawing/drawing.h"
#include "io/page_layout.h"
#include "io/write_progress.h"

namespace brontaxe::io {

// `unitsPerMm`: surface units in a millimetre (points for PDF and PostScript, 1 for an SVG in
// millimetres, pixels for a bitmap). `minLineUnits` keeps hairlines visible on bitmaps.
// Returns false when the user stopped it through `progress`.
bool renderDrawing(cairo_t* cr, const Drawing& d, const PageLayout& page, double unitsPerMm,
                   const WriteProgress& progress, double minLineUnits = 0);

}  // namespace brontaxe::io
