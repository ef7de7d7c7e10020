#include "builders/winged_cap.h"

#include <algorithm>

#include "builders/emit.h"
#include "drawing/pen_scope.h"
#include "platform/errors.h"

namespace brontaxe {
namespace {

constexpr std::int16_t kOrdinary = 1;
constexpr std::int16_t kMarked = 2;

void checkCap(const WingedCapShape& c, float e) {
    if (!(c.a > e && c.b > 0 && c.h > e && c.wing > 0 && c.inner >= 0))
        throw GenerationError("Couvercle impossible : dimensions trop petites");
}

// The quarter x >= 0, y >= 0: end wall and its wing, side wall and its inner wall.
void quarter(Drawing& d, const WingedCapShape& c, float e) {
    const float a = c.a;
    const float b = c.b;
    const float h = c.h;
    const float top = b + h + c.inner;

    PenScope pen(d, kind::Cut);
    chainStart(d, a + h, 0);
    lineTo(d, a + h, b + c.wing);
    lineTo(d, a + e, b + c.wing);
    pen.setVariant(kMarked);
    lineTo(d, a, b);
    pen.setVariant(kOrdinary);
    lineTo(d, a, b + h);
    if (c.inner > 0) {
        pen.setVariant(kMarked);
        lineTo(d, a - e, b + h);
        lineTo(d, a - e, top);
        pen.setVariant(kOrdinary);
    }
    lineTo(d, 0, top);

    pen.setKind(kind::Crease);
    line(d, 0, b, a, b);
    line(d, a, 0, a, b);
    line(d, a, b, a + h, b);
    if (c.inner > 0)
        line(d, 0, b + h, a - e, b + h);
}

}  // namespace

float markedCapHalfLength(const WingedCapShape& cap) {
    return cap.a + cap.h;
}

float markedCapHalfWidth(const WingedCapShape& cap) {
    return cap.b + std::max(cap.h + cap.inner, cap.wing);
}

void WingedCap(Drawing& d, const WingedCapShape& cap, float thickness, const FeaturePlacement& at) {
    const float e = thickness;
    checkCap(cap, e);
    const int first = beginFeature(d);
    fourQuarters(d, [&] { quarter(d, cap, e); });
    placeFeature(d, first, at);
}

}  // namespace brontaxe
