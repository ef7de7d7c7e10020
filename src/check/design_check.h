#pragma once
// The design-rule check of a blank: what a die maker would send back. One validator for the
// tests, the command line and the window. The generic checks read any drawing; the fold check
// runs where a style declares its folding (styles/style_rules.h).

#include <string>
#include <vector>

#include "drawing/drawing.h"
#include "drawing/element_id.h"
#include "drawing/geometry.h"
#include "styles/style_rules.h"

namespace brontaxe {

enum class FindingKind {
    OpenOutline,    // a cut end that meets no other cut end nor a fold's end
    CrossingCuts,   // two cuts that cross
    DoubledCut,     // a cut laid twice over the same stretch
    ZeroLength,     // a line or arc with no length
    CreaseOverCut,  // a crease that crosses a cut or lies on one
    CreaseInAir,    // a crease end that touches no cut and no other fold line
    FlapCollision,  // opposite flaps that overlap once folded
    FlapGap,        // flaps meant to meet that leave a gap once folded
};

struct Finding {
    FindingKind kind;
    std::vector<ElementId> elements;  // the elements at fault (none for a fold finding)
    Point position;                   // where, in drawing coordinates
    std::string message;              // a French sentence naming the elements and the place
};

// Ends closer than this are one point; it is the precision of the drawing's dumps.
inline constexpr double kCheckTolerance = 0.01;

// The generic checks over the blank's own elements (imposed copies, dimensions, texts and
// symbols are not read).
std::vector<Finding> checkDrawing(const Drawing& d);

// Collisions and gaps of declared fold pairs. A pair may exceed its span by half the board
// thickness (the crease takes it up); a pair meant to meet may fall short by the thickness and
// the millimetre its flaps' rounding may cost.
std::vector<Finding> checkFolds(const std::vector<FoldPair>& folds, double thickness);

// Both: the drawing, then the folds of `code` for the model.
std::vector<Finding> checkBlank(const Drawing& d, std::string_view code, const Model& m);

// "Contrôle : aucun défaut", "Contrôle : 1 défaut", "Contrôle : 3 défauts".
std::string verdictText(const std::vector<Finding>& findings);

// Every finding on its own line, for a terminal or a test failure.
std::string findingsText(const std::vector<Finding>& findings);

}  // namespace brontaxe
