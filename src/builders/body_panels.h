#pragma once
// Panel widths and flap heights of a slotted body, reduced to the panels a two- or four-piece
// box actually draws. The body half and its dimension chains use the same reduction, so the
// chains always measure what was drawn.

#include "model/model.h"

namespace brontaxe {

struct BodyPanels {
    float p1, p2, p3, p4;
    float f1, f2;
};

BodyPanels applyPieceVariants(const Model& m, BodyPanels b);

}  // namespace brontaxe
