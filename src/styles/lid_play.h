#pragma once
// The one rule for a telescope lid or cap over the piece it covers (a tray, a sleeve, a
// slotted or glued body): its inside is the outside of that piece and the play, lengthwise and
// widthwise alike.

namespace brontaxe {

// The play of a lid or cap over what it covers, each way: one board thickness.
inline float lidPlay(float thickness) {
    return thickness;
}

// How much longer, crease to crease, a lid is than the piece it covers: that piece's board
// (its outside lies a board beyond its creases), the play, and the lid's own board (its
// inside lies a board within its creases).
inline float lidOverCreases(float thickness) {
    return 2 * thickness + lidPlay(thickness);
}

}  // namespace brontaxe
