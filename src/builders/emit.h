#pragma once
// The emission rules every generator and builder follows: every element goes through the
// drawing's tracer, which registers it, and a builder draws in its own coordinates before
// placing its range of elements.

#include <functional>
#include <string_view>
#include <type_traits>
#include <utility>

#include "builders/feature_placement.h"
#include "drawing/drawing.h"

namespace brontaxe {

// A point at the model's single precision; any pair of numbers converts to it, so a call
// can give `{x, y}` from whatever it computed.
struct PointF {
    float x = 0;
    float y = 0;

    constexpr PointF() = default;
    template <typename X, typename Y>
    requires std::is_arithmetic_v<X> && std::is_arithmetic_v<Y>
    constexpr PointF(X px, Y py) : x(static_cast<float>(px)), y(static_cast<float>(py)) {}
};

// Registers an element the control just made as the pen's next one.
ElementId registerElement(Drawing& d, ElementId id);
// Throws GenerationError when the registry cannot take one more element; emitters call it
// before drawing, so nothing is drawn that cannot be registered.
void ensureRegistryRoom(const Drawing& d);

ElementId line(Drawing& d, float x1, float y1, float x2, float y2);
// Outlines as chains: the next line starts where the previous one ended.
void chainStart(Drawing& d, float x, float y);
ElementId lineTo(Drawing& d, float x, float y);

// Arc of `radius` about `centre` from `start` over `sweep` degrees (negative sweeps run
// clockwise).
ElementId arc(Drawing& d, PointF centre, float radius, float start, float sweep);

// A dimension measuring from `from` to `to`, its line laid through `at`.
struct DimensionLine {
    PointF from;
    PointF to;
    PointF at;
};
ElementId dimension(Drawing& d, const DimensionLine& dim);

// Text at `at`, `size` high, turned by `angle` degrees, on line kind 8.
ElementId text(Drawing& d, PointF at, std::string_view content, std::int16_t option, float size,
               float angle);

// Rounds the corner between two registered lines and registers the arc. A zero radius joins
// the lines at their corner without an arc and registers nothing (the id returned is invalid).
ElementId fillet(Drawing& d, ElementId first, ElementId second, float radius);

// A builder remembers where its elements start, draws in its own coordinates, then places
// them: mirrored across y = 0 when `mirrored`, turned by `angle`, moved by (x, y).
int beginFeature(const Drawing& d);
void placeFeature(Drawing& d, int first, const FeaturePlacement& at);

// A shape symmetric about both axes from its upper right quarter: the quarter drawn four times,
// as drawn, mirrored across y = 0, turned into the opposite corner, and mirrored across x = 0.
void fourQuarters(Drawing& d, const std::function<void()>& drawQuarter);

// Allowances 15 and 16 of the styles that slot their flaps: the two halves of every slot, which
// replace those the slot's width and offset give when both are set.
struct SlotHalfAllowances {
    float first;   // 15: left of the first crease, right of the second, and so on
    float second;  // 16: the other side
};

// What sizes the slots: their width and how far they are moved off the crease, and the two
// halves of allowances 15 and 16.
struct SlotSettings {
    float width = 0;
    float offset = 0;
    SlotHalfAllowances halves{};
};

// Slot half-widths (a, b) on the two sides of a crease.
std::pair<float, float> slotHalfWidths(const SlotSettings& slots);

// Opens a generation: clears the drawing, opens an editing pass, piece 1, empty registry;
// closes the pass on every way out, errors included.
class GenerationPass {
  public:
    explicit GenerationPass(Drawing& d);
    ~GenerationPass() { drawing_.EndDrawing(); }
    GenerationPass(const GenerationPass&) = delete;
    GenerationPass& operator=(const GenerationPass&) = delete;

  private:
    Drawing& drawing_;
};

}  // namespace brontaxe
