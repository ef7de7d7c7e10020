#include "drawing/bridges.h"

#include <algorithm>
#include <cmath>

#include "drawing/box_grid.h"
#include "drawing/rule_network.h"
#include "drawing/sheet_elements.h"

namespace brontaxe {
namespace {

// A bridge leaves at least twice its width of knife on either side.
double knifeMargin(double width) {
    return 2.5 * width;
}

bool isTotalledKind(LineKind k) {
    return k == kind::Cut || k == kind::PerforatedCrease || k == kind::Perforation ||
           k == kind::HalfCut || k == kind::Crease;
}

// A stroke as points along it, the distance of each point from the stroke's start, and its box.
struct Polyline {
    std::vector<Point> points;
    std::vector<double> along;
    Box box;
};

Polyline polylineOf(const Element& e) {
    Polyline p{strokePoints(e), {}, {}};
    double run = 0;
    p.along.push_back(0);
    for (std::size_t k = 1; k < p.points.size(); ++k) {
        run += distance(p.points[k - 1], p.points[k]);
        p.along.push_back(run);
    }
    // The chords of an arc are a little shorter than the arc: measure along the arc.
    const double scale = run > kEps ? strokeLength(e) / run : 1.0;
    for (double& a : p.along)
        a *= scale;
    for (Point q : p.points)
        p.box.add(q);
    return p;
}

bool boxesMeet(const Box& a, const Box& b) {
    constexpr double t = kJoinTolerance;
    return a.xmin <= b.xmax + t && b.xmin <= a.xmax + t && a.ymin <= b.ymax + t &&
           b.ymin <= a.ymax + t;
}

// Where segment q meets segment p, as the fraction of p; none when they miss.
std::vector<double> meetings(Segment p, Segment q) {
    std::vector<double> out;
    const Point r = p.b - p.a;
    const Point s = q.b - q.a;
    const double rr = dot(r, r);
    if (rr <= kEps * kEps)
        return out;
    const double denom = cross(r, s);
    if (std::fabs(denom) > kEps) {
        const double t = cross(q.a - p.a, s) / denom;
        const double u = cross(q.a - p.a, r) / denom;
        const double tt = kJoinTolerance / std::sqrt(rr);
        const double tu = kJoinTolerance / std::max(length(s), kEps);
        if (t >= -tt && t <= 1 + tt && u >= -tu && u <= 1 + tu)
            out.push_back(std::clamp(t, 0.0, 1.0));
        return out;
    }
    // Parallel: only ends of q lying on p meet it.
    for (Point end : {q.a, q.b}) {
        const double t = dot(end - p.a, r) / rr;
        if (t >= 0 && t <= 1 && distance(p.a + r * t, end) <= kJoinTolerance)
            out.push_back(t);
    }
    return out;
}

// Distances along `cut` where `other` meets or crosses it.
void addCrossings(const Polyline& cut, const Polyline& other, std::vector<double>& stops) {
    for (std::size_t i = 1; i < cut.points.size(); ++i) {
        const Segment p{cut.points[i - 1], cut.points[i]};
        for (std::size_t k = 1; k < other.points.size(); ++k) {
            for (double t : meetings(p, {other.points[k - 1], other.points[k]}))
                stops.push_back(cut.along[i - 1] + t * (cut.along[i] - cut.along[i - 1]));
        }
    }
}

// The stretches of a stroke between its stops, as (from, to) distances along it.
std::vector<std::pair<double, double>> stretches(std::vector<double> stops, double len) {
    stops.push_back(0);
    stops.push_back(len);
    std::sort(stops.begin(), stops.end());
    std::vector<std::pair<double, double>> out;
    for (std::size_t k = 1; k < stops.size(); ++k) {
        if (stops[k] - stops[k - 1] > kJoinTolerance)
            out.emplace_back(stops[k - 1], stops[k]);
    }
    return out;
}

// Evenly spread bridges of one stretch, as distances along the stroke.
std::vector<double> spread(std::pair<double, double> stretch, const BridgeRules& rules) {
    const double clear = std::max(rules.clearance, knifeMargin(rules.width));
    const double from = stretch.first + clear;
    const double room = stretch.second - clear - from;
    if (room < 0 || rules.pitch <= 0)
        return {};
    int n = static_cast<int>(std::floor((stretch.second - stretch.first) / rules.pitch));
    // Centres three widths apart leave two widths of knife between neighbours.
    if (rules.width > 0)
        n = std::min(n, std::max(1, static_cast<int>(std::floor(room / (3 * rules.width)))));
    std::vector<double> at;
    for (int k = 0; k < n; ++k)
        at.push_back(from + room * (k + 0.5) / n);
    return at;
}

struct CutStroke {
    std::size_t element;
    std::size_t run;
    std::vector<std::pair<double, double>> stretches;
};

std::vector<CutStroke> cutStrokes(const Drawing& d, const RuleNetwork& cuts, std::size_t count) {
    const auto& elements = d.elements();
    std::vector<std::size_t> others;
    std::vector<Polyline> lines(count);
    for (std::size_t i = 0; i < count; ++i) {
        const Element& e = elements[i];
        if (!isTotalledKind(e.lineKind) || isSheetElement(e) || !d.isShown(e) ||
            strokeLength(e) <= 0)
            continue;
        others.push_back(i);
        lines[i] = polylineOf(e);
    }
    // The other lines found by where they lie: a sheet holds thousands of cuts.
    std::vector<Box> boxes(count);
    for (const std::size_t o : others)
        boxes[o] = lines[o].box;
    const BoxGrid grid(boxes);
    std::vector<CutStroke> out;
    std::vector<std::size_t> near;
    for (std::size_t s = 0; s < cuts.elements.size(); ++s) {
        const std::size_t i = cuts.elements[s];
        if (elements[i].bridgeless || lines[i].points.empty())
            continue;
        near.clear();
        grid.visit(BoxGrid::grown(lines[i].box, kJoinTolerance), [&](std::size_t o) {
            if (o != i && boxesMeet(lines[i].box, lines[o].box))
                near.push_back(o);
        });
        std::sort(near.begin(), near.end());  // the stops in the order a walk would find them
        std::vector<double> stops;
        for (const std::size_t o : near)
            addCrossings(lines[i], lines[o], stops);
        out.push_back({i, cuts.run[s], stretches(std::move(stops), strokeLength(elements[i]))});
    }
    return out;
}

// One bridge in the middle of the longest stretch of a cut-out that has none (`strokes` its
// own).
void holdCutOut(const std::vector<const CutStroke*>& strokes, double width,
                std::vector<PlacedBridge>& out) {
    const CutStroke* best = nullptr;
    std::pair<double, double> longest{0, 0};
    for (const CutStroke* s : strokes) {
        for (const auto& st : s->stretches) {
            if (st.second - st.first > longest.second - longest.first) {
                best = s;
                longest = st;
            }
        }
    }
    if (best && longest.second - longest.first >= 2 * knifeMargin(width)) {
        const auto id = ElementId{kFirstElementId + static_cast<std::int32_t>(best->element)};
        out.push_back({id, {(longest.first + longest.second) / 2, width}});
    }
}

}  // namespace

std::vector<PlacedBridge> placeBridges(const Drawing& d, const BridgeRules& rules) {
    std::vector<PlacedBridge> out;
    if (rules.width <= 0)
        return out;
    const auto count = static_cast<std::size_t>(d.blankElementCount());
    const RuleNetwork cuts = ruleNetwork(d, kind::Cut, count);
    const std::vector<CutStroke> strokes = cutStrokes(d, cuts, count);
    std::vector<bool> held(cuts.runCount, false);
    for (const CutStroke& s : strokes) {
        const auto id = ElementId{kFirstElementId + static_cast<std::int32_t>(s.element)};
        for (const auto& stretch : s.stretches) {
            for (double at : spread(stretch, rules)) {
                out.push_back({id, {at, rules.width}});
                held[s.run] = true;
            }
        }
    }
    const std::vector<bool> cutOut = cutOutRuns(d, cuts);
    std::vector<std::vector<const CutStroke*>> ofRun(cuts.runCount);
    for (const CutStroke& s : strokes)
        if (cutOut[s.run] && !held[s.run])
            ofRun[s.run].push_back(&s);
    for (std::size_t r = 0; r < cuts.runCount; ++r) {
        if (cutOut[r] && !held[r])
            holdCutOut(ofRun[r], rules.width, out);
    }
    return out;
}

void applyBridges(Drawing& d, const std::vector<PlacedBridge>& bridges) {
    for (ElementId id = d.firstId(); d.contains(id); id = ElementId{id.value + 1}) {
        if (!d.element(id).bridges.empty())
            d.SetElementBridges(id, {});
    }
    for (const PlacedBridge& b : bridges) {
        std::vector<Bridge> list = d.element(b.element).bridges;
        list.push_back(b.bridge);
        std::sort(list.begin(), list.end(),
                  [](const Bridge& x, const Bridge& y) { return x.at < y.at; });
        d.SetElementBridges(b.element, std::move(list));
    }
}

std::vector<Element> knifePieces(const Element& e) {
    Element plain = e;
    plain.bridges.clear();
    if (e.bridges.empty())
        return {plain};
    const double len = strokeLength(e);
    std::vector<std::pair<double, double>> spans;
    double from = 0;
    for (const Bridge& b : e.bridges) {
        spans.emplace_back(from, b.at - b.width / 2);
        from = b.at + b.width / 2;
    }
    spans.emplace_back(from, len);
    std::vector<Element> pieces;
    for (const auto& [a, b] : spans) {
        if (b - a <= kEps)
            continue;
        Element piece = plain;
        if (const auto* l = std::get_if<LineShape>(&e.shape)) {
            const Point dir = unit(l->b - l->a);
            piece.shape = LineShape{l->a + dir * a, l->a + dir * b};
        } else if (const auto* arc = std::get_if<ArcShape>(&e.shape)) {
            const double perMm = toDegrees(1.0 / arc->radius);
            piece.shape =
                ArcShape{arc->centre, arc->radius, arc->startDeg + a * perMm, (b - a) * perMm};
        }
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

bool hasBridges(const Drawing& d) {
    return std::any_of(d.elements().begin(), d.elements().end(),
                       [](const Element& e) { return !e.bridges.empty(); });
}

BridgeTotals bridgeTotals(const Drawing& d, LineKind lineKind) {
    BridgeTotals t;
    for (const Element& e : d.elements()) {
        if (e.lineKind != lineKind || !d.isShown(e))
            continue;
        t.count += static_cast<int>(e.bridges.size());
        for (const Bridge& b : e.bridges)
            t.width += b.width;
    }
    return t;
}

}  // namespace brontaxe
