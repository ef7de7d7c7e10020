#include <algorithm>

#include "check/rules/rules.h"
#include "drawing/rule_network.h"

namespace brontaxe::check {
namespace {

ElementId idAt(std::size_t index) {
    return ElementId{kFirstElementId + static_cast<std::int32_t>(index)};
}

// The shortest piece of knife the bridges of a stroke leave, ends included.
double shortestKnife(const Element& e) {
    std::vector<Bridge> bridges = e.bridges;
    std::sort(bridges.begin(), bridges.end(),
              [](const Bridge& a, const Bridge& b) { return a.at < b.at; });
    double from = 0;
    double shortest = strokeLength(e);
    for (const Bridge& b : bridges) {
        shortest = std::min(shortest, b.at - b.width / 2 - from);
        from = b.at + b.width / 2;
    }
    return std::min(shortest, strokeLength(e) - from);
}

void findShortKnives(const Drawing& d, Findings& out) {
    for (std::size_t i = 0; i < d.elements().size(); ++i) {
        const Element& e = d.elements()[i];
        if (e.bridges.empty() || !d.isShown(e))
            continue;
        const double width =
            std::max_element(e.bridges.begin(), e.bridges.end(),
                             [](const Bridge& a, const Bridge& b) { return a.width < b.width; })
                ->width;
        const Point where =
            d.contains(idAt(i)) ? Point{d.ElementX(idAt(i)), d.ElementY(idAt(i))} : Point{};
        if (e.lineKind != kind::Cut) {
            out.push_back(finding(FindingKind::ShortKnife, {idAt(i)}, where,
                                  "Pont hors du coupant : " + no(idAt(i)) + " en " + at(where)));
        } else if (shortestKnife(e) < 2 * width - kJoinTolerance) {
            out.push_back(finding(FindingKind::ShortKnife, {idAt(i)}, where,
                                  "Pont laissant moins de deux largeurs de filet : " + no(idAt(i)) +
                                      " en " + at(where)));
        }
    }
}

void findLooseCutOuts(const Drawing& d, Findings& out) {
    const RuleNetwork cuts =
        ruleNetwork(d, kind::Cut, static_cast<std::size_t>(d.blankElementCount()));
    const std::vector<bool> cutOut = cutOutRuns(d, cuts);
    std::vector<bool> held(cuts.runCount, false);
    constexpr std::size_t none = static_cast<std::size_t>(-1);
    std::vector<std::size_t> firstStroke(cuts.runCount, none);
    for (std::size_t s = 0; s < cuts.elements.size(); ++s) {
        held[cuts.run[s]] = held[cuts.run[s]] || !d.elements()[cuts.elements[s]].bridges.empty();
        if (firstStroke[cuts.run[s]] == none)
            firstStroke[cuts.run[s]] = s;
    }
    for (std::size_t r = 0; r < cuts.runCount; ++r) {
        if (!cutOut[r] || held[r])
            continue;
        const std::size_t first = firstStroke[r];
        const Point where = cuts.nodes[cuts.ends[first][0]];
        out.push_back(finding(
            FindingKind::LooseCutOut, {idAt(cuts.elements[first])}, where,
            "Découpe fermée sans pont : " + no(idAt(cuts.elements[first])) + " en " + at(where)));
    }
}

}  // namespace

void findBridgeProblems(const Drawing& d, Findings& out) {
    const bool bridged = std::any_of(d.elements().begin(), d.elements().end(),
                                     [](const Element& e) { return !e.bridges.empty(); });
    if (!bridged)
        return;
    findShortKnives(d, out);
    findLooseCutOuts(d, out);
}

}  // namespace brontaxe::check
