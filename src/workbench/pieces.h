#pragma once
// Boxes made of two or four blanks, the pieces of a several-piece style shown one at a time,
// and the machine-pass direction: the options of the menus "Morceaux" and "Passages-Machine",
// kept in the model, and the check marks the window shows for them.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "model/model.h"

namespace brontaxe {

// The three pieces the menu and the check boxes choose, in their order.
enum class Piece { Outside = 0, Faces = 1, Inside = 2 };  // lid/outside, faces, bottom/inside

// Only that piece drawn (flag k + 1 of `AfficheMorceau`).
void showOnlyPiece(Model& m, Piece piece);
void showAllPieces(Model& m);

// "Caisse en 2 morceaux" pressed: two pieces on, or off again.
void toggleTwoPieces(Model& m);
// "Caisse en 4 morceaux" checked with its two answers (split at the head panel or the face
// panel; a glue flap on each panel or two on the face panel), or unchecked.
std::int16_t fourPieceVariant(bool headPanel, bool glueFlapOnEachPanel);
void setFourPieces(Model& m, std::int16_t variant);

// "Sens Passage X" or "Sens Passage Y" pressed: that direction, or none when it was
// already the one set.
void togglePassDirection(Model& m, AlongAxis direction);

// Why the model's piece options cannot be drawn for its style, in French: two or four pieces
// asked of a style (or bottom) that is drawn in one piece only. nullopt when they can.
std::optional<std::string> multiPieceRefusal(const Model& m);

// The check marks and check boxes as the model's options give them.
struct PieceMenuState {
    bool allPieces = false;             // "Tous"
    std::array<bool, 3> onlyPiece{};    // the three piece entries
    std::array<bool, 3> pieceBoxes{};   // the three check boxes
    bool twoPieces = false;             // "Caisse en 2 morceaux"
    bool fourPieces = false;            // "Caisse en 4 morceaux"
    bool multiPieceEnabled = false;     // both entries enabled for the style
    bool passX = false, passY = false;  // "Sens Passage X", "Sens Passage Y"
};
PieceMenuState pieceMenuState(const Model& m);

}  // namespace brontaxe
