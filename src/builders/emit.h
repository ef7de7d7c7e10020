#pragma once
// The emission rules every generator and builder follows: coordinates travel through the
// model's point registers, every element is registered in `IdLignes`, and a builder draws in
// its own coordinates before placing its range of elements.

#include <functional>
#include <string_view>
#include <utility>

#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// Registers an element the control just made: NbLignes += 1, IdLignes(NbLignes) = id.
ElementId registerElement(Model& m, ElementId id);
// Throws GenerationError when the registry cannot take one more element; emitters call it
// before drawing, so nothing is drawn that cannot be registered.
void ensureRegistryRoom(const Model& m);

// Line from (X1, Y1) to (X2, Y2).
ElementId emitLine(Model& m, Drawing& d);
ElementId line(Model& m, Drawing& d, float x1, float y1, float x2, float y2);
// Outlines as chains: the next line starts where the previous one ended.
void chainStart(Model& m, float x, float y);
ElementId lineTo(Model& m, Drawing& d, float x, float y);

// Arc of radius `Rayon` from `AngleDep` over `Balayage`, centred on (Xc, Yc).
ElementId emitArc(Model& m, Drawing& d);
ElementId arc(Model& m, Drawing& d, float cx, float cy, float radius, float start, float sweep);

// Dimension from (X1, Y1) to (X2, Y2) with reference point (Xr, Yr).
ElementId emitDimension(Model& m, Drawing& d);
ElementId dimension(Model& m, Drawing& d, float x1, float y1, float x2, float y2, float xr,
                    float yr);

// Text at (Xc, Yc), size `Rayon`, turned by `AngleDep`, on line kind 8.
ElementId emitText(Model& m, Drawing& d, std::string_view text, std::int16_t option, float size);

// Text at (x, y), `size` high, turned by `angle` degrees.
ElementId text(Model& m, Drawing& d, float x, float y, std::string_view content,
               std::int16_t option, float size, float angle);

// Rounds the corner between two registered lines and registers the arc. A zero radius joins
// the lines at their corner without an arc and registers nothing (the id returned is invalid).
ElementId fillet(Model& m, Drawing& d, ElementId first, ElementId second, float radius);

// A builder remembers where its elements start, draws in its own coordinates, then places
// them: mirrored across y = 0 when `mirrored`, turned by `angle`, moved by (x, y).
int beginFeature(const Model& m);
void placeFeature(Model& m, Drawing& d, int first, float x, float y, float angle, bool mirrored);

// A shape symmetric about both axes from its upper right quarter: the quarter drawn four times,
// as drawn, mirrored across y = 0, turned into the opposite corner, and mirrored across x = 0.
void fourQuarters(Model& m, Drawing& d, const std::function<void()>& drawQuarter);

// Slot half-widths (a, b) on the two sides of a crease.
std::pair<float, float> DemiEncoches(const Model& m);

// Reverses the recorded machine passes of panels and flaps for a mirrored drawing.
void InversePasses(Model& m);

// Opens a generation: clears the drawing, opens an editing pass, piece 1, empty registry;
// closes the pass on every way out, errors included.
class GenerationPass {
  public:
    GenerationPass(Model& m, Drawing& d);
    ~GenerationPass() { drawing_.EndDrawing(); }
    GenerationPass(const GenerationPass&) = delete;
    GenerationPass& operator=(const GenerationPass&) = delete;

  private:
    Drawing& drawing_;
};

}  // namespace brontaxe
