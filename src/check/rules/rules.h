#pragma once
// The rules of the design-rule check, one a file. Each appends its findings; the order they
// run in is the order findings are listed in (design_check.cpp).

#include <vector>

#include "check/rules/rule_support.h"
#include "styles/style_checks.h"
#include "styles/style_rules.h"

namespace brontaxe::check {

// Lines and arcs with no length.
void findZeroLengths(const std::pmr::vector<Stroke>& zero, Findings& out);
// Cut ends that meet no other cut end nor a fold's end.
void findOpenOutlines(const CheckInput& in, Findings& out);
// Cuts that cross, and creases, perforations or half-cuts that cross a cut, away from the ends
// of both.
void findCrossings(const CheckInput& in, Findings& out);
// Two rules laid over each other over a stretch, whatever their kinds.
void findOverlaps(const CheckInput& in, Findings& out);
// Crease ends that rest on nothing.
void findLooseFoldEnds(const CheckInput& in, Findings& out);
// Cuts that run past the crease they meet into the next panel.
void findOverCuts(const CheckInput& in, Findings& out);
// Panels or flaps narrower than three board thicknesses between two creases.
void findNarrowPanels(const CheckInput& in, Findings& out);
// Holes closer to a crease or to the outline than the land the board needs.
void findHolesTooClose(const CheckInput& in, Findings& out);

// Bridges off a cut or too close to a knife's end or to each other, and closed cut-outs that
// no bridge holds in a blank that has bridges.
void findBridgeProblems(const Drawing& d, Findings& out);

// Declared fold pairs that collide or leave a gap.
void findFoldProblems(const std::vector<FoldPair>& folds, double thickness, Findings& out);
// Declared lock tabs that cannot hold in their slots.
void findLockProblems(const std::vector<LockPair>& locks, Findings& out);

}  // namespace brontaxe::check
