#pragma once
// The optimiser of the imposition: the arrangement of poses that gets the most blanks out of
// a board, the blank turned half a turn (a quarter turn too where the flutes may run across),
// every other row or column turned half a turn more, rows and columns slid into one another as
// far as the outer contours and the gap between poses allow, and the sheet cut in two or three
// blocks each laid its own way. Also the other way round: the least board for a number of poses.

#include <optional>
#include <vector>

#include "drawing/drawing.h"
#include "workbench/nesting_pattern.h"
#include "workbench/nesting_shapes.h"

namespace brontaxe {

// The outer contour of the blank's cut lines, one ring per separate piece, with every rule of
// the blank that lies outside it (a stray cut, a crease past the outline) as a thin ring of its
// own; the blank's box when the cut lines close no contour.
std::vector<Ring> blankContour(const Drawing& d);

// A pose: the blank turned by `turn` degrees about the origin, then moved by `at`.
struct NestPose {
    int turn = 0;
    Point at{};
};

// The board less its margins. For a roll, `length` is the largest length the poses may take.
struct NestBoard {
    double width = 0;
    double length = 0;
    double gapX = 0;  // between poses of a row
    double gapY = 0;  // between rows
    // Quarter turns put the flutes across: only when the user allows them or the style keeps
    // no flute direction.
    bool quarterTurns = false;
};

struct Arrangement {
    NestPattern pattern;
    std::vector<NestPose> poses;  // block by block, row by row from the lower left
    int columns = 0;              // of the fullest row
    int rows = 0;
    Box used;  // what the poses' boxes cover, lower left corner on the origin
    // The poses of each row, block by block.
    std::vector<std::vector<int>> rowPoses;
    double usedArea() const { return used.width() * used.height(); }
};

// Most poses of one pattern (its blocks included) on the board, then the least used
// rectangle; never more than the pattern's limit.
Arrangement arrange(const std::vector<Ring>& blank, const NestPattern& pattern,
                    const NestBoard& board);
// `columns` x `rows` poses of the pattern, as close as they go.
Arrangement arrangeCounts(const std::vector<Ring>& blank, const NestPattern& pattern, double gapX,
                          double gapY, int columns, int rows);

// Of every pattern the board's turns allow, single or in blocks, the arrangement with the most
// poses and then the least used rectangle, among those whose contours keep the gaps; none when
// not even one pose fits.
std::optional<Arrangement> bestArrangement(const std::vector<Ring>& blank, const NestBoard& board);

// The least board holding `count` poses: the smallest sheet, margins included, its long side
// at most twice its short side when any arrangement allows it, or with a roll `rollWidth` wide
// (margins taken off), the shortest length. Exactly `count` poses: the pattern's limit.
struct SmallestBoardQuery {
    int count = 1;
    double gapX = 0, gapY = 0;
    double marginsX = 0, marginsY = 0;  // both sides together
    std::optional<double> rollWidth;    // usable width of the roll
    bool quarterTurns = false;
};
std::optional<Arrangement> smallestBoard(const std::vector<Ring>& blank,
                                         const SmallestBoardQuery& q);

// No two poses closer than the smaller gap, none reaching into another, on their contours.
bool posesKeepGaps(const std::vector<Ring>& blank, const Arrangement& a, double gapX, double gapY);

// "15 poses : 2 rangs (8 + 7)", "8 poses : 2 rangs de 4", "20 poses en 2 blocs : 2 rangs de 4
// + 2 rangs de 6": what the arrangement lays, in words.
std::string arrangementText(const Arrangement& a);
// "0° et 180°, sens cannelure gardé" or "0° et 90°, quart de tour : cannelure en travers".
std::string turnsText(const Arrangement& a);

}  // namespace brontaxe
