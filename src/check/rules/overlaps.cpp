#include <optional>

#include "check/rules/rules.h"

namespace brontaxe::check {

// Any two rules laid over each other make a doubled rule in the die and count twice in the
// rule lengths: cut on cut, a crease on a cut, and creases, perforations or half-cuts on one
// another.
void findOverlaps(const CheckInput& in, Findings& out) {
    for (const auto& [i, j] : in.pairs) {
        const Stroke& s = in.strokes[i];
        const Stroke& t = in.strokes[j];
        const std::optional<Point> p = overlapMiddle(s, t, kJoinTolerance);
        if (!p)
            continue;
        const bool sCut = s.kind == kind::Cut;
        const bool tCut = t.kind == kind::Cut;
        if (sCut && tCut) {
            out.push_back(finding(
                FindingKind::DoubledCut, {s.id, t.id}, *p,
                "Coupe doublée : " + no(s.id) + " et " + no(t.id) + " se recouvrent en " + at(*p)));
        } else if (sCut || tCut) {
            const Stroke& rule = sCut ? t : s;
            const Stroke& cut = sCut ? s : t;
            out.push_back(finding(FindingKind::CreaseOverCut, {rule.id, cut.id}, *p,
                                  "Rainage sur une coupe : " + named(rule) + " recouvre " +
                                      named(cut) + " en " + at(*p)));
        } else {
            out.push_back(finding(FindingKind::OverlappingRules, {s.id, t.id}, *p,
                                  "Filets superposés : " + named(s) + " et " + named(t) +
                                      " se recouvrent en " + at(*p)));
        }
    }
}

}  // namespace brontaxe::check
