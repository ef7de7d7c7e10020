#include "support/outline.h"

#include "drawing/contour.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace brontaxe::test {

std::vector<Point> looseCutEnds(const Drawing& d) {
    std::vector<Point> ends;
    for (const Element& e : d.elements()) {
        if (e.lineKind != kind::Cut)
            continue;
        if (const auto* l = std::get_if<LineShape>(&e.shape)) {
            if (areNear(l->a, l->b, 0.01))
                continue;  // a null edge joins nothing
            ends.push_back(l->a);
            ends.push_back(l->b);
        } else if (const auto* a = std::get_if<ArcShape>(&e.shape)) {
            if (a->sweepDeg >= 360.0 - kEps)
                continue;
            ends.push_back(a->start());
            ends.push_back(a->end());
        }
    }
    std::vector<Point> loose;
    for (std::size_t i = 0; i < ends.size(); ++i) {
        bool meets = false;
        for (std::size_t j = 0; j < ends.size() && !meets; ++j)
            meets = i != j && areNear(ends[i], ends[j], 0.01);
        if (!meets)
            loose.push_back(ends[i]);
    }
    return loose;
}

::testing::AssertionResult cutOutlineIsClosed(const Drawing& d) {
    const bool anyCut = std::any_of(d.elements().begin(), d.elements().end(), [](const Element& e) {
        return e.lineKind == kind::Cut && (std::holds_alternative<LineShape>(e.shape) ||
                                           std::holds_alternative<ArcShape>(e.shape));
    });
    if (!anyCut)
        return ::testing::AssertionFailure() << "the drawing has no cut line";
    const std::vector<Point> loose = looseCutEnds(d);
    if (loose.empty())
        return ::testing::AssertionSuccess();
    std::ostringstream out;
    for (const Point& p : loose)
        out << " (" << p.x << ", " << p.y << ")";
    return ::testing::AssertionFailure() << loose.size() << " loose cut ends:" << out.str();
}

::testing::AssertionResult cutOutlineIsClosedOrEndsOnFolds(const Drawing& d) {
    const ::testing::AssertionResult closed = cutOutlineIsClosed(d);
    if (closed)
        return closed;
    std::vector<Point> creaseEnds;
    for (const LineShape& l : linesOfKind(d, kind::Crease)) {
        creaseEnds.push_back(l.a);
        creaseEnds.push_back(l.b);
    }
    std::ostringstream out;
    int loose = 0;
    for (const Point& p : looseCutEnds(d)) {
        const auto folds = std::count_if(creaseEnds.begin(), creaseEnds.end(),
                                         [&](const Point& c) { return areNear(p, c, 0.01); });
        if (folds >= 2)
            continue;
        ++loose;
        out << " (" << p.x << ", " << p.y << ")";
    }
    if (loose == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << loose << " loose cut ends off any fold corner:" << out.str();
}

std::vector<Segment> cutLinework(const Drawing& d) {
    std::vector<Segment> out;
    for (const Element& e : d.elements()) {
        if (e.lineKind != kind::Cut)
            continue;
        if (const auto* l = std::get_if<LineShape>(&e.shape))
            out.push_back({l->a, l->b});
        if (const auto* a = std::get_if<ArcShape>(&e.shape)) {
            for (const Segment& s : flattenArc(*a, kContourArcTolerance))
                out.push_back(s);
        }
    }
    return out;
}

std::vector<LineShape> linesOfKind(const Drawing& d, LineKind lineKind) {
    std::vector<LineShape> out;
    for (const Element& e : d.elements()) {
        if (e.lineKind != lineKind)
            continue;
        if (const auto* l = std::get_if<LineShape>(&e.shape))
            out.push_back(*l);
    }
    return out;
}

std::vector<ArcShape> arcsOfKind(const Drawing& d, LineKind lineKind) {
    std::vector<ArcShape> out;
    for (const Element& e : d.elements()) {
        if (e.lineKind != lineKind)
            continue;
        if (const auto* a = std::get_if<ArcShape>(&e.shape))
            out.push_back(*a);
    }
    return out;
}

std::vector<DimensionShape> dimensions(const Drawing& d) {
    std::vector<DimensionShape> out;
    for (const Element& e : d.elements()) {
        if (const auto* s = std::get_if<DimensionShape>(&e.shape))
            out.push_back(*s);
    }
    return out;
}

namespace {

std::vector<LineShape> sortedBy(std::vector<LineShape> lines, bool byX) {
    for (auto& l : lines) {
        const bool swap = byX ? l.b.x < l.a.x : l.b.y < l.a.y;
        if (swap)
            std::swap(l.a, l.b);
    }
    std::sort(lines.begin(), lines.end(), [byX](const LineShape& p, const LineShape& q) {
        return byX ? p.a.x < q.a.x : p.a.y < q.a.y;
    });
    return lines;
}

}  // namespace

std::vector<LineShape> horizontalLinesAt(const Drawing& d, LineKind lineKind, double y) {
    std::vector<LineShape> out;
    for (const auto& l : linesOfKind(d, lineKind)) {
        if (areNear(l.a.y, y, 0.01) && areNear(l.b.y, y, 0.01) && !areNear(l.a, l.b, 0.01)) {
            out.push_back(l);
        }
    }
    return sortedBy(out, true);
}

std::vector<LineShape> verticalLinesAt(const Drawing& d, LineKind lineKind, double x) {
    std::vector<LineShape> out;
    for (const auto& l : linesOfKind(d, lineKind)) {
        if (areNear(l.a.x, x, 0.01) && areNear(l.b.x, x, 0.01) && !areNear(l.a, l.b, 0.01)) {
            out.push_back(l);
        }
    }
    return sortedBy(out, false);
}

::testing::AssertionResult noLineDrawnTwice(const Drawing& d, LineKind lineKind) {
    const std::vector<LineShape> cuts = linesOfKind(d, lineKind);
    std::ostringstream out;
    int twice = 0;
    for (std::size_t i = 0; i < cuts.size(); ++i) {
        const Point a = cuts[i].a;
        const Point dir = cuts[i].b - a;
        const double len = length(dir);
        if (len <= 0.01)
            continue;
        const Point u = dir * (1.0 / len);
        for (std::size_t j = i + 1; j < cuts.size(); ++j) {
            const Point p = cuts[j].a - a;
            const Point q = cuts[j].b - a;
            if (std::fabs(cross(u, p)) > 0.01 || std::fabs(cross(u, q)) > 0.01)
                continue;
            const double lo = std::max(0.0, std::min(dot(u, p), dot(u, q)));
            const double hi = std::min(len, std::max(dot(u, p), dot(u, q)));
            if (hi - lo > 0.01) {
                ++twice;
                out << " (" << a.x << ", " << a.y << ")-(" << cuts[i].b.x << ", " << cuts[i].b.y
                    << ")";
            }
        }
    }
    if (twice == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << twice << " lines drawn twice:" << out.str();
}

bool hasDimension(const Drawing& d, Point a, Point b, double eps) {
    for (const auto& dim : dimensions(d)) {
        if ((areNear(dim.p1, a, eps) && areNear(dim.p2, b, eps)) ||
            (areNear(dim.p1, b, eps) && areNear(dim.p2, a, eps))) {
            return true;
        }
    }
    return false;
}

}  // namespace brontaxe::test
