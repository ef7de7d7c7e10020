#include "check/rules/rules.h"

namespace brontaxe::check {
namespace {

// Flaps are rounded to whole millimetres: two of them may fall a millimetre short together.
constexpr double kFlapRounding = 1.0;

}  // namespace

void findFoldProblems(const std::vector<FoldPair>& folds, double thickness, Findings& out) {
    for (const FoldPair& f : folds) {
        const double excess = f.depthA + f.depthB - f.span;
        const auto sizes = [&f] {
            return std::string(f.what) + ", " + number(f.depthA) + " + " + millimetres(f.depthB) +
                   " sur " + millimetres(f.span) + " entre rainages";
        };
        if (excess > thickness / 2 + kJoinTolerance) {
            out.push_back(finding(
                FindingKind::FlapCollision, {}, {},
                "Rabats en collision : " + sizes() + " (" + millimetres(excess) + " de trop)"));
        } else if (f.fit == FoldFit::Meet && -excess > thickness + kFlapRounding + kJoinTolerance) {
            out.push_back(
                finding(FindingKind::FlapGap, {}, {},
                        "Rabats écartés : " + sizes() + " (" + millimetres(-excess) + " d'écart)"));
        }
    }
}

}  // namespace brontaxe::check
