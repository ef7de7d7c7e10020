#pragma once
// What a style knows about itself beyond its drawing: the sizes it can be made in (its valid
// domain) and, when it says so, how its flaps fold, so that the design-rule check can tell a
// collision or a gap.
//
// A style's record holds its domain and its fold declaration (style_record.h): the domain
// fields left out impose nothing, and without a fold declaration the generic checks of the
// drawing still run. A fold declaration is a plain function of the model that returns the
// pairs of opposite flaps with the span between their creases; it uses the same formulas as
// the generator, so both read one source of sizes.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/model.h"

namespace brontaxe {

// Smallest inside sizes and ratios a style's features need. Outside them the generation is
// refused with a French message that names the limit.
struct StyleDomain {
    float minLength = 0;             // inside length, mm
    float minWidth = 0;              // inside width, mm
    float minHeight = 0;             // inside height, mm
    bool widthAtMostLength = false;  // L >= W, for flaps that fold across the length
    // A further rule in terms of the model (slots wider than a panel, ...): the refusal text,
    // or nothing when the model meets it.
    std::optional<std::string> (*extra)(const Model&) = nullptr;
};

// How two opposite flaps meet once folded over the opening between their creases.
enum class FoldFit {
    NoCollision,  // they may leave a gap (inner flaps, short flaps)
    Meet,         // they meet edge to edge: neither overlap nor gap beyond the board's give
};

// Two opposite flaps of depths `depthA` and `depthB` folded over `span` (distance between
// their creases).
struct FoldPair {
    // French name of the pair, as a finding shows it: a literal ("rabats de longueur"), so that
    // declaring folds costs no allocation on every regeneration.
    std::string_view what;
    double depthA = 0;
    double depthB = 0;
    double span = 0;
    FoldFit fit = FoldFit::NoCollision;
};

using FoldDeclaration = std::vector<FoldPair> (*)(const Model&);

// Why the model lies outside the domain of `code` (French), or nothing when it may be drawn.
// Sizes not positive are refused for every code.
std::optional<std::string> domainRefusal(std::string_view code, const Model& m);

// The fold pairs `code` declares for the model (empty when it declares none).
std::vector<FoldPair> declaredFolds(std::string_view code, const Model& m);

}  // namespace brontaxe
