#include "support/line_kinds_drawing.h"
#include "drawing/pen_scope.h"

#include <cmath>

namespace brontaxe::test {

std::vector<AskedStroke> lineKindsStrokes() {
    constexpr double kRow = 40;
    constexpr double kRadius = 10;
    std::vector<AskedStroke> out;
    for (std::size_t row = 0; row < kTotalledKinds.size(); ++row) {
        const LineKind k = kTotalledKinds[row];
        const double y = kRow * static_cast<double>(row);
        const bool odd = row % 2 == 1;
        // Lines of another length in each row, so that no two kinds total the same.
        out.push_back({k, false, {0, y}, {10.0 + 5 * static_cast<double>(row), y + 20}, 0, 0, 0});
        // One arc a quadrant, the direction changing from one quadrant and one row to the next.
        for (int q = 0; q < 4; ++q) {
            const double start = 90.0 * q + 15;
            const bool clockwise = (static_cast<int>(row) + q) % 2 == 1;
            out.push_back({k,
                           true,
                           {50.0 + 30 * q, y + 10},
                           {},
                           kRadius,
                           clockwise ? start + 60 : start,
                           clockwise ? -60.0 : 60.0});
        }
        out.push_back(
            {k, true, {170, y + 10}, {}, kRadius, odd ? 40.0 : 320.0, odd ? -80.0 : 80.0});
        out.push_back(
            {k, true, {200, y + 10}, {}, kRadius, odd ? 70.0 : 200.0, odd ? -230.0 : 230.0});
        out.push_back({k, true, {230, y + 10}, {}, kRadius, 45, 360});
    }
    return out;
}

Drawing lineKindsDrawing() {
    Drawing d;
    PenScope pen(d);
    for (const AskedStroke& s : lineKindsStrokes()) {
        pen.setKind(s.lineKind);
        if (!s.isArc) {
            d.AddLine(s.a.x, s.a.y, s.b.x, s.b.y);
            continue;
        }
        d.AddArc(s.a.x, s.a.y, static_cast<float>(s.radius), static_cast<float>(s.startDeg),
                 s.sweepDeg);
    }
    return d;
}

double askedLength(const AskedStroke& s) {
    if (!s.isArc)
        return std::hypot(s.b.x - s.a.x, s.b.y - s.a.y);
    return s.radius * std::fabs(s.sweepDeg) * kPi / 180;
}

}  // namespace brontaxe::test
