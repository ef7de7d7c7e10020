#pragma once
// What the rules of the design-rule check share: the strokes they read, the pairs of strokes
// close enough to meet, and the wording of their findings.

#include <cstddef>
#include <memory_resource>
#include <string>
#include <utility>
#include <vector>

#include "check/design_check.h"
#include "check/stroke_geometry.h"

namespace brontaxe::check {

using Findings = std::vector<Finding>;

// Pairs of strokes (indices, lower first, in drawing order) whose boxes come close enough for
// the strokes to meet, cross or overlap.
using Pairs = std::pmr::vector<std::pair<std::size_t, std::size_t>>;

// Everything a rule over the drawing may read.
struct CheckInput {
    const std::pmr::vector<Stroke>& strokes;
    const Pairs& pairs;
    const CheckOptions& options;
    // Where the rules take their working lists from: one block for the whole check, given
    // back at its end.
    std::pmr::memory_resource* scratch;
};

// A crease or a perforated crease: a line the board folds along.
inline bool isFold(LineKind k) {
    return k == kind::Crease || k == kind::PerforatedCrease;
}
// A rule of the die: cut, crease, perforated crease, perforation or half-cut.
inline bool isDieRule(LineKind k) {
    return k == kind::Cut || isFold(k) || k == kind::HalfCut || k == kind::Perforation;
}

// "12,5": at most two decimals, none left trailing, and a decimal comma.
std::string number(double v);
// "12,5 mm", the unit kept on the number's line.
std::string millimetres(double v);
// "(12,5 ; 3)".
std::string at(Point p);
// "n° 12".
std::string no(ElementId id);
// "la coupe n° 12", "le rainage n° 3", "la perforation n° 7" ...
std::string named(const Stroke& s);
// The same after "de": "de la coupe n° 12", "du rainage n° 3" ...
std::string ofNamed(const Stroke& s);

// The pairs of die rules whose boxes come within an arc's chord tolerance of each other, in
// drawing order.
Pairs touchingPairs(const std::pmr::vector<Stroke>& strokes);
// The pairs sorted by their first stroke, then their second (indices below `strokeCount`).
Pairs inDrawingOrder(const Pairs& pairs, std::size_t strokeCount);

// A finding with its level from its kind.
Finding finding(FindingKind kind, std::vector<ElementId> elements, Point where,
                std::string message);

}  // namespace brontaxe::check
