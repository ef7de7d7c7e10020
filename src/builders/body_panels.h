#pragma once
// Panel widths and flap heights of a slotted body, reduced to the panels a two- or four-piece
// box actually draws. The body half and its dimension chains use the same reduction, so the
// chains always measure what was drawn.

#include "model/model_choices.h"

namespace brontaxe {

struct BodyPanels {
    float p1, p2, p3, p4;
    float f1, f2;
};

// How the body is cut into pieces: in two (each piece two panels) or in four.
struct PieceCut {
    bool twoPieces = false;
    FourPieces fourPieces = FourPieces::None;

    bool onePiece() const { return !twoPieces && fourPieces == FourPieces::None; }
    bool operator==(const PieceCut&) const = default;
};

BodyPanels applyPieceVariants(PieceCut pieces, BodyPanels b);

}  // namespace brontaxe
