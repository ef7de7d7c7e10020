#include "editing/picking.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "editing/stroke_geometry.h"
#include "platform/overloaded.h"

namespace brontaxe::editing {
namespace {

constexpr double kNowhere = std::numeric_limits<double>::infinity();

double nearestOf(Point p, std::initializer_list<Point> points) {
    double best = kNowhere;
    for (const Point& q : points)
        best = std::min(best, distance(p, q));
    return best;
}

bool isPickable(const Element& e) {
    return !std::holds_alternative<SheetShape>(e.shape) &&
           !std::holds_alternative<ContourShape>(e.shape);
}

bool insideWindow(const Box& window, const Box& b) {
    return !b.empty && b.xmin >= window.xmin && b.xmax <= window.xmax && b.ymin >= window.ymin &&
           b.ymax <= window.ymax;
}

bool boxesOverlap(const Box& a, const Box& b) {
    return !a.empty && !b.empty && a.xmin <= b.xmax && b.xmin <= a.xmax && a.ymin <= b.ymax &&
           b.ymin <= a.ymax;
}

// The window's four sides.
std::array<LineShape, 4> sidesOf(const Box& w) {
    const Point p0{w.xmin, w.ymin};
    const Point p1{w.xmax, w.ymin};
    const Point p2{w.xmax, w.ymax};
    const Point p3{w.xmin, w.ymax};
    return {LineShape{p0, p1}, LineShape{p1, p2}, LineShape{p2, p3}, LineShape{p3, p0}};
}

// A stroke crosses the window when one of its points lies in it or it meets a side.
bool strokeCrosses(const Shape& s, Point somePoint, const Box& window) {
    if (boxContains(window, somePoint))
        return true;
    for (const LineShape& side : sidesOf(window))
        if (!strokeCrossings(s, side).empty())
            return true;
    return false;
}

bool crossesWindow(const Element& e, const Box& window) {
    return std::visit(
        Overloaded{
            [&](const LineShape& l) { return strokeCrosses(l, l.a, window); },
            [&](const ArcShape& a) { return strokeCrosses(a, a.start(), window); },
            [&](const DimensionShape& d) {
                return boxContains(window, d.p1) || boxContains(window, d.p2) ||
                       boxContains(window, d.ref);
            },
            [&](const TextShape& t) { return boxContains(window, t.position); },
            [&](const SymbolShape& s) {
                for (const Segment& stroke : s.placedStrokes())
                    if (strokeCrosses(LineShape{stroke.a, stroke.b}, stroke.a, window))
                        return true;
                return false;
            },
            [](const SheetShape&) { return false; },
            [](const ContourShape&) { return false; },
        },
        e.shape);
}

}  // namespace

double distanceToElement(const Element& e, Point p) {
    return std::visit(
        Overloaded{
            [&](const LineShape& l) { return distance(p, nearestOnSegment(p, l.a, l.b)); },
            [&](const ArcShape& a) { return distance(p, nearestOnArc(a, p)); },
            [&](const DimensionShape& d) {
                return nearestOf(p, {d.p1, d.p2, d.ref});
            },
            [&](const TextShape& t) { return distance(p, t.position); },
            [&](const SymbolShape& s) {
                double best = kNowhere;
                for (const Segment& stroke : s.placedStrokes())
                    best = std::min(best, distance(p, nearestOnSegment(p, stroke.a, stroke.b)));
                return best;
            },
            [](const SheetShape&) { return kNowhere; },
            [](const ContourShape&) { return kNowhere; },
        },
        e.shape);
}

std::optional<std::size_t> pickElement(std::span<const Element> elements, Point p,
                                       double tolerance) {
    std::optional<std::size_t> best;
    double bestDistance = tolerance;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const Element& e = elements[i];
        // Most elements lie far away: their box settles it without a square root.
        if (!isPickable(e) || !boxContains(elementBox(e), p, tolerance))
            continue;
        const double d = distanceToElement(e, p);
        if (d <= bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

Selection elementsInWindow(std::span<const Element> elements, const Box& window, WindowMode mode) {
    Selection out;
    if (window.empty)
        return out;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const Element& e = elements[i];
        if (!isPickable(e))
            continue;
        const Box box = elementBox(e);
        if (!boxesOverlap(window, box))
            continue;
        if (insideWindow(window, box) || (mode == WindowMode::Crossing && crossesWindow(e, window)))
            out.push_back(i);
    }
    return out;
}

}  // namespace brontaxe::editing
