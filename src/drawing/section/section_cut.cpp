#include "drawing/section/section_cut.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "drawing/contour.h"
#include "drawing/tolerances.h"
#include "platform/overloaded.h"

namespace brontaxe {
namespace {

// An end this close to the section line lies on it.
constexpr double kOnLine = kEps;
// The contour follows arcs by chords that stray up to its tolerance from them: a crossing of
// the contour this close to an exact crossing is that crossing.
constexpr double kSnap = 2 * kContourArcTolerance;
// Closing cuts shorter than this would be specks between two ends that already meet.
constexpr double kShortest = kJoinTolerance;
// Sweeps below this (degrees) are no arc at all.
constexpr double kNoSweep = kRoundingNoise;

bool vertical(const SectionCut& cut) {
    return isVerticalSection(cut.keep);
}

// Coordinate along the section line, and across it.
double along(Point p, const SectionCut& cut) {
    return vertical(cut) ? p.y : p.x;
}
double across(Point p, const SectionCut& cut) {
    return vertical(cut) ? p.x : p.y;
}
Point onLine(double a, const SectionCut& cut) {
    return vertical(cut) ? Point{cut.at, a} : Point{a, cut.at};
}
bool liesOnLine(Point p, const SectionCut& cut) {
    return std::fabs(across(p, cut) - cut.at) <= kOnLine;
}
// The point of a-b where it meets the line, put exactly on it.
Point crossing(Point a, Point b, double beyondA, double beyondB, const SectionCut& cut) {
    const double t = beyondA / (beyondA - beyondB);
    return onLine(along(a + (b - a) * t, cut), cut);
}

std::vector<LineShape> clipLine(const LineShape& l, const SectionCut& cut) {
    const double sa = beyondSection(l.a, cut);
    const double sb = beyondSection(l.b, cut);
    if (sa <= kOnLine && sb <= kOnLine)
        return {l};
    // Beyond, or beyond and touching the line: nothing of it is on the kept side.
    if (sa >= -kOnLine && sb >= -kOnLine)
        return {};
    const Point q = crossing(l.a, l.b, sa, sb, cut);
    const LineShape kept = sa < 0 ? LineShape{l.a, q} : LineShape{q, l.b};
    if (distance(kept.a, kept.b) <= kOnLine)
        return {};
    return {kept};
}

std::vector<ArcShape> clipArc(const ArcShape& arc, const SectionCut& cut) {
    // Across the line the arc runs at centre + r cos(angle - axis).
    const double axis = vertical(cut) ? 0.0 : 90.0;
    const auto beyondAt = [&](double angle) {
        return beyondSection(pointOnCircle(arc.centre, arc.radius, angle), cut);
    };
    std::vector<double> splits;  // offsets from the start, in (0, sweep)
    if (arc.radius > kOnLine) {
        const double k = (cut.at - across(arc.centre, cut)) / arc.radius;
        if (std::fabs(k) < 1) {
            const double alpha = toDegrees(std::acos(k));
            for (double angle : {axis + alpha, axis - alpha}) {
                const double offset = normalizeDegrees(angle - arc.startDeg);
                if (offset > kNoSweep && offset < arc.sweepDeg - kNoSweep)
                    splits.push_back(offset);
            }
        }
    }
    std::sort(splits.begin(), splits.end());
    std::vector<std::pair<double, double>> pieces;  // offsets from, to
    double from = 0;
    for (double s : splits) {
        pieces.emplace_back(from, s);
        from = s;
    }
    pieces.emplace_back(from, arc.sweepDeg);

    std::vector<std::pair<double, double>> kept;
    for (const auto& [a, b] : pieces) {
        if (beyondAt(arc.startDeg + (a + b) / 2) <= 0)
            kept.emplace_back(a, b);
    }
    // A whole circle keeps one arc across its start.
    const bool circle = arc.sweepDeg >= 360 - kNoSweep;
    if (circle && kept.size() > 1 && kept.front().first == 0 &&
        kept.back().second == arc.sweepDeg) {
        kept.front().first = kept.back().first - arc.sweepDeg;
        kept.pop_back();
    }
    std::vector<ArcShape> out;
    for (const auto& [a, b] : kept) {
        if (b - a <= kNoSweep)
            continue;
        ArcShape part = arc;
        part.startDeg = normalizeDegrees(arc.startDeg + a);
        part.sweepDeg = b - a;
        out.push_back(part);
    }
    return out;
}

// A dimension stays when it measures what is kept; one measuring across the line is
// shortened to the part that is kept.
std::optional<DimensionShape> clipDimension(DimensionShape d, const SectionCut& cut) {
    const double s1 = beyondSection(d.p1, cut);
    const double s2 = beyondSection(d.p2, cut);
    if (s1 <= kOnLine && s2 <= kOnLine)
        return d;
    if ((s1 >= -kOnLine && s2 >= -kOnLine) ||
        std::fabs(along(d.p1, cut) - along(d.p2, cut)) > kOnLine)
        return std::nullopt;
    Point& beyond = s1 > s2 ? d.p1 : d.p2;
    beyond = onLine(along(beyond, cut), cut);
    return d;
}

bool isSectionStroke(const Element& e) {
    return std::holds_alternative<LineShape>(e.shape) || std::holds_alternative<ArcShape>(e.shape);
}

std::pair<Point, Point> endsOf(const Element& e) {
    if (const auto* l = std::get_if<LineShape>(&e.shape))
        return {l->a, l->b};
    const auto& a = std::get<ArcShape>(e.shape);
    return {a.start(), a.end()};
}

bool isFoldKind(LineKind k) {
    return k == kind::Crease || k == kind::PerforatedCrease || k == kind::Perforation ||
           k == kind::HalfCut;
}

bool insideStretches(double a, const std::vector<std::pair<double, double>>& stretches) {
    return std::any_of(stretches.begin(), stretches.end(),
                       [a](const auto& s) { return a > s.first && a < s.second; });
}

// A line lying along the section line: its stretch along it.
std::optional<std::pair<double, double>> alongTheLine(const Element& e, const SectionCut& cut) {
    const auto* l = std::get_if<LineShape>(&e.shape);
    if (!l || !liesOnLine(l->a, cut) || !liesOnLine(l->b, cut))
        return std::nullopt;
    return std::minmax(along(l->a, cut), along(l->b, cut));
}

struct BreakPoint {
    double at;
    std::int16_t piece;
};

// The ends of the kept cuts on the section line: the closing cuts start and end there.
std::vector<BreakPoint> breakPoints(const std::vector<Element>& kept, const SectionCut& cut) {
    std::vector<BreakPoint> points;
    for (const Element& e : kept) {
        // Cuts along the line count too: the closing cuts stop at their ends.
        if (e.lineKind != kind::Cut || !isSectionStroke(e))
            continue;
        const auto [a, b] = endsOf(e);
        for (Point p : {a, b}) {
            if (liesOnLine(p, cut))
                points.push_back({along(p, cut), e.piece});
        }
    }
    std::sort(points.begin(), points.end(),
              [](const BreakPoint& x, const BreakPoint& y) { return x.at < y.at; });
    return points;
}

// A stretch's ends moved onto the exact crossings the contour's chords stand for.
double snapped(double a, const std::vector<BreakPoint>& points) {
    double best = a;
    double gap = kSnap;
    for (const BreakPoint& p : points) {
        if (std::fabs(p.at - a) <= gap) {
            gap = std::fabs(p.at - a);
            best = p.at;
        }
    }
    return best;
}

std::vector<Element> closingCuts(const std::vector<Element>& kept,
                                 std::vector<std::pair<double, double>> stretches,
                                 const SectionCut& cut) {
    const std::vector<BreakPoint> points = breakPoints(kept, cut);
    if (points.empty())
        return {};
    // An outline the contour cannot read is closed from its lowest crossing to its highest.
    if (stretches.empty() && points.size() >= 2)
        stretches.emplace_back(points.front().at, points.back().at);
    std::vector<std::pair<double, double>> covered;  // cuts already along the line
    for (const Element& e : kept) {
        if (e.lineKind == kind::Cut) {
            if (auto s = alongTheLine(e, cut))
                covered.push_back(*s);
        }
    }
    const auto isCovered = [&covered](double a) {
        return std::any_of(covered.begin(), covered.end(), [a](const auto& s) {
            return a >= s.first - kOnLine && a <= s.second + kOnLine;
        });
    };
    std::vector<Element> out;
    for (auto [lo, hi] : stretches) {
        lo = snapped(lo, points);
        hi = snapped(hi, points);
        std::vector<BreakPoint> stops{{lo, points.front().piece}};
        for (const BreakPoint& p : points) {
            if (p.at > lo + kShortest && p.at < hi - kShortest &&
                p.at > stops.back().at + kShortest)
                stops.push_back(p);
        }
        if (hi > stops.back().at + kShortest)
            stops.push_back({hi, stops.back().piece});
        for (std::size_t i = 0; i + 1 < stops.size(); ++i) {
            const double u = stops[i].at;
            const double v = stops[i + 1].at;
            if (isCovered((u + v) / 2))
                continue;
            Element e{LineShape{onLine(u, cut), onLine(v, cut)}, kind::Cut, 1, stops[i].piece, 0};
            out.push_back(std::move(e));
        }
    }
    return out;
}

}  // namespace

double beyondSection(Point p, const SectionCut& cut) {
    switch (cut.keep) {
        case SectionSide::Left:
            return p.x - cut.at;
        case SectionSide::Right:
            return cut.at - p.x;
        case SectionSide::Top:
            return cut.at - p.y;
        case SectionSide::Bottom:
            return p.y - cut.at;
    }
    return 0;
}

std::vector<Element> clipToSection(const Element& e, const SectionCut& cut) {
    std::vector<Element> out;
    const auto withShape = [&e, &out](Shape s) {
        Element part = e;
        part.shape = std::move(s);
        out.push_back(std::move(part));
    };
    std::visit(Overloaded{
                   [&](const LineShape& l) {
                       for (const LineShape& part : clipLine(l, cut))
                           withShape(part);
                   },
                   [&](const ArcShape& a) {
                       for (const ArcShape& part : clipArc(a, cut))
                           withShape(part);
                   },
                   [&](const DimensionShape& d) {
                       if (auto part = clipDimension(d, cut))
                           withShape(*part);
                   },
                   [&](const TextShape& t) {
                       if (beyondSection(t.position, cut) <= kOnLine)
                           out.push_back(e);
                   },
                   [&](const SymbolShape& s) {
                       if (beyondSection(s.position, cut) <= kOnLine)
                           out.push_back(e);
                   },
                   [](const SheetShape&) {},
                   [](const ContourShape&) {},
               },
               e.shape);
    return out;
}

std::vector<std::pair<double, double>> sectionStretches(const Drawing& d, const SectionCut& cut) {
    std::vector<Segment> linework;
    for (const Element& e : d.elements()) {
        if (e.lineKind != kind::Cut)
            continue;
        if (const auto* l = std::get_if<LineShape>(&e.shape)) {
            linework.push_back({l->a, l->b});
        } else if (const auto* a = std::get_if<ArcShape>(&e.shape)) {
            const auto chords = flattenArc(*a, kContourArcTolerance);
            linework.insert(linework.end(), chords.begin(), chords.end());
        }
    }
    std::vector<std::pair<double, double>> stretches;
    if (linework.empty())
        return stretches;
    // Read just inside the kept side: a line running along an edge of the outline (the bottom
    // of the slots) then finds board only where the kept side has some.
    const bool keptBelow = cut.keep == SectionSide::Left || cut.keep == SectionSide::Bottom;
    const double probe = cut.at + (keptBelow ? -kProbeOffset : kProbeOffset);
    for (const auto& ring : outerContour(linework).rings) {
        std::vector<double> hits;
        for (std::size_t i = 0; i < ring.size(); ++i) {
            const Point a = ring[i];
            const Point b = ring[(i + 1) % ring.size()];
            const double ca = across(a, cut);
            const double cb = across(b, cut);
            // Half-open, so that a vertex on the line counts once.
            if ((ca <= probe && probe < cb) || (cb <= probe && probe < ca)) {
                const double t = (probe - ca) / (cb - ca);
                hits.push_back(along(a, cut) + t * (along(b, cut) - along(a, cut)));
            }
        }
        std::sort(hits.begin(), hits.end());
        for (std::size_t i = 0; i + 1 < hits.size(); i += 2)
            stretches.emplace_back(hits[i], hits[i + 1]);
    }
    std::sort(stretches.begin(), stretches.end());
    return stretches;
}

SectionResult sectionDrawing(Drawing& d, const SectionCut& cut) {
    const std::vector<std::pair<double, double>> stretches = sectionStretches(d, cut);
    std::vector<Element> kept;
    bool anyStroke = false;
    for (const Element& e : d.elements()) {
        for (Element& part : clipToSection(e, cut)) {
            // Along the line, a fold becomes the new edge, and a cut with no board beside it
            // on the kept side (the bottom of a slot) borders nothing any more.
            if (auto s = alongTheLine(part, cut)) {
                if (isFoldKind(part.lineKind) ||
                    (part.lineKind == kind::Cut &&
                     !insideStretches((s->first + s->second) / 2, stretches)))
                    continue;
            }
            anyStroke = anyStroke || isSectionStroke(part);
            kept.push_back(std::move(part));
        }
    }
    SectionResult result;
    if (!anyStroke) {
        result.why = "rien de la découpe ne reste de ce côté";
        return result;
    }
    std::vector<Element> closing = closingCuts(kept, stretches, cut);
    result.closingCuts = static_cast<int>(closing.size());
    d.ClearDrawing();
    for (Element& e : kept)
        d.addElement(std::move(e));
    for (Element& e : closing)
        d.addElement(std::move(e));
    return result;
}

}  // namespace brontaxe
