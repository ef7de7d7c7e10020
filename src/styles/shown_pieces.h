#pragma once
// The pieces of a several-piece style that are drawn: those the user shows ("Morceaux").

#include <cstddef>

#include "model/model.h"

namespace brontaxe {

// Whether the piece of entry `piece` of `AfficheMorceau` is shown.
inline bool pieceShown(const Model& m, std::size_t piece) {
    return m.AfficheMorceau[piece] == 1;
}

}  // namespace brontaxe
