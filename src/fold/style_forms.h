#pragma once
// The form of a piece once folded and the inside sizes it takes from the box's length, width
// and height. Each style's record says what it erects into (styles/style_record.h); the tests
// hold it against the folded blank.

#include "fold/erected_pieces.h"

namespace brontaxe::fold {

enum class PieceForm {
    ClosedBox,  // six sides closed
    OpenTop,    // five: a tray, a half-slotted case, a lid or cap seen from inside
    Display,    // open at the top with its front wall cut down: the base and three walls
    Flanged,    // a panel with one flap turned up along a side: a rigid box's end
    Sleeve,     // four sides around, open at both ends
    Tube,       // a liner folded round the box's length: four sides, open at its two ends
    Channel,    // a liner folded into a U: the bottom and two sides
    Flat,       // a pad or a divider strip: no fold
    // Octagonal pieces: their corner walls stand across the box around them, which the four
    // straight walls then cover only in part.
    OctagonalTray,  // the base and eight walls
    OctagonalBand,  // eight walls, open at both ends
};

// Which of the box's sizes a piece's inside takes.
enum class Size { Length, Width, Height, Own };

struct PieceShape {
    PieceForm form;
    // The inside length, width and height of the piece once erected (for a flat piece its
    // two sides); `Own` where the piece takes a size of its own (a lid's depth, a pad's board).
    Size length = Size::Length, width = Size::Width, height = Size::Height;
    // A lid or cap goes over another piece: its inside is that piece's outside.
    bool over = false;
    // A liner that fits inside the box: its outside takes the sizes, not its inside.
    bool fitsInside = false;
    // The piece is made as many times as the style's parameters say (a divider's strips).
    bool repeated = false;
    // A folder or tray: it stands on its base, whatever runs of faces its blank holds.
    bool onBase = false;
};

}  // namespace brontaxe::fold
