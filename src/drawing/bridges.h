#pragma once
// Bridges in the cut lines: where they go, and the cut lines with their gaps.

#include <vector>

#include "drawing/drawing.h"

namespace brontaxe {

struct BridgeRules {
    double width = 0.5;     // mm left uncut
    double pitch = 150;     // at most one bridge per this length of cut
    double clearance = 10;  // mm kept from corners, rule ends and crossings
};

struct PlacedBridge {
    ElementId element;
    Bridge bridge;
    friend bool operator==(const PlacedBridge&, const PlacedBridge&) = default;
};

// Bridges on the cut lines and arcs of the blank (the elements before any pose). Each stretch
// of a cut between two stops (its ends, and where another line meets or crosses it) takes one
// bridge per full pitch of its length, spread evenly and kept the clearance from both stops,
// and never so close to a stop or another bridge that less than twice the width of knife is
// left. Every closed cut-out (a closed cut inside another) is held by at least one: when no
// stretch of it is long enough, its longest stretch takes one in the middle, nearer its stops
// than the clearance if it must. Lines marked bridgeless take none.
std::vector<PlacedBridge> placeBridges(const Drawing& d, const BridgeRules& rules);

// Replaces the bridges of every element by those given.
void applyBridges(Drawing& d, const std::vector<PlacedBridge>& bridges);

// The pieces of knife a bridged line or arc is cut into, for the view and the formats that show
// a bridge as a gap; any other element as it is, without bridges.
std::vector<Element> knifePieces(const Element& e);

bool hasBridges(const Drawing& d);

// Number of bridges and their total width over the lines and arcs of one kind.
struct BridgeTotals {
    int count = 0;
    double width = 0;
};
BridgeTotals bridgeTotals(const Drawing& d, LineKind lineKind);

}  // namespace brontaxe
