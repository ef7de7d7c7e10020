#include "drawing/pen_scope.h"

namespace brontaxe {

PenScope::PenScope(Drawing& d) : drawing_(d), before_(d.lineStyle()) {}

PenScope::PenScope(Drawing& d, LineKind kind) : PenScope(d) {
    setKind(kind);
}

PenScope::PenScope(Drawing& d, const LineStyle& style) : PenScope(d) {
    drawing_.lineStyle_ = style;
}

PenScope::~PenScope() {
    drawing_.lineStyle_ = before_;
}

void PenScope::setKind(LineKind kind) {
    drawing_.lineStyle_.kind = kind;
}

void PenScope::setVariant(std::int16_t variant) {
    drawing_.lineStyle_.variant = variant;
}

void PenScope::setPiece(std::int16_t piece) {
    drawing_.lineStyle_.piece = piece;
}

void PenScope::setBridgeless(bool bridgeless) {
    drawing_.lineStyle_.bridgeless = bridgeless;
}

}  // namespace brontaxe
