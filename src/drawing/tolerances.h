#pragma once
// Every tolerance of the program, each with what it absorbs. Lengths are in millimetres,
// areas in square millimetres; a relative tolerance is a fraction of what it compares.

namespace brontaxe {

// --- Rounding ------------------------------------------------------------------------------

// What double arithmetic leaves on a quantity of order one (a component of a unit vector, a
// parameter along a segment, a ratio, an angle in degrees, a coordinate after a turn or a
// mirror): values this close are equal, and a direction whose component is below it runs
// along the other axis.
inline constexpr double kRoundingNoise = 1e-9;
// A pivot of a linear system, a bulge or a span in radians below this is nothing: far below
// any value a file means, far above what cancelling doubles leave.
inline constexpr double kVanishing = 1e-12;
// Two coordinates closer than this are the same point (the drawing works in millimetres).
inline constexpr double kEps = 1e-6;
// Faces whose areas differ by less than this are as large as each other.
inline constexpr double kSameArea = 1e-6;

// --- Sizes of the model --------------------------------------------------------------------

// Model sizes are float sums of inputs and allowances, whose error reaches well past a
// millionth of a millimetre: two sizes this close are the same size (two areas this close the
// same area), and a part that overruns its room by no more still fits. A thousandth is still
// far below anything a cutting table draws.
inline constexpr double kSizeNoise = 1e-3;
// A length of the model (a radius, a step, a join) at or below this is no length: the part is
// left out. The size noise, at the model's single precision.
inline constexpr float kLengthTolerance = static_cast<float>(kSizeNoise);
// A passage this much tighter than the wrap around it still takes it: the sizes are single
// precision, and a sleeve's board gives more than that.
inline constexpr float kPassageFit = 0.01f;

// --- Points and lines of a drawing ---------------------------------------------------------

// A gap, a step or an offset below this is none. Coordinates that went through single
// precision on a blank a few metres long stay well inside it; nothing drawn is that small.
inline constexpr double kHair = 1e-4;
// Two ends of rules closer than this are one point, whoever compares them: the die-line
// readers, the rule report, the design-rule check, the outer contour and the bridges, so that
// no figure depends on which of them looked. A hundredth of a millimetre: a file written in
// inches to four decimals moves each end by up to 0.0018 mm, and programs that write a shape's
// sides one by one leave gaps of a few thousandths; a cutting table draws nothing that fine.
inline constexpr double kJoinTolerance = 0.01;
// Chord tolerance of the arcs of a cut outline. The chords cut off about 2/3 x tolerance x arc
// length: a few mm² for the rounded corners of a blank, far inside 0.1 % of its area, with
// half the chords a 0.01 mm tolerance needs (the chords are most of a rounded blank's cost).
inline constexpr double kContourArcTolerance = 0.05;
// Curves the drawing has no element for (ellipses, splines, arcs under a stretch) are drawn
// as lines that stray no farther than this from them.
inline constexpr double kFlatteningTolerance = 0.05;
// A point this close to a line of the drawing lies on it, when the line may be a chord of the
// contour (a face's edge, a fold met by a flap's fold).
inline constexpr double kOnDrawnLine = kContourArcTolerance;
// How far into the kept side a section looks for the board along its line: the crossings
// found there lie within the contour's straying of the exact ones unless an edge runs nearly
// along the line.
inline constexpr double kProbeOffset = 1e-3;
// Two directions are parallel when the sine of the angle between them is below this (about
// 0.06 degree), and a direction runs along an axis when its other component is below this
// fraction of its length: folds drawn from float sizes lean by far less, and no style draws a
// slant that steep.
inline constexpr double kParallelRatio = 1e-3;

// --- The window ----------------------------------------------------------------------------

// Arcs the window draws as chords (outlines on screen, the pieces and highlights over them)
// stray no farther than this from the curve: half a pixel where the blank is worked at ten
// pixels a millimetre, and the same chords as the outer contour's.
inline constexpr double kScreenChordTolerance = kContourArcTolerance;
// A drawing this fraction longer than a whole number of pages still fits them: what its
// extents gain through the float sizes and the print scale, never a real overrun.
inline constexpr double kPageFit = 1e-6;

// --- Folding -------------------------------------------------------------------------------

// Unit normals whose cross product is shorter than this belong to parallel faces.
inline constexpr double kParallelNormals = 1e-6;
// How much thicker than the board a face's span across its wall may be and still lie flat in
// it, and how much closer than the board two parallel faces may be without passing through
// each other.
inline constexpr double kBoardSlack = 0.01;
// GEOS joins a face's holes to its outline before cutting it into triangles, and gives up
// where holes line up exactly with each other or with the outline (the mortises along a
// tray's floor): turned by this hair (in radians), the same rings no longer line up. The
// triangles are the same either way; only their numbering is read back.
inline constexpr double kUntieTurn = 1e-6;

}  // namespace brontaxe
