#include "drawing/rule_report.h"

#include <algorithm>

#include "drawing/rule_network.h"

namespace brontaxe {
namespace {

KindRules kindRules(const Drawing& d, LineKind lineKind, const RuleNetwork& net) {
    KindRules k;
    k.lineKind = lineKind;
    k.rules = static_cast<int>(net.runCount);
    for (std::size_t i : net.elements) {
        const Element& e = d.elements()[i];
        k.length += strokeLength(e);
        k.arcs += std::holds_alternative<ArcShape>(e.shape) ? 1 : 0;
        k.bridges += static_cast<int>(e.bridges.size());
        for (const Bridge& b : e.bridges)
            k.bridgeWidth += b.width;
    }
    for (std::size_t node = 0; node < net.nodes.size(); ++node)
        k.bends += turnAt(d, net, node) > kBendDegrees ? 1 : 0;
    return k;
}

}  // namespace

const KindRules& RuleReport::of(LineKind lineKind) const {
    const auto it = std::find(kReportedKinds.begin(), kReportedKinds.end(), lineKind);
    return kinds[static_cast<std::size_t>(it - kReportedKinds.begin()) % kinds.size()];
}

RuleReport ruleReport(const Drawing& d, std::size_t count) {
    RuleReport r;
    for (std::size_t k = 0; k < kReportedKinds.size(); ++k) {
        if (kReportedKinds[k] != kind::Cut)
            r.kinds[k] = kindRules(d, kReportedKinds[k], ruleNetwork(d, kReportedKinds[k], count));
    }
    const RuleNetwork cuts = ruleNetwork(d, kind::Cut, count);
    r.kinds[static_cast<std::size_t>(&r.of(kind::Cut) - r.kinds.data())] =
        kindRules(d, kind::Cut, cuts);
    const std::vector<bool> cutOut = cutOutRuns(d, cuts);
    r.cutOuts = static_cast<int>(std::count(cutOut.begin(), cutOut.end(), true));
    return r;
}

ImposedRuleReport imposedRuleReport(const Drawing& d, int poses) {
    const auto blank = static_cast<std::size_t>(d.blankElementCount());
    const RuleReport pose = ruleReport(d, blank);
    // A drawing of one pose (its measured contour after it, no copy) is its own sheet.
    const bool copies = std::any_of(
        d.elements().begin() + static_cast<std::ptrdiff_t>(std::min(blank, d.elements().size())),
        d.elements().end(), [](const Element& e) {
            return std::holds_alternative<LineShape>(e.shape) ||
                   std::holds_alternative<ArcShape>(e.shape);
        });
    return {pose, copies ? ruleReport(d, d.elements().size()) : pose, std::max(poses, 1)};
}

}  // namespace brontaxe
