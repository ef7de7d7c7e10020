#include <array>

#include "check/rules/rules.h"

namespace brontaxe::check {

void findLooseFoldEnds(const CheckInput& in, Findings& out) {
    const auto& strokes = in.strokes;
    // Whether each end of each fold rests on a stroke: only strokes whose boxes touch it can.
    std::pmr::vector<std::array<bool, 2>> held(strokes.size(), {false, false}, in.scratch);
    const auto rest = [&](std::size_t fold, std::size_t other) {
        const Stroke& s = strokes[fold];
        held[fold][0] = held[fold][0] || strokes[other].passesThrough(s.start(), kJoinTolerance);
        held[fold][1] = held[fold][1] || strokes[other].passesThrough(s.end(), kJoinTolerance);
    };
    for (const auto& [i, j] : in.pairs) {
        if (isFold(strokes[i].kind))
            rest(i, j);
        if (isFold(strokes[j].kind))
            rest(j, i);
    }
    for (std::size_t i = 0; i < strokes.size(); ++i) {
        const Stroke& s = strokes[i];
        if (!isFold(s.kind) || s.closed())
            continue;
        for (std::size_t end = 0; end < 2; ++end) {
            if (held[i][end])
                continue;
            const Point p = end == 0 ? s.start() : s.end();
            out.push_back(finding(FindingKind::CreaseInAir, {s.id}, p,
                                  "Rainage dans le vide : l'extrémité du rainage " + no(s.id) +
                                      " en " + at(p) + " ne touche ni coupe ni pli"));
        }
    }
}

}  // namespace brontaxe::check
