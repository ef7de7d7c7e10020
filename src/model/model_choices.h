#pragma once
// The model's numbered choices as the styles and builders read them. Stored files, settings
// and the screen keep the numbers; the drawing code asks these functions instead.

#include <cstdint>

#include "model/model.h"

namespace brontaxe {

// The hand-hole of a body's walls (`OptionPoign`).
enum class HandHoleKind : std::int16_t {
    None = 0,
    Cut = 1,               // a plain cut hole
    CreasedUpperEdge = 2,  // the upper edge creased: the flap it leaves pushes in
    FoldingTab = 3,        // creased upper edge with a tab folding over it
};
// An unknown number draws no hole.
HandHoleKind handHoleKind(const Model& m);
// Whether the hole's upper edge is a hinge rather than a cut.
bool hasHingedUpperEdge(HandHoleKind k);

// A case cut into four pieces (`CaisseEn4`), each piece one panel of the body.
enum class FourPieces : std::int16_t {
    None = 0,           // not cut into four pieces
    FirstPanel = 1,     // each piece a first panel with its glue flap
    SecondPanel = 2,    // each piece a second panel with its glue flap
    LoosePanel = 3,     // a first panel cut free at both ends: no glue flap, no slots
    GluedBothEnds = 4,  // a second panel with a glue flap at each end
};
// An unknown number is no four-piece case.
FourPieces fourPieces(const Model& m);
// Whether each piece is a second panel (else a first one); false for no four-piece case.
bool keepsSecondPanel(FourPieces f);

}  // namespace brontaxe
