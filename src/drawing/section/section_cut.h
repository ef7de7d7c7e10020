#pragma once
// Cutting a drawn blank in two along a straight section line and keeping one side, so that a
// blank larger than the machine takes can be made as two pieces. Lines and arcs that cross
// the line are clipped exactly (an arc keeps the part of itself on the kept side), and the
// outline is closed along the line by cuts.

#include <optional>
#include <string>
#include <vector>

#include "drawing/drawing.h"

namespace brontaxe {

// The side kept, in the order of the dialog's options: "Gauche", "Droite" (a vertical line),
// "Haute", "Basse" (a horizontal line).
enum class SectionSide { Left = 0, Right = 1, Top = 2, Bottom = 3 };

inline bool isVerticalSection(SectionSide side) {
    return side == SectionSide::Left || side == SectionSide::Right;
}

struct SectionCut {
    SectionSide keep = SectionSide::Left;
    double at = 0;  // abscissa of a vertical line, ordinate of a horizontal one
};

// How far p lies beyond the line on the discarded side (negative on the kept side).
double beyondSection(Point p, const SectionCut& cut);

// What is left of one element on the kept side: nothing, the element itself, or its clipped
// parts (an arc that crosses the line twice may leave two arcs). Sheet outlines and contours
// belong to the uncut blank and are dropped; texts and symbols stay when their place is kept.
std::vector<Element> clipToSection(const Element& e, const SectionCut& cut);

// Where the kept side has board along the line: the stretches of the section line (read a
// hair inside the kept side) within the outer contour of the cut lines, as pairs of
// coordinates along the line (y for a vertical line).
std::vector<std::pair<double, double>> sectionStretches(const Drawing& d, const SectionCut& cut);

struct SectionResult {
    int closingCuts = 0;             // cut lines added along the section
    std::optional<std::string> why;  // French, when nothing of the blank is left on that side
};

// Cuts the whole drawing in place: every element clipped, the folds that lay along the line
// inside the blank removed (the new edge replaces them), and the cut outline closed along the
// line where it runs through the blank. Run before any pose is copied.
SectionResult sectionDrawing(Drawing& d, const SectionCut& cut);

}  // namespace brontaxe
