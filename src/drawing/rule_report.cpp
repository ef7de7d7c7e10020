#include "drawing/rule_report.h"

#include <algorithm>

#include "drawing/rule_network.h"

namespace brontaxe {
namespace {

KindRules kindRules(const Drawing& d, std::int16_t lineKind, const RuleNetwork& net) {
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

const KindRules& RuleReport::of(std::int16_t lineKind) const {
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
    // A drawing of one pose is its own sheet.
    return {pose, blank >= d.elements().size() ? pose : ruleReport(d, d.elements().size()),
            std::max(poses, 1)};
}

}  // namespace brontaxe
