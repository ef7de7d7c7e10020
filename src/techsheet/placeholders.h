#pragma once
// The answers a technical sheet's template may leave to the program: "#M#" the code, "#L#",
// "#B#", "#H#" the inside length, width and height, "#Q#" the grade and "#T#" its thickness;
// and the rules of the die: "#FC#" and "#FR#" the separate cut and crease rules, "#PL#" their
// bends, "#AR#" their arcs, "#PT#" the bridges and "#DF#" the closed cut-outs.

#include <string>
#include <string_view>

namespace brontaxe {

class BoardTables;
class Drawing;
struct Model;

// The rules of the blank's die, every line kind together for bends and arcs.
struct SheetRules {
    int cutRules = 0;
    int creaseRules = 0;
    int bends = 0;
    int arcs = 0;
    int bridges = 0;
    int cutOuts = 0;

    static SheetRules of(const Drawing& d);
};

// What the placeholders stand for, taken from the current box.
struct SheetBox {
    std::string code;
    float length = 0;
    float width = 0;
    float height = 0;
    std::string gradeLabel;
    float gradeThickness = 0;
    SheetRules rules{};

    static SheetBox of(const Model& m, const BoardTables& tables);
};

// Replaces the first occurrence of each placeholder, in the order M, L, B, H, Q, T, then the
// rules'; numbers as
// the program's number text (a blank in front when not negative). A second "#M#" stays as
// typed, so a template may keep one for the user to fill.
std::string fillPlaceholders(std::string value, const SheetBox& box);

// The sheet's texts show its answers filled from `box` and from the rules drawn now: an answer
// kept as "#L# x#B# x#H# mm" shows the sizes of the design on show, never those it was typed
// for.
void showSheetAnswers(Drawing& d, SheetBox box);

}  // namespace brontaxe
