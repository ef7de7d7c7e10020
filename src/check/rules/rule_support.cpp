#include "check/rules/rule_support.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace brontaxe::check {
bool isFold(std::int16_t kind) {
    return kind == kind::Crease || kind == kind::PerforatedCrease;
}

bool isDieRule(std::int16_t kind) {
    return kind == kind::Cut || isFold(kind) || kind == kind::HalfCut || kind == kind::Perforation;
}

std::string number(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", std::fabs(v) < 0.005 ? 0.0 : v);
    std::string s(buf);
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

std::string at(Point p) {
    return "(" + number(p.x) + " ; " + number(p.y) + ")";
}

std::string no(ElementId id) {
    return "n° " + std::to_string(id.value);
}

std::string named(const Stroke& s) {
    switch (s.kind) {
        case kind::Cut:
            return "la coupe " + no(s.id);
        case kind::Crease:
            return "le rainage " + no(s.id);
        case kind::PerforatedCrease:
            return "le perfo-rainant " + no(s.id);
        case kind::Perforation:
            return "la perforation " + no(s.id);
        case kind::HalfCut:
            return "le mi-chair " + no(s.id);
        default:
            return "le trait " + no(s.id);
    }
}

std::string ofNamed(const Stroke& s) {
    const std::string name = named(s);
    if (name.rfind("le ", 0) == 0)
        return "du " + name.substr(3);
    return "de " + name;
}

// Boxes touching within the tolerance: the boxes are exact, an arc's bulge included.
constexpr double kPairMargin = kCheckTolerance;

// Boxes swept along x, so that a blank of n strokes costs far fewer than n² comparisons.
Pairs touchingPairs(const std::vector<Stroke>& strokes) {
    // The rules' boxes side by side, sorted by their left edge: the sweep reads no stroke.
    struct Entry {
        Box box;
        std::size_t index;
    };
    std::vector<Entry> order;
    order.reserve(strokes.size());
    for (std::size_t i = 0; i < strokes.size(); ++i)
        if (isDieRule(strokes[i].kind))
            order.push_back({strokes[i].box, i});
    std::sort(order.begin(), order.end(),
              [](const Entry& a, const Entry& b) { return a.box.xmin < b.box.xmin; });
    Pairs pairs;
    for (auto k = order.begin(); k != order.end(); ++k)
        for (auto l = k + 1; l != order.end() && l->box.xmin <= k->box.xmax + kPairMargin; ++l)
            if (l->box.ymin <= k->box.ymax + kPairMargin &&
                k->box.ymin <= l->box.ymax + kPairMargin)
                pairs.push_back(std::minmax(k->index, l->index));
    std::sort(pairs.begin(), pairs.end());
    return pairs;
}

Finding finding(FindingKind kind, std::vector<ElementId> elements, Point where,
                std::string message) {
    return {kind, severityOf(kind), std::move(elements), where, std::move(message)};
}

}  // namespace brontaxe::check
