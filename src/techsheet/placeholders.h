#pragma once
// The answers a technical sheet's template may leave to the program: "#M#" the code, "#L#",
// "#B#", "#H#" the inside length, width and height, "#Q#" the grade and "#T#" its thickness.

#include <string>
#include <string_view>

namespace brontaxe {

class BoardTables;
struct Model;

// What the placeholders stand for, taken from the current box.
struct SheetBox {
    std::string code;
    float length = 0;
    float width = 0;
    float height = 0;
    std::string gradeLabel;
    float gradeThickness = 0;

    static SheetBox of(const Model& m, const BoardTables& tables);
};

// Replaces the first occurrence of each placeholder, in the order M, L, B, H, Q, T; numbers as
// the program's number text (a blank in front when not negative). A second "#M#" stays as
// typed, so a template may keep one for the user to fill.
std::string fillPlaceholders(std::string value, const SheetBox& box);

}  // namespace brontaxe
