#include "check/rules/rules.h"

namespace brontaxe::check {

void findZeroLengths(const std::pmr::vector<Stroke>& zero, Findings& out) {
    for (const Stroke& s : zero)
        out.push_back(finding(FindingKind::ZeroLength, {s.id}, s.start(),
                              "Élément de longueur nulle : " + no(s.id) + " en " + at(s.start())));
}

}  // namespace brontaxe::check
