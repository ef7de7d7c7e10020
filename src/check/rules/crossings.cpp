#include <algorithm>
#include <optional>

#include "check/rules/rules.h"

namespace brontaxe::check {
namespace {

// Crossings of two strokes away from the ends of either: a cut or crease that merely ends on
// the other is a joint, not a crossing.
std::optional<Point> crossingOf(const Stroke& s, const Stroke& t) {
    for (const Point p : crossingPoints(s, t))
        if (!s.isEndPoint(p, kJoinTolerance) && !t.isEndPoint(p, kJoinTolerance))
            return p;
    return std::nullopt;
}

// The title of a rule that lies across a cut: "Rainage sur une coupe", ...
std::string overCutTitle(LineKind k) {
    if (k == kind::Perforation)
        return "Perforation sur une coupe : ";
    if (k == kind::HalfCut)
        return "Mi-chair sur une coupe : ";
    return "Rainage sur une coupe : ";
}

}  // namespace

void findCrossings(const CheckInput& in, Findings& out) {
    for (const auto& [i, j] : in.pairs) {
        const Stroke& s = in.strokes[i];
        const Stroke& t = in.strokes[j];
        const bool sCut = s.kind == kind::Cut;
        const bool tCut = t.kind == kind::Cut;
        // Cut against cut, or any other rule against a cut; creases may cross each other.
        if (!sCut && !tCut)
            continue;
        const std::optional<Point> p = crossingOf(s, t);
        if (!p)
            continue;
        if (sCut && tCut) {
            out.push_back(finding(
                FindingKind::CrossingCuts, {s.id, t.id}, *p,
                "Coupes croisées : " + no(s.id) + " et " + no(t.id) + " se croisent en " + at(*p)));
            continue;
        }
        const Stroke& rule = sCut ? t : s;
        const Stroke& cut = sCut ? s : t;
        out.push_back(finding(
            FindingKind::CreaseOverCut, {rule.id, cut.id}, *p,
            overCutTitle(rule.kind) + named(rule) + " traverse " + named(cut) + " en " + at(*p)));
    }
}

}  // namespace brontaxe::check
