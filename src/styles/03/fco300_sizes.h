#pragma once
// Sizes of the pieces of the telescope styles, worked out from the inside dimensions, the
// allowances and the board thickness, and whether the outer piece fits over the inner one.

#include <optional>
#include <string_view>

#include "builders/winged_cap.h"
#include "drawing/tolerances.h"
#include "model/model.h"

namespace brontaxe {

// The telescope trays' allowances (0300 to 0309, 0350, 0351): the bottom's, then the lid's,
// each 0 to let the lid grow from the bottom by the board thickness.
struct TelescopeAllowances {
    float bottomLength;  // 1: the bottom's length (0350: the tray over the band)
    float bottomWidth;   // 3: the bottom's width
    float bottomHeight;  // 5: the bottom's walls
    float band;          // 4: 0350: the band's octagon
    float lidLength;     // 6: the lid's length
    float lidWidth;      // 7: the lid's width
    float lidHeight;     // 8: the lid's walls (0350: the band's height)
    float lidFlaps;      // 9: the lid's corner flaps (0301: its flaps, on the height)
};
TelescopeAllowances telescopeAllowances(const Model& m);

// The double-wall tray (0331), whose walls stand on the height.
struct DoubleWallAllowances {
    float outerEndWall;  // 5: the outer end walls, the bottom tray's walls
    float innerEndWall;  // 6: the inner end walls above the double-wall band
    float sideWall;      // 8: the side walls
};
DoubleWallAllowances doubleWallAllowances(const Model& m);

// The sleeves and slotted bodies under a cap or a slotted lid (0310 to 0322).
struct CappedAllowances {
    float capLength;                        // 1: the cap's base, lengthwise
    float capWidth;                         // 2: the cap's base, widthwise
    float lengthPanels;                     // 3: the body's length panels
    float widthPanels;                      // 4: the body's width panels
    float bodyHeight;                       // 5: the body's height
    float oddFlaps;                         // 6: the body's flaps on panels 1 and 3
    float evenFlaps;                        // 7: the body's flaps on panels 2 and 4
    float lidPanel1, lidPanel2, lidPanel3;  // 8 to 10: the slotted lid's panels, 0 for the
    float lidPanel4;                        // 11: body's panel and two thicknesses
    float fullDepth;                        // 12: a full-depth lid's height
    float lidOddFlaps;                      // 13: the lid's flaps on panels 1 and 3
    float lidEvenFlaps;                     // 14: the lid's flaps on panels 2 and 4
};
CappedAllowances cappedAllowances(const Model& m);

// Bottom and lid with wings and double side walls (0330s): each of the lid's 0 to grow from
// the bottom by the board thickness.
struct MarkedAllowances {
    float bottomLength;     // 1
    float bottomWidth;      // 2
    float bottomHeight;     // 3
    float bottomInnerWall;  // 4: the inner side wall, 0 for one thickness under the outer
    float lidLength;        // 5
    float lidWidth;         // 6
    float lidHeight;        // 7
    float lidInnerWall;     // 8
    float bottomWings;      // 11: the bottom's wings, on the shorter of half length and height
    float lidWings;         // 12: the lid's wings
};
MarkedAllowances markedAllowances(const Model& m);

// One tray: half length a and half width b of its base, wall height h, corner-flap height f.
struct Tray {
    float a = 0;
    float b = 0;
    float h = 0;
    float f = 0;
};

// The bottom tray from allowances 1 (length), 3 (width) and 5 (height); its corner flaps are
// as high as the walls when `hrabat_auto` is set, else `hrabat`.
Tray bottomTray(const Model& m);

// The lid over that bottom from allowances 6 to 9; where one is 0 the lid grows by the board
// thickness instead: one on the half length, two on the half width, one on the walls and one
// on the flaps.
Tray lidOver(const Model& m, const Tray& bottom);

// 0304's lid: the bottom grown by the lid's own allowances, half of 6 beyond 1 on the half
// length, half of 7 beyond 3 on the half width (as 0300's lid over its bottom), 8 on the
// walls and 9 on the flaps, where 0300's lid reads them on the inside dimensions; where one is
// 0 it grows by the board thickness as 0300's.
Tray lidGrownByItsAllowances(const Model& m, const Tray& bottom);

// Panels of a sleeve, length first unless the glue flap sits on the width panel: allowance 3
// on the length panels, 4 on the width panels, 5 on the height.
struct Sleeve {
    float p1 = 0, p2 = 0, p3 = 0, p4 = 0, h = 0;
};
Sleeve sleeveOf(const Model& m);

// A cap over a sleeve: allowances 1 and 2 on its base, grown by one board thickness on the
// half length and the half width; walls and corner flaps `hrabat` high.
Tray capOverSleeve(const Model& m);

// A slotted piece (body or lid).
struct SlottedPiece {
    float p1 = 0, p2 = 0, p3 = 0, p4 = 0;  // panel widths, left to right
    float body = 0;                        // body height
    float f1 = 0, f2 = 0;                  // flaps of panels 1, 3 and of panels 2, 4
    float length() const { return p1 + p2 + p3 + p4; }
};

// The body: panels with allowances 1 to 4 (width first when the glue flap sits on the width
// panel), height with allowance 5, flaps meeting in the middle with allowances 6 and 7.
SlottedPiece slottedBody(const Model& m);

// A regular slotted body (flaps at both ends) from allowances 1 to 7, its whole height in
// `body`.
SlottedPiece closedBody(const Model& m);

// The body under a cap (0312 half slotted, 0313 closed): panels with allowance 3
// on the length and 4 on the width, height with 5, flaps with 6 and 7.
SlottedPiece cappedBody(const Model& m);

// The cap over that body: allowances 1 and 2 on its base, grown by half the lid's growth
// over the creases it covers (lid_play.h) on the half length and the half width; walls and
// corner flaps `hrabat` high.
Tray capOverBody(const Model& m);

// The lid over a body, `depth` high: panels with allowances 8 to 11, or the body's panels
// grown by two board thicknesses where they are 0; flaps meeting in the middle of its own
// width with allowances 13 and 14.
SlottedPiece slottedLid(const Model& m, const SlottedPiece& body, float depth);

// A full-depth lid: allowance 12 on the height, else the body's height and one thickness.
float fullDepth(const Model& m, const SlottedPiece& body);

// Bottom and lid with wings and double side walls: bottom from allowances 1 to 4 (length,
// width, height, inner wall) and 11 (wings), lid from 5 to 8 and 12; where one of the lid's
// is 0 it grows from the bottom by the board thickness.
struct MarkedPair {
    WingedCapShape bottom;
    WingedCapShape lid;
};
MarkedPair markedPair(const Model& m);

// A base of length x width whose corners are cut back by c along each edge; c makes the
// octagon regular on a square base.
struct Octagon {
    float length = 0;
    float width = 0;
    float c = 0;
    float bevel() const;
};
Octagon octagon(float length, float width);
Octagon grownOctagon(const Octagon& o, float by);

// 0350: the band's octagon (allowance 4) and the tray over it (allowance 1, grown by one
// thickness all round).
Octagon bandOctagon(const Model& m);
Octagon trayOverBand(const Model& m);

// 0351: bottom from allowances 1 and 3, lid from 6 and 7 or grown by one thickness.
struct OctagonalPair {
    Octagon bottom;
    float h = 0;
    Octagon lid;
    float h2 = 0;
};
OctagonalPair octagonalPair(const Model& m);

// The inside of the outer piece (lid or cap) and the outside of the inner piece (bottom, body
// or sleeve), lengthwise and widthwise: crease to crease less or plus one board thickness.
struct TelescopeFit {
    float outerInsideLength = 0;
    float outerInsideWidth = 0;
    float innerOutsideLength = 0;
    float innerOutsideWidth = 0;
    bool fits() const {
        return outerInsideLength >= innerOutsideLength - kLengthTolerance &&
               outerInsideWidth >= innerOutsideWidth - kLengthTolerance;
    }
};

// The fit of a telescope code's pieces, none for a code that is not of the family.
std::optional<TelescopeFit> telescopeFit(std::string_view code, const Model& m);

}  // namespace brontaxe
