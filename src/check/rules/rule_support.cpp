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
    // Each rule's left edge beside its index, so that the sort reads no stroke.
    std::vector<std::pair<double, std::size_t>> order;
    order.reserve(strokes.size());
    for (std::size_t i = 0; i < strokes.size(); ++i)
        if (isDieRule(strokes[i].kind))
            order.emplace_back(strokes[i].box.xmin, i);
    std::sort(order.begin(), order.end());
    Pairs pairs;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const Box& a = strokes[order[k].second].box;
        for (std::size_t l = k + 1; l < order.size() && order[l].first <= a.xmax + kPairMargin;
             ++l) {
            if (!boxesTouch(a, strokes[order[l].second].box, kPairMargin))
                continue;
            pairs.push_back(std::minmax(order[k].second, order[l].second));
        }
    }
    std::sort(pairs.begin(), pairs.end());
    return pairs;
}

Finding finding(FindingKind kind, std::vector<ElementId> elements, Point where,
                std::string message) {
    return {kind, severityOf(kind), std::move(elements), where, std::move(message)};
}

}  // namespace brontaxe::check
