#pragma once
// What the folded blank makes, piece by piece: the box around each erected piece, measured
// outside the board, and which of that box's six sides the piece's faces close.

#include <array>
#include <string>
#include <vector>

#include "fold/folded_blank.h"

namespace brontaxe::fold {

struct ErectedPiece {
    // Outside the board, in mm: the longer and the shorter side of the base, and the height.
    double length = 0, width = 0, height = 0;
    // The sides the piece's faces close, seen from outside, of its base's rectangle and its
    // four walls: the bottom, the top, and the four sides around.
    bool bottom = false, top = false;
    int sidesAround = 0;
    // Inside, in mm, in the order of the outside sizes: between the innermost layers of board
    // that close each side (a double wall's inner wall, a floor under the tabs poking through
    // it), a side that no layer closes one board in from the outside.
    double insideLength = 0, insideWidth = 0, insideHeight = 0;

    int closedSides() const { return (bottom ? 1 : 0) + (top ? 1 : 0) + sidesAround; }
};

// How the pieces of a blank stand to be measured.
enum class Stance {
    // A piece with a body of walls side by side stands on the walls' creases, its top towards
    // the flaps drawn above them; any other piece stands on its base (a tray's, a pad).
    Walls,
    // Every piece stands on its base: a folder or tray whose blank also holds a run of faces
    // side by side (a wall rolled double, a lid and its tuck flap) that is not a body.
    Base,
};

// The inside length and width of the box, in mm: a folder's or tray's base is drawn that size,
// where a wall as often folded may be larger (a tall folder's back wall). 0 when not known.
struct BaseSize {
    double length = 0, width = 0;
};

// The base of a folder or tray among `faces`: the face with the most folds, then the most
// neighbours that carry faces of their own, then the one drawn the base's size, then the
// larger.
int trayBase(const FoldedBlank& m, const std::vector<int>& faces, BaseSize size);

// Each piece of the blank erected at the full fold, in the order of the pieces' fixed faces.
std::vector<ErectedPiece> erectedPieces(const FoldedBlank& m, Stance stance = Stance::Walls,
                                        BaseSize baseSize = {});

// "Pièce 1 pliée : 406 x 306 x 206 mm, dessus fermé, dessous fermé, intérieur 400 x 300 x
// 200 mm": the outside, the sides closed, and the inside as measured between the innermost
// layers (none for a piece with no side around, a pad or a strip).
std::string erectedText(int number, const ErectedPiece& piece);

}  // namespace brontaxe::fold
