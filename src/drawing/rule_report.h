#pragma once
// What a die-maker prices a die by: for each line kind the length of rule, how many separate
// rules it is cut into, their bends and arcs, the bridges, and the closed cut-outs.

#include <array>
#include <cstdint>

#include "drawing/drawing.h"

namespace brontaxe {

struct KindRules {
    LineKind lineKind = kind::Cut;
    double length = 0;  // mm
    int rules = 0;      // runs of joined lines and arcs
    int bends = 0;      // joints where the rule turns by more than five degrees
    int arcs = 0;
    int bridges = 0;
    double bridgeWidth = 0;  // mm, all bridges together

    friend bool operator==(const KindRules&, const KindRules&) = default;
};

inline constexpr std::array<LineKind, 5> kReportedKinds{
    kind::Cut, kind::PerforatedCrease, kind::Perforation, kind::HalfCut, kind::Crease};

struct RuleReport {
    std::array<KindRules, kReportedKinds.size()> kinds{};  // in the order of kReportedKinds
    int cutOuts = 0;                                       // closed cuts inside another

    const KindRules& of(LineKind lineKind) const;
    friend bool operator==(const RuleReport&, const RuleReport&) = default;
};

// The report of the first `count` elements of the drawing (the blank, or one pose of an
// imposition: the elements before the first copy).
RuleReport ruleReport(const Drawing& d, std::size_t count);

// The report of one pose of an imposition and of the whole sheet.
struct ImposedRuleReport {
    RuleReport pose;
    RuleReport sheet;
    int poses = 1;
};
ImposedRuleReport imposedRuleReport(const Drawing& d, int poses);

}  // namespace brontaxe
