#pragma once
// What the drawing stamps on the elements it adds: their line kind, variant and piece, and
// whether their style keeps them whole (no bridge).

#include <cstdint>
#include <utility>

#include "drawing/element.h"

namespace brontaxe {

struct LineStyle {
    LineKind kind = LineKind::Cut;
    std::int16_t variant = 1;
    std::int16_t piece = 1;
    // The lines take no bridge: their style keeps them whole.
    bool bridgeless = false;

    friend bool operator==(const LineStyle&, const LineStyle&) = default;
};

// `shape` as an element drawn in `style`.
inline Element drawnWith(Shape shape, const LineStyle& style) {
    Element e{std::move(shape), style.kind, style.variant, style.piece};
    e.bridgeless = style.bridgeless;
    return e;
}

}  // namespace brontaxe
