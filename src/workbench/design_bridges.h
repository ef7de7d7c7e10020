#pragma once
// The design's bridges and the rule report of its die.

#include <string>

#include "drawing/bridges.h"
#include "drawing/rule_report.h"
#include "model/model.h"

namespace brontaxe {

BridgeRules bridgeRules(const Model& m);

// Places the bridges the design asks for on the blank just drawn (before any pose). A die-line
// that came with bridges of its own keeps them.
void placeDesignBridges(const Model& m, Drawing& d);

// "Règles de la forme": per line kind the length, rules, bends, arcs and bridges, and the
// closed cut-outs; for an imposition, one pose and the whole sheet.
std::string ruleReportText(const ImposedRuleReport& r);

}  // namespace brontaxe
