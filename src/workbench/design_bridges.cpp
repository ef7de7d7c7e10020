#include "workbench/design_bridges.h"

#include "drawing/line_kind_names.h"
#include "platform/number_text.h"

namespace brontaxe {
namespace {

// The rule report lists the stroke kinds; any other kind falls back on "Rainant".
const char* kindCaption(LineKind lineKind) {
    const char* name = strokeKindName(lineKind);
    return name ? name : "Rainant";
}

std::string reportLines(const RuleReport& r, const std::string& indent) {
    std::string out;
    for (const KindRules& k : r.kinds) {
        if (k.rules == 0)
            continue;
        out += indent + kindCaption(k.lineKind) + " : " +
               platform::readableNumber(k.length / 1000.0, "m") + ", " + std::to_string(k.rules) +
               " filet(s), " + std::to_string(k.bends) + " pli(s), " + std::to_string(k.arcs) +
               " arc(s)";
        if (k.bridges > 0)
            out += ", " + std::to_string(k.bridges) + " pont(s)";
        out += "\n";
    }
    out += indent + "Découpes fermées : " + std::to_string(r.cutOuts) + "\n";
    return out;
}

}  // namespace

BridgeRules bridgeRules(const Model& m) {
    return {m.lgPont, m.pasPonts, m.degPonts};
}

void placeDesignBridges(const Model& m, Drawing& d) {
    if (m.ponts && !hasBridges(d))
        applyBridges(d, placeBridges(d, bridgeRules(m)));
}

std::string ruleReportText(const ImposedRuleReport& r) {
    std::string out = "Règles de la forme\n";
    if (r.poses <= 1)
        return out + reportLines(r.pose, "  ");
    out += "  Par pose :\n" + reportLines(r.pose, "    ");
    out += "  Feuille (" + std::to_string(r.poses) + " poses) :\n" + reportLines(r.sheet, "    ");
    return out;
}

}  // namespace brontaxe
