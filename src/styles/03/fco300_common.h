#pragma once
// What the telescope styles share: the piece flags, the side-by-side placing of two pieces and
// the trays with corner flaps with their dimensions.

#include <cstddef>
#include <cstdint>
#include <functional>

#include "drawing/drawing.h"
#include "drawing/element.h"
#include "model/model.h"
#include "styles/03/fco300_sizes.h"
#include "styles/shown_pieces.h"

namespace brontaxe {

// Entries of `AfficheMorceau` that show the lid (or outer piece) and the bottom (or inner one).
inline constexpr std::size_t kLidPiece = 1;
inline constexpr std::size_t kBottomPiece = 3;
// Entry that shows the body (or sleeve) of a three-part box, between its two caps.
inline constexpr std::size_t kBodyPiece = 2;

// The x of a second piece's centre so that it stands `gap` right of the first: each
// piece given by its centre and its half extent along x.
float besideCentre(float gap, float firstCentre, float firstHalfExtent, float secondHalfExtent);

// A tray with corner flaps (walls around its base) at centre x: drawn with `Piece` = `piece`,
// then its three dimensions (base length, base width, wall height) and the flap height when the
// flap is not lower than the half length.
void drawCornerFlapTray(Model& m, Drawing& d, const Tray& t, float x, std::int16_t piece);

// Dimensions of a tray at centre x: base length across the base at half its half width, base
// width, wall height; the flap height when `withFlap`. The chains are stamped with `chainKind`:
// the kind each tray has always left them, the kind of the last rule its builder chose.
void trayDimensions(Drawing& d, const Tray& t, float x, bool withFlap, LineKind chainKind);
// The chains' kind after a double-wall tray: its hand-holes' cut, else its folds' crease.
LineKind doubleWallChainKind(const Model& m);

// A tray whose corners are webbed (the corner square stays joined to both walls and folds in
// along its diagonal) at centre x, drawn with `Piece` = `piece`, and its three dimensions.
void drawWebbedTray(Drawing& d, const Tray& t, float x, std::int16_t piece);

// The bottom at x = 0 (piece 2 in 3D mode, else 1) and the lid beside it (piece 1), each drawn
// only when its flag is set; the lid keeps its place when the bottom is hidden.
void drawBottomAndLid(Model& m, Drawing& d, const Tray& bottom, const Tray& lid);

// The `Piece` of a three-part box's body in 3D mode (1 otherwise): the top cap is piece 1,
// the body 2 and the bottom cap 3.
std::int16_t bodyPieceNumber(const Model& m);

// A three-part box laid out as it is put together: the bottom cap (flag 3, piece 3 in 3D
// mode) from x = 0, the body (flag 2, piece 2 in 3D mode) `EspPoseX` right of it, and the top
// cap (flag 1, piece 1) as far right of the body; each keeps its place when another is hidden.
// `drawCap` draws one cap `capWidth` wide from its left edge at x, the first one shown with its
// dimensions; `drawBody` draws the body `bodyWidth` wide from x, its `Piece` set.
struct ThreeParts {
    float capWidth = 0;
    float bodyWidth = 0;
    std::function<void(float x, bool dimensioned)> drawCap;
    std::function<void(float x)> drawBody;
};
void drawThreeParts(Model& m, Drawing& d, const ThreeParts& parts);

}  // namespace brontaxe
