#include "drawing/dimension_layout.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "drawing/sheet_elements.h"
#include "drawing/tolerances.h"
#include "platform/number_text.h"

namespace brontaxe {
namespace {

Point leftNormal(Point u) {
    return {-u.y, u.x};
}

// Where the extension line of one end starts: on the blank's edge facing an axis-aligned
// dimension line outside the blank, else at the measured point.
Point extensionOrigin(Point measured, Point lineEnd, Point u, const Box& blank) {
    if (blank.empty)
        return measured;
    const bool horizontal = std::fabs(u.y) <= kRoundingNoise;
    const bool vertical = std::fabs(u.x) <= kRoundingNoise;
    if (horizontal && lineEnd.y < blank.ymin)
        return {lineEnd.x, blank.ymin};
    if (horizontal && lineEnd.y > blank.ymax)
        return {lineEnd.x, blank.ymax};
    if (vertical && lineEnd.x < blank.xmin)
        return {blank.xmin, lineEnd.y};
    if (vertical && lineEnd.x > blank.xmax)
        return {blank.xmax, lineEnd.y};
    return measured;
}

Segment extensionLine(Point origin, Point lineEnd, Point n, const DimensionStyle& s) {
    const Point towardLine = lineEnd - origin;
    if (length(towardLine) <= s.extensionGap + kEps) {
        // The measured point is on the dimension line: a short tick across it.
        return {lineEnd - n * s.extensionOvershoot, lineEnd + n * s.extensionOvershoot};
    }
    const Point dir = unit(towardLine);
    return {origin + dir * s.extensionGap, lineEnd + dir * s.extensionOvershoot};
}

Arrowhead arrowAt(Point tip, Point back, const DimensionStyle& s) {
    const Point base = tip + back * s.arrowLength;
    const Point side = leftNormal(back) * s.arrowHalfWidth;
    return {tip, base + side, base - side};
}

// Direction of a baseline turned so that the text never reads upside down.
double readableAngle(Point u) {
    double angle = toDegrees(std::atan2(u.y, u.x));
    if (angle > 90.0 + kRoundingNoise)
        angle -= 180.0;
    else if (angle <= -90.0 + kRoundingNoise)
        angle += 180.0;
    return angle;
}

}  // namespace

DimensionStyle DimensionStyle::forExtents(const Box& blank) {
    DimensionStyle s;
    const double size = blank.width() + blank.height();
    const double k = std::clamp(size / 150.0, 3.5, 40.0) / s.textHeight;
    s.textHeight *= k;
    s.arrowLength *= k;
    s.arrowHalfWidth *= k;
    s.extensionGap *= k;
    s.extensionOvershoot *= k;
    return s;
}

std::string dimensionText(double value) {
    const double rounded = std::round(value * 10.0) / 10.0;
    return platform::numberText(rounded == 0.0 ? 0.0 : rounded);
}

DimensionLayout layoutDimension(const DimensionShape& d, const DimensionStyle& style,
                                const Box& blank) {
    DimensionLayout out;
    out.value = distance(d.p1, d.p2);
    out.text = dimensionText(out.value);
    out.textHeight = style.textHeight;
    const Point u = unit(d.p2 - d.p1);
    const Point n = leftNormal(u);
    const double offset = dot(d.ref - d.p1, n);
    const Point a = d.p1 + n * offset;
    const Point b = d.p2 + n * offset;
    out.extensionLines = {extensionLine(extensionOrigin(d.p1, a, u, blank), a, n, style),
                          extensionLine(extensionOrigin(d.p2, b, u, blank), b, n, style)};

    out.hasArrows = out.value > kEps;
    // Too short for two arrows inside: they point inwards from outside, on a longer line.
    const bool inside = out.value >= 2.5 * style.arrowLength;
    out.dimensionLine =
        inside ? Segment{a, b} : Segment{a - u * style.arrowLength, b + u * style.arrowLength};
    out.arrows = inside
                     ? std::array<Arrowhead, 2>{arrowAt(a, u, style), arrowAt(b, u * -1.0, style)}
                     : std::array<Arrowhead, 2>{arrowAt(a, u * -1.0, style), arrowAt(b, u, style)};

    out.textAngleDeg = readableAngle(u);
    const Point up = leftNormal(pointOnCircle({0, 0}, 1.0, out.textAngleDeg));
    out.textAnchor = (a + b) * 0.5 + up * (0.4 * style.textHeight);
    return out;
}

double approximateTextWidth(std::string_view text, double height) {
    std::size_t glyphs = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80)  // one per UTF-8 character
            ++glyphs;
    }
    return 0.62 * height * static_cast<double>(glyphs);
}

std::array<Point, 4> textBoxCorners(const TextShape& t) {
    const double w = approximateTextWidth(t.text, t.height);
    const Point along = pointOnCircle({0, 0}, 1.0, t.angleDeg);
    const Point up = leftNormal(along);
    const Point p = t.position;
    return {p, p + along * w, p + along * w + up * t.height, p + up * t.height};
}

Box drawingBounds(const Drawing& d, const DimensionStyle& style) {
    const Box blank = d.extents();
    Box box = blank;
    box.add(sheetExtents(d));
    for (const Element& e : d.elements()) {
        if (!d.isShown(e))
            continue;
        if (const auto* dim = std::get_if<DimensionShape>(&e.shape)) {
            const DimensionLayout l = layoutDimension(*dim, style, blank);
            box.add(l.dimensionLine.a);
            box.add(l.dimensionLine.b);
            for (const Segment& s : l.extensionLines) {
                box.add(s.a);
                box.add(s.b);
            }
            const TextShape label{{}, l.text, 0, l.textHeight, l.textAngleDeg};
            const Point half = pointOnCircle({0, 0}, approximateTextWidth(l.text, l.textHeight) / 2,
                                             l.textAngleDeg);
            TextShape placed = label;
            placed.position = l.textAnchor - half;
            for (Point p : textBoxCorners(placed))
                box.add(p);
        } else if (const auto* t = std::get_if<TextShape>(&e.shape)) {
            for (Point p : textBoxCorners(*t))
                box.add(p);
        } else if (const auto* s = std::get_if<SheetShape>(&e.shape)) {
            box.add(s->min);
            box.add(s->max);
        } else if (const auto* symbol = std::get_if<SymbolShape>(&e.shape)) {
            for (const Segment& stroke : symbol->placedStrokes()) {
                box.add(stroke.a);
                box.add(stroke.b);
            }
        }
    }
    return box;
}

}  // namespace brontaxe
