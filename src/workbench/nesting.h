#pragma once
// The optimiser of the imposition: the arrangement of poses that gets the most blanks out of
// a board, the blank turned a quarter or half a turn, every other row or column turned half a
// turn more, rows and columns slid into one another as far as the outer contours and the gap
// between poses allow. Also the other way round: the least board for a number of poses.

#include <optional>
#include <vector>

#include "drawing/drawing.h"
#include "workbench/nesting_pattern.h"
#include "workbench/nesting_shapes.h"

namespace brontaxe {

// The outer contour of the blank's cut lines, one ring per separate piece; the blank's box
// when the cut lines close no contour.
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
};

struct Arrangement {
    NestPattern pattern;
    std::vector<NestPose> poses;  // row by row from the lower left
    int columns = 0;              // of the fullest row
    int rows = 0;
    Box used;  // what the poses' boxes cover, lower left corner on the origin
    double usedArea() const { return used.width() * used.height(); }
};

// Most poses of one pattern on the board, then the least used rectangle.
Arrangement arrange(const std::vector<Ring>& blank, const NestPattern& pattern,
                    const NestBoard& board);
// `columns` x `rows` poses of the pattern, as close as they go.
Arrangement arrangeCounts(const std::vector<Ring>& blank, const NestPattern& pattern, double gapX,
                          double gapY, int columns, int rows);

// Of every pattern, the arrangement with the most poses and then the least used rectangle,
// among those whose contours keep the gaps; none when not even one pose fits.
std::optional<Arrangement> bestArrangement(const std::vector<Ring>& blank, const NestBoard& board);

// The least board holding `count` poses: the smallest sheet, margins included, or with a
// roll `rollWidth` wide (margins taken off), the shortest length.
struct SmallestBoardQuery {
    int count = 1;
    double gapX = 0, gapY = 0;
    double marginsX = 0, marginsY = 0;  // both sides together
    std::optional<double> rollWidth;    // usable width of the roll
};
std::optional<Arrangement> smallestBoard(const std::vector<Ring>& blank,
                                         const SmallestBoardQuery& q);

// No two poses closer than the smaller gap, none reaching into another, on their contours.
bool posesKeepGaps(const std::vector<Ring>& blank, const Arrangement& a, double gapX, double gapY);

}  // namespace brontaxe
