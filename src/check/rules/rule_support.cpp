#include "check/rules/rule_support.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "drawing/box_grid.h"
#include "platform/number_text.h"

namespace brontaxe::check {

std::string number(double v) {
    // Below half a hundredth the sign would be all that is left: "-0".
    return platform::readableNumber(std::fabs(v) < 0.005 ? 0.0 : v);
}

std::string millimetres(double v) {
    return number(v) + std::string(platform::kNoBreakSpace) + "mm";
}

std::string at(Point p) {
    return "(" + number(p.x) + " ; " + number(p.y) + ")";
}

std::string no(ElementId id) {
    return "n° " + std::to_string(id.value);
}

std::string named(const Stroke& s) {
    switch (s.kind) {
        case kind::Cut:
            return "la coupe " + no(s.id);
        case kind::Crease:
            return "le rainage " + no(s.id);
        case kind::PerforatedCrease:
            return "le perfo-rainant " + no(s.id);
        case kind::Perforation:
            return "la perforation " + no(s.id);
        case kind::HalfCut:
            return "le mi-chair " + no(s.id);
        default:
            return "le trait " + no(s.id);
    }
}

std::string ofNamed(const Stroke& s) {
    const std::string name = named(s);
    if (name.rfind("le ", 0) == 0)
        return "du " + name.substr(3);
    return "de " + name;
}

// Boxes touching within the tolerance: the boxes are exact, an arc's bulge included.
constexpr double kPairMargin = kJoinTolerance;

// Above this many strokes (a sheet of poses or of cut-outs) the sweep reads too many boxes of
// the same columns: the boxes are found through a grid instead.
constexpr std::size_t kSweptStrokes = 2000;

Pairs gridPairs(const std::pmr::vector<Stroke>& strokes) {
    std::vector<Box> boxes(strokes.size());
    for (std::size_t i = 0; i < strokes.size(); ++i)
        if (isDieRule(strokes[i].kind))
            boxes[i] = strokes[i].box;
    const BoxGrid grid(boxes);
    Pairs found(strokes.get_allocator());
    found.reserve(4 * strokes.size());
    for (std::size_t i = 0; i < strokes.size(); ++i) {
        if (boxes[i].empty)
            continue;
        const Box& a = boxes[i];
        grid.visit(BoxGrid::grown(a, kPairMargin), [&](std::size_t j) {
            const Box& b = boxes[j];
            if (j > i && b.xmin <= a.xmax + kPairMargin && a.xmin <= b.xmax + kPairMargin &&
                b.ymin <= a.ymax + kPairMargin && a.ymin <= b.ymax + kPairMargin)
                found.emplace_back(i, j);
        });
    }
    return inDrawingOrder(found, strokes.size());
}

// Boxes swept along x, so that a blank of n strokes costs far fewer than n² comparisons; the
// pairs found are then put in drawing order by counting, not by comparing.
Pairs touchingPairs(const std::pmr::vector<Stroke>& strokes) {
    if (strokes.size() > kSweptStrokes)
        return gridPairs(strokes);
    // The rules' left edges sorted, then their boxes laid side by side in that order: the
    // sweep reads neither a stroke nor anything but the boxes.
    std::pmr::memory_resource* scratch = strokes.get_allocator().resource();
    std::pmr::vector<std::pair<double, std::size_t>> byLeft(scratch);
    byLeft.reserve(strokes.size());
    for (std::size_t i = 0; i < strokes.size(); ++i)
        if (isDieRule(strokes[i].kind))
            byLeft.emplace_back(strokes[i].box.xmin, i);
    std::sort(byLeft.begin(), byLeft.end());
    std::pmr::vector<Box> boxes(scratch);
    boxes.reserve(byLeft.size());
    for (const auto& [x, i] : byLeft)
        boxes.push_back(strokes[i].box);
    Pairs found(scratch);
    found.reserve(4 * boxes.size());
    for (std::size_t k = 0; k < boxes.size(); ++k) {
        const Box& a = boxes[k];
        for (std::size_t l = k + 1; l < boxes.size() && boxes[l].xmin <= a.xmax + kPairMargin; ++l)
            if (boxes[l].ymin <= a.ymax + kPairMargin && a.ymin <= boxes[l].ymax + kPairMargin)
                found.push_back(std::minmax(byLeft[k].second, byLeft[l].second));
    }
    return inDrawingOrder(found, strokes.size());
}

Pairs inDrawingOrder(const Pairs& pairs, std::size_t strokeCount) {
    // Counted out by their first stroke; the few pairs of one stroke then sorted in place.
    std::pmr::vector<std::size_t> end(strokeCount + 1, 0, pairs.get_allocator());
    for (const auto& p : pairs)
        ++end[p.first + 1];
    for (std::size_t i = 1; i <= strokeCount; ++i)
        end[i] += end[i - 1];
    Pairs out(pairs.size(), pairs.get_allocator());
    for (const auto& p : pairs)
        out[end[p.first]++] = p;  // each stroke's count moves its start to its end
    auto first = out.begin();
    for (std::size_t i = 0; i < strokeCount; ++i) {
        const auto last = out.begin() + static_cast<std::ptrdiff_t>(end[i]);
        for (auto k = first; k != last; ++k)
            for (auto l = k; l != first && (l - 1)->second > l->second; --l)
                std::iter_swap(l - 1, l);
        first = last;
    }
    return out;
}

Finding finding(FindingKind kind, std::vector<ElementId> elements, Point where,
                std::string message) {
    return {kind, severityOf(kind), std::move(elements), where, std::move(message)};
}

}  // namespace brontaxe::check
