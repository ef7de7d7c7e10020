#include "support/outline.h"

#include <algorithm>
#include <sstream>

namespace brontaxe::test {

::testing::AssertionResult cutOutlineIsClosed(const Drawing& d) {
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
    if (ends.empty())
        return ::testing::AssertionFailure() << "the drawing has no cut line";
    std::ostringstream loose;
    int looseCount = 0;
    for (std::size_t i = 0; i < ends.size(); ++i) {
        int meeting = 0;
        for (std::size_t j = 0; j < ends.size(); ++j) {
            if (i != j && areNear(ends[i], ends[j], 0.01))
                ++meeting;
        }
        if (meeting == 0) {
            loose << " (" << ends[i].x << ", " << ends[i].y << ")";
            ++looseCount;
        }
    }
    if (looseCount == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << looseCount << " loose cut ends:" << loose.str();
}

std::vector<LineShape> linesOfKind(const Drawing& d, std::int16_t lineKind) {
    std::vector<LineShape> out;
    for (const Element& e : d.elements()) {
        if (e.lineKind != lineKind)
            continue;
        if (const auto* l = std::get_if<LineShape>(&e.shape))
            out.push_back(*l);
    }
    return out;
}

std::vector<ArcShape> arcsOfKind(const Drawing& d, std::int16_t lineKind) {
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

std::vector<LineShape> horizontalLinesAt(const Drawing& d, std::int16_t lineKind, double y) {
    std::vector<LineShape> out;
    for (const auto& l : linesOfKind(d, lineKind)) {
        if (areNear(l.a.y, y, 0.01) && areNear(l.b.y, y, 0.01) && !areNear(l.a, l.b, 0.01)) {
            out.push_back(l);
        }
    }
    return sortedBy(out, true);
}

std::vector<LineShape> verticalLinesAt(const Drawing& d, std::int16_t lineKind, double x) {
    std::vector<LineShape> out;
    for (const auto& l : linesOfKind(d, lineKind)) {
        if (areNear(l.a.x, x, 0.01) && areNear(l.b.x, x, 0.01) && !areNear(l.a, l.b, 0.01)) {
            out.push_back(l);
        }
    }
    return sortedBy(out, false);
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
