#pragma once
// The rules of a die as the drawing gives them: the lines and arcs of one line kind, joined end
// to end into runs. A run is one rule the die-maker bends and fits; bridges are ground into
// the cut ones.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "drawing/element.h"
#include "drawing/geometry.h"
#include "drawing/tolerances.h"

namespace brontaxe {

class Drawing;

// A direction change at a joint above this many degrees is a bend of the rule.
inline constexpr double kBendDegrees = 5;

struct StrokeEnd {
    std::size_t stroke = 0;
    bool atEnd = false;  // the stroke's end, else its start
};

struct RuleNetwork {
    std::vector<std::size_t> elements;             // each stroke's index in the drawing
    std::vector<std::array<std::size_t, 2>> ends;  // the nodes of each stroke's start and end
    std::vector<Point> nodes;
    // The stroke ends at each node, node after node: node n's are [firstEnd[n], firstEnd[n+1]).
    std::vector<std::size_t> firstEnd;
    std::vector<StrokeEnd> endsAtNodes;
    std::span<const StrokeEnd> incident(std::size_t node) const {
        return {endsAtNodes.data() + firstEnd[node], firstEnd[node + 1] - firstEnd[node]};
    }
    std::vector<std::size_t> run;  // each stroke's run, numbered from 0
    std::size_t runCount = 0;
};

// The shown lines and arcs of `lineKind` among the first `count` elements of the drawing,
// technical sheet left out.
RuleNetwork ruleNetwork(const Drawing& d, LineKind lineKind, std::size_t count);

// Direction change in degrees at a node where exactly two stroke ends meet; 0 elsewhere.
double turnAt(const Drawing& d, const RuleNetwork& net, std::size_t node);

// Each run that closes on itself: every node of it joins exactly two stroke ends.
std::vector<bool> closedRuns(const RuleNetwork& net);

// The closed runs that lie inside another closed run: the cut-outs of a blank.
std::vector<bool> cutOutRuns(const Drawing& d, const RuleNetwork& net);

// The box of a line or arc.
Box strokeBox(const Element& e);

// A line or arc as points along it (arcs in steps of at most two degrees).
std::vector<Point> strokePoints(const Element& e);

}  // namespace brontaxe
