#pragma once
// A block of drawing and the line style it is drawn with. The scope keeps the drawing's style
// as it opens and puts it back as it closes, so that no builder or style leaves its kind,
// variant or piece to what is drawn after it, even when the block throws.

#include <cstdint>

#include "drawing/drawing.h"
#include "drawing/line_style.h"

namespace brontaxe {

class PenScope {
  public:
    // The style as it is, until a setter changes it.
    explicit PenScope(Drawing& d);
    // The style as it is, in another line kind.
    PenScope(Drawing& d, LineKind kind);
    // Another style altogether.
    PenScope(Drawing& d, const LineStyle& style);
    ~PenScope();
    PenScope(const PenScope&) = delete;
    PenScope& operator=(const PenScope&) = delete;
    PenScope(PenScope&&) = delete;
    PenScope& operator=(PenScope&&) = delete;

    // The next elements' kind, variant, piece; whether the next lines take no bridge.
    void setKind(LineKind kind);
    void setVariant(std::int16_t variant);
    void setPiece(std::int16_t piece);
    void setBridgeless(bool bridgeless);

  private:
    Drawing& drawing_;
    LineStyle before_;
};

}  // namespace brontaxe
