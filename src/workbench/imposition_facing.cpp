#include "workbench/imposition_facing.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

#include "drawing/contour.h"
#include "drawing/tolerances.h"

namespace brontaxe {

namespace {

std::vector<Segment> segmentsOf(const Drawing& d, bool (*taken)(LineKind)) {
    std::vector<Segment> out;
    const std::int32_t blank = d.blankElementCount();
    for (std::int32_t i = 0; i < blank; ++i) {
        const Element& e = d.elements()[static_cast<std::size_t>(i)];
        if (!taken(e.lineKind))
            continue;
        if (const auto* l = std::get_if<LineShape>(&e.shape))
            out.push_back({l->a, l->b});
        if (const auto* a = std::get_if<ArcShape>(&e.shape))
            for (const Segment& s : flattenArc(*a, kContourArcTolerance))
                out.push_back(s);
    }
    return out;
}

}  // namespace

std::vector<Segment> blankCutSegments(const Drawing& d) {
    return segmentsOf(d, [](LineKind k) { return k == kind::Cut; });
}

std::vector<Segment> blankRuleSegments(const Drawing& d) {
    return segmentsOf(d, [](LineKind k) {
        return k == kind::Cut || k == kind::PerforatedCrease || k == kind::Perforation ||
               k == kind::HalfCut || k == kind::Crease;
    });
}

namespace {

// The highest (or lowest) cut at abscissa x; none when no cut spans x.
std::optional<double> reach(const std::vector<Segment>& cuts, double x, bool highest) {
    std::optional<double> best;
    auto take = [&](double y) {
        if (!best || (highest ? y > *best : y < *best))
            best = y;
    };
    for (const Segment& s : cuts) {
        const double x0 = std::min(s.a.x, s.b.x), x1 = std::max(s.a.x, s.b.x);
        if (x < x0 - kRoundingNoise || x > x1 + kRoundingNoise)
            continue;
        if (x1 - x0 < kRoundingNoise) {
            take(s.a.y);
            take(s.b.y);
        } else {
            take(s.a.y + (s.b.y - s.a.y) * (x - s.a.x) / (s.b.x - s.a.x));
        }
    }
    return best;
}

}  // namespace

double facingOffset(const Drawing& d, double backX, bool upperSides) {
    const std::vector<Segment> cuts = blankCutSegments(d);
    // Both outlines are straight between the ends of their cuts, so the closest approach
    // lies at an end of one of them.
    std::vector<double> xs;
    for (const Segment& s : cuts)
        for (double x : {s.a.x, s.b.x}) {
            xs.push_back(x);
            xs.push_back(backX - x);
        }
    double offset = -std::numeric_limits<double>::infinity();
    for (double x : xs) {
        const auto mine = reach(cuts, x, upperSides);
        const auto turned = reach(cuts, backX - x, upperSides);
        if (!mine || !turned)
            continue;
        // The turned copy puts (backX - x, y) at (x, offset - y).
        offset = std::max(offset, upperSides ? *mine + *turned : -(*mine + *turned));
    }
    return offset;
}

}  // namespace brontaxe
