#pragma once
// The design-rule check of a blank: what a die maker would send back. One validator for the
// tests, the command line and the window. The generic rules read any drawing (one rule a file
// under rules/); the fold and lock checks run where a style declares its folding and its
// locks (styles/style_rules.h).
//
// A finding is a "défaut" when the die cannot be made as drawn (it blocks the die-making
// exports), or an "avertissement" when the die can be made but the blank is worth a look.

#include <optional>
#include <string>
#include <vector>

#include "drawing/drawing.h"
#include "drawing/element_id.h"
#include "drawing/geometry.h"
#include "drawing/tolerances.h"
#include "styles/style_checks.h"
#include "styles/style_rules.h"

namespace brontaxe {

enum class FindingKind {
    OpenOutline,       // a cut end that meets no other cut end nor a fold's end
    CrossingCuts,      // two cuts that cross
    DoubledCut,        // a cut laid twice over the same stretch
    ZeroLength,        // a line or arc with no length
    CreaseOverCut,     // a crease, perforation or half-cut that crosses a cut or lies on one
    CreaseInAir,       // a crease end that touches no cut and no other fold line
    FlapCollision,     // opposite flaps that overlap once folded
    FlapGap,           // flaps meant to meet that leave a gap once folded
    OverlappingRules,  // two creases, perforations or half-cuts laid over each other
    OverCut,           // a cut that runs past the crease it meets into the next panel
    LockTabTooShort,   // a locking tab shorter than its slot is deep
    LockTabTooWide,    // a locking tab wider than its slot's mouth
    HoleTooClose,      // a hole closer to a crease or the outline than the board's land
    NarrowPanel,       // a panel or flap narrower than three board thicknesses
    ShortKnife,        // a bridge off a cut, or leaving less than twice its width of knife
    LooseCutOut,       // a closed cut-out that no bridge holds while the blank has bridges
};

enum class Severity {
    Defect,   // "défaut": the die cannot be made as drawn
    Warning,  // "avertissement": makeable, worth a look
};

Severity severityOf(FindingKind kind);

struct Finding {
    FindingKind kind;
    Severity severity;
    std::vector<ElementId> elements;  // the elements at fault (none for a fold finding)
    Point position;                   // where, in drawing coordinates
    std::string message;              // a French sentence naming the elements and the place
};

// What the rules that depend on the board need to know.
struct CheckOptions {
    double thickness = 3.0;  // board thickness, mm
    // The land a hole keeps from creases and from the outline; by default 10 mm or three board
    // thicknesses, whichever is larger.
    std::optional<double> holeLand = std::nullopt;
    double land() const;
};

// The generic checks over the blank's own elements (imposed copies, dimensions, texts and
// symbols are not read).
std::vector<Finding> checkDrawing(const Drawing& d, const CheckOptions& options = {});

// Collisions and gaps of declared fold pairs. A pair may exceed its span by half the board
// thickness (the crease takes it up); a pair meant to meet may fall short by the thickness and
// the millimetre its flaps' rounding may cost.
std::vector<Finding> checkFolds(const std::vector<FoldPair>& folds, double thickness);

// Lock tabs too short for their slots or too wide for their mouths.
std::vector<Finding> checkLocks(const std::vector<LockPair>& locks);

// All of them: the drawing with the model's board, then the folds and locks `code` declares.
std::vector<Finding> checkBlank(const Drawing& d, std::string_view code, const Model& m);

// The findings that block the die-making exports.
std::size_t defectCount(const std::vector<Finding>& findings);

// "Contrôle : aucun défaut", "Contrôle : 1 défaut", "Contrôle : 3 défauts", then the warnings
// when there are some: "Contrôle : aucun défaut, 2 avertissements".
std::string verdictText(const std::vector<Finding>& findings);

// Every finding on its own line, warnings marked "(avertissement)", for a terminal or a test
// failure.
std::string findingsText(const std::vector<Finding>& findings);

// The findings for a terminal, one a line, each indented by two blanks; a kind found more than
// `listed` times comes on one line with its count and its first places ("Coupe trop longue :
// 19800 fois, en (1,00 ; 2,00), ..."), so that a sheet of many poses prints a page, not
// megabytes. The window's check panel lists them all.
std::string groupedFindingsText(const std::vector<Finding>& findings, std::size_t listed = 3);

}  // namespace brontaxe
