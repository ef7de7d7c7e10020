#include <algorithm>
#include <cmath>
#include <vector>

#include "builders/extra_creases.h"
#include "drawing/pen_scope.h"
#include "drawing/tolerances.h"

namespace brontaxe {
namespace {

// Crossings closer than this are the same cut.
constexpr double kSameCrossing = 0.2;
// Crossings are found on the line a hair above (or right of) the crease, so that a vertex
// lying on the crease counts once when the outline passes through it and not at all when it
// only touches it from below.
constexpr double kAbove = kHair;

struct Crossing {
    double at;    // along the crease
    int element;  // index of the cut element crossed
};

// Coordinates with the crease along the first axis.
struct Frame {
    bool vertical;
    double along(Point p) const { return vertical ? p.y : p.x; }
    double across(Point p) const { return vertical ? p.x : p.y; }
};

void lineCrossing(const LineShape& l, const Frame& f, double c, int index,
                  std::vector<Crossing>& out) {
    const double v0 = f.across(l.a);
    const double v1 = f.across(l.b);
    const double probe = c + kAbove;
    if (!(std::min(v0, v1) < probe && probe < std::max(v0, v1)))
        return;
    const double t = std::clamp((c - v0) / (v1 - v0), 0.0, 1.0);
    out.push_back({f.along(l.a) + (f.along(l.b) - f.along(l.a)) * t, index});
}

bool onArc(const ArcShape& a, double degrees) {
    return normalizeDegrees(degrees - a.startDeg) <= a.sweepDeg;
}

void arcCrossings(const ArcShape& a, const Frame& f, double c, int index,
                  std::vector<Crossing>& out) {
    const double offset = c + kAbove - f.across(a.centre);
    if (!(std::fabs(offset) < a.radius))
        return;
    // The two points of the circle on the probe line, as angles of the circle.
    double first = 0;
    double second = 0;
    if (f.vertical) {
        first = toDegrees(std::acos(offset / a.radius));
        second = -first;
    } else {
        first = toDegrees(std::asin(offset / a.radius));
        second = 180 - first;
    }
    for (double angle : {first, second}) {
        if (onArc(a, angle))
            out.push_back({f.along(pointOnCircle(a.centre, a.radius, angle)), index});
    }
}

std::vector<Crossing> cutCrossings(const Drawing& d, const Frame& f, double c) {
    std::vector<Crossing> out;
    int index = 0;
    for (const Element& e : d.elements()) {
        if (e.lineKind == kind::Cut) {
            if (const auto* l = std::get_if<LineShape>(&e.shape))
                lineCrossing(*l, f, c, index, out);
            else if (const auto* a = std::get_if<ArcShape>(&e.shape))
                arcCrossings(*a, f, c, index, out);
        }
        ++index;
    }
    std::sort(out.begin(), out.end(),
              [](const Crossing& p, const Crossing& q) { return p.at < q.at; });
    return out;
}

// Two cut lines meeting at the crease, or drawn twice, cross it at one place. Two crossings of
// one arc are a real entry and exit, however close.
std::vector<double> distinctCrossings(const std::vector<Crossing>& sorted) {
    std::vector<double> out;
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        const bool repeat = i > 0 && sorted[i].at - sorted[i - 1].at < kSameCrossing &&
                            sorted[i].element != sorted[i - 1].element;
        if (!repeat)
            out.push_back(sorted[i].at);
    }
    return out;
}

struct EditingPass {
    Drawing& d;
    explicit EditingPass(Drawing& drawing) : d(drawing) { d.BeginDrawing(); }
    ~EditingPass() { d.EndDrawing(); }
    EditingPass(const EditingPass&) = delete;
    EditingPass& operator=(const EditingPass&) = delete;
};

}  // namespace

void CreaseBetweenCuts(Drawing& d, float offset, CreaseDirection direction) {
    EditingPass pass(d);
    const Box box = d.extents();
    if (box.empty)
        return;
    const Frame f{direction == CreaseDirection::Vertical};
    const double low = f.vertical ? box.xmin : box.ymin;
    const double high = f.vertical ? box.xmax : box.ymax;
    const double c = low + offset;
    if (c <= low + kAbove || c >= high - kAbove)
        return;  // on the blank's edge or outside it
    const std::vector<double> at = distinctCrossings(cutCrossings(d, f, c));
    const PenScope pen(d, kind::Crease);
    for (std::size_t i = 0; i + 1 < at.size(); i += 2) {
        if (f.vertical)
            d.AddLine(c, at[i], c, at[i + 1]);
        else
            d.AddLine(at[i], c, at[i + 1], c);
    }
}

}  // namespace brontaxe
