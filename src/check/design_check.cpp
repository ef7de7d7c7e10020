#include "check/design_check.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory_resource>

#include "check/rules/rule_support.h"
#include "check/rules/rules.h"
#include "check/stroke_geometry.h"

namespace brontaxe {

Severity severityOf(FindingKind kind) {
    switch (kind) {
        case FindingKind::OverCut:
        case FindingKind::LockTabTooShort:
        case FindingKind::LockTabTooWide:
        case FindingKind::HoleTooClose:
        case FindingKind::NarrowPanel:
        case FindingKind::LooseCutOut:
            return Severity::Warning;
        default:
            return Severity::Defect;
    }
}

double CheckOptions::land() const {
    return holeLand.value_or(std::max(10.0, 3 * thickness));
}

std::vector<Finding> checkDrawing(const Drawing& d, const CheckOptions& options) {
    // The strokes, their pairs and the rules' lists come from one block on the stack, enough
    // for a blank of some three hundred rules (a sleeve and its two caps needs more than 64 KB); a
    // larger one goes on into the heap. The check runs at every regeneration, after the drawing has
    // churned the heap: its allocations there cost as much as the rules themselves.
    std::array<std::byte, 192 * 1024> block;
    std::pmr::monotonic_buffer_resource scratch(block.data(), block.size());
    std::pmr::vector<check::Stroke> strokes(&scratch);
    std::pmr::vector<check::Stroke> zero(&scratch);
    check::collectStrokes(d, kJoinTolerance, strokes, zero);
    const check::Pairs pairs = check::touchingPairs(strokes);
    const check::CheckInput in{strokes, pairs, options, &scratch};
    std::vector<Finding> out;
    check::findZeroLengths(zero, out);
    check::findOpenOutlines(in, out);
    check::findCrossings(in, out);
    check::findOverlaps(in, out);
    check::findLooseFoldEnds(in, out);
    check::findOverCuts(in, out);
    check::findNarrowPanels(in, out);
    check::findHolesTooClose(in, out);
    check::findBridgeProblems(d, out);
    return out;
}

std::vector<Finding> checkFolds(const std::vector<FoldPair>& folds, double thickness) {
    std::vector<Finding> out;
    check::findFoldProblems(folds, thickness, out);
    return out;
}

std::vector<Finding> checkLocks(const std::vector<LockPair>& locks) {
    std::vector<Finding> out;
    check::findLockProblems(locks, out);
    return out;
}

std::vector<Finding> checkBlank(const Drawing& d, std::string_view code, const Model& m) {
    const CheckOptions options{.thickness = m.EpaisseurCarton, .holeLand = declaredHoleLand(code)};
    std::vector<Finding> out = checkDrawing(d, options);
    check::findFoldProblems(declaredFolds(code, m), m.EpaisseurCarton, out);
    check::findLockProblems(declaredLocks(code, m), out);
    return out;
}

std::size_t defectCount(const std::vector<Finding>& findings) {
    return static_cast<std::size_t>(
        std::count_if(findings.begin(), findings.end(),
                      [](const Finding& f) { return f.severity == Severity::Defect; }));
}

namespace {

std::string counted(std::size_t n, const char* word) {
    return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
}

}  // namespace

std::string verdictText(const std::vector<Finding>& findings) {
    const std::size_t defects = defectCount(findings);
    const std::size_t warnings = findings.size() - defects;
    std::string text =
        "Contrôle : " + (defects == 0 ? std::string("aucun défaut") : counted(defects, "défaut"));
    if (warnings > 0)
        text += ", " + counted(warnings, "avertissement");
    return text;
}

std::string findingsText(const std::vector<Finding>& findings) {
    std::string out;
    for (const Finding& f : findings)
        out += f.message + (f.severity == Severity::Warning ? " (avertissement)\n" : "\n");
    return out;
}

std::string groupedFindingsText(const std::vector<Finding>& findings, std::size_t listed) {
    // The kinds in the order they are first found, each with its findings.
    std::vector<std::pair<FindingKind, std::vector<const Finding*>>> kinds;
    for (const Finding& f : findings) {
        auto it = std::find_if(kinds.begin(), kinds.end(),
                               [&](const auto& k) { return k.first == f.kind; });
        if (it == kinds.end())
            it = kinds.insert(kinds.end(), {f.kind, {}});
        it->second.push_back(&f);
    }
    std::string out;
    for (const auto& [kind, list] : kinds) {
        if (list.size() <= listed) {
            for (const Finding* f : list)
                out += "  " + f->message + "\n";
            continue;
        }
        // The title of the kind's messages: what comes before their first " : ".
        const std::string& first = list.front()->message;
        std::string line = "  " + first.substr(0, first.find(" : ")) + " : " +
                           std::to_string(list.size()) + " fois, en ";
        for (std::size_t k = 0; k < listed; ++k)
            line += (k == 0 ? "" : ", ") + check::at(list[k]->position);
        out += line + "...\n";
    }
    return out;
}

}  // namespace brontaxe
