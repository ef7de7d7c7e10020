#pragma once
// Slotted pieces of the telescope styles, drawn with the glue flap's free edge at x and the
// open (or upper) edge on y = 0, the body hanging below it.

#include "drawing/drawing.h"
#include "model/model.h"
#include "styles/03/fco300_sizes.h"

namespace brontaxe {

// The piece as a two- or four-piece box draws it: the panels left by the piece variants.
SlottedPiece drawnPanels(const Model& m, SlottedPiece p);

// From the glue flap's free edge to the far end of the last panel drawn (and of a second glue
// flap).
float drawnLength(const Model& m, const SlottedPiece& p);

// A half slotted case with its left edge at x: the body below y = 0, its flaps under it, the
// open edge cut along y = 0 over the glue flap and every panel drawn.
void drawHalfSlotted(Model& m, Drawing& d, const SlottedPiece& p, float x);

// A regular slotted case with its left edge at x, flaps at both ends, its upper flap crease on
// y = 0 with the upper flaps above it.
void drawClosedBody(Model& m, Drawing& d, const SlottedPiece& p, float x);

// Panel widths under the piece, body and flap heights across its first panel.
void pieceDimensions(Model& m, Drawing& d, const SlottedPiece& whole, float x);

}  // namespace brontaxe
