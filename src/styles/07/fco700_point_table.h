#pragma once
// The glued cases whose crash-lock bottom is drawn point by point (0701, 0711): the sizes and
// the levels they give. Everything lives in one value per generation, so nothing carries over
// from one drawing to the next.

#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// The allowances of 0701 and 0711, whose height and flaps do not follow the slotted cases':
// the top flaps come before the body's height.
struct LockCaseAllowances {
    float panel1, panel2, panel3, panel4;  // 1 to 4: the panels from the glue flap
    float topFlaps;                        // 5: the top's flaps, on half the width
    float bodyHeight;                      // 6: the body's height
    float bottomFlaps;                     // 7: the bottom's flaps, on half the width
    float glueFlapShort;                   // 8: how far the glue flap stops below the top
};
LockCaseAllowances lockCaseAllowances(const Model& m);

// The lock's height: the throats of the hooks of tabs 2 and 3 stand this far below the bottom
// fold.
inline constexpr float kLockHeight = 14.5f;

// The levels across the blank, left to right, in millimetres from its left edge. Panels count
// from the glue flap; "tab 2" and "tab 3" are the tabs of the bottom flaps of panels 2 and 3
// that are glued across the corners the case folds flat on, their hooks catching the lock flap
// of panel 1; "slot 1" to "slot 3" are the top's slots over the folds 1-2, 2-3 and 3-4.
struct LockAcross {
    float leftEdge = 0;
    float glueFold = 0;
    float flap1Left = 0;     // panel 1's flaps' left edge (the lock flap's, the top flap's)
    float lockFoldFoot = 0;  // where the lock flap's slanted fold leaves the bottom edge
    float lockRight = 0;     // the lock flap's right edge
    float slot1Left = 0;
    float notch1 = 0;  // the apex the notch over fold 1-2 aims at, between the lock flap and tab 2
    float fold12 = 0;
    float slot1Centre = 0;  // the centre of slot 1's half-round end
    float tab2Throat = 0;   // tab 2: the inner corner of its hook
    float slot1Right = 0;
    float tab2Hook = 0;        // tab 2: its hook's tip, and its end on the tabs' edge
    float tab2LowerRight = 0;  // tab 2: its corner on the tabs' edge, under flap 2
    float flap2Corner = 0;     // flap 2's lower left corner, where tab 2's slanted side starts
    float flap2SlopeFoot = 0;  // where flap 2's slanted right side leaves its edge
    float slot2Left = 0;
    float slot2Centre = 0;
    float fold23 = 0;
    float slot2Right = 0;
    float slit = 0;           // the slit over fold 2-3, between flap 2 and flap 3
    float flap3Corner = 0;    // flap 3's lower right corner, where tab 3's slanted side starts
    float tab3LowerLeft = 0;  // tab 3: its corner on the tabs' edge, under flap 3
    float tab3Hook = 0;       // tab 3: its hook's tip, and its end on the tabs' edge
    float tab3Throat = 0;     // tab 3: the inner corner of its hook
    float slot3Left = 0;
    float fold34 = 0;
    float slot3Centre = 0;
    float notch3 = 0;  // the apex the notch over fold 3-4 aims at, between tab 3 and flap 4
    float slot3Right = 0;
    float flap4SlopeFoot = 0;  // where flap 4's slanted left side leaves its edge
    float flap4Corner = 0;     // flap 4's lower right corner
    float topFlap4Right = 0;   // the right edge of panel 4's top flap, half a slot in
    float rightEdge = 0;
};

// The levels up the blank, bottom to top, in millimetres from its lower edge.
struct LockUp {
    float bottomEdge = 0;     // the lock flap's edge
    float tabEdge = 0;        // the edge of the glued tabs, the overlap below the flaps'
    float flapEdge = 0;       // the edge of the bottom flaps of panels 2 to 4
    float hookThroat = 0;     // the inner corners of the tabs' hooks
    float hookTip = 0;        // the tips of the tabs' hooks
    float bottomFold = 0;     // the bottom's fold
    float rightEdgeFoot = 0;  // the right edge's lower end, half a slot above the bottom fold
    float notchApex = 0;      // the apex the notch over fold 3-4 aims at, above the bottom fold
                              // (its sides stop on the fold); the notch over fold 1-2 and the
                              // slit over fold 2-3 aim a little above it
    float glueFoot = 0;       // the glue flap's lower corner on the left edge
    float glueTop = 0;        // the glue flap's top, where panel 4's right edge ends and the
                              // top folds of panels 2 and 4 run
    float topFold = 0;        // the top's fold
    float topEdge = 0;        // the top flaps' edge
};

struct LockTable {
    LockAcross x;
    LockUp y;
    // Sizes the lines need beside the levels.
    float W = 0;  // flap base
    float n = 0;  // half the slot
};

// Which variant of the lock: 0711 puts the glue flap on the width panel when asked, keeps its
// glue tabs 5 mm shorter and draws its tabs at other angles.
enum class LockVariant { Fco0701, Fco0711 };

// The levels of the case; throws GenerationError when the slot width leaves no lock.
LockTable lockTable(const Model& m, LockVariant variant);
// The panels' chain and the overall length under the bottom's edge, clear of its flaps; the
// heights and the overall height on the right.
void lockCaseDimensions(Drawing& d, const LockTable& T);

// Where the line through (x1, y1) and (x2, y2) crosses the level y, and the abscissa x.
float atLevel(float x1, float y1, float x2, float y2, float y);
float atAbscissa(float x1, float y1, float x2, float y2, float x);

// Where the bottom's cuts end, worked out from the levels. The notches over folds 1-2 and
// 3-4 and the slit over fold 2-3 aim at their apexes above the bottom fold but stop on it, a
// cut along the fold joining their two sides; where a side crosses the panel fold below the
// bottom fold, that cut runs on to the panel fold.
struct LockBottomEnds {
    float notchTop = 0, slitTop = 0;  // the apexes of the notch over fold 1-2 and of the slit
    float notch1Left = 0, notch1Right = 0, slitLeft = 0, notch3Left = 0, notch3Right = 0;
    float notch1FoldEnd = 0, slitFoldEnd = 0, notch3FoldEnd = 0;
    float tab2End = 0, tab3Start = 0;  // the tabs' edges, stopped short of their slanted cuts
    float lockFoldTop = 0;             // where the lock flap's fold meets the flap's right edge
    float glueUpperEnd = 0;            // 0701: the glue flap's upper end on the left edge
};
LockBottomEnds lockBottomEnds(const LockTable& T);

}  // namespace brontaxe
