#pragma once
// Inside the optimiser: the lattice a pattern lays, its poses on a board, and the search for
// sheets cut in blocks. Only the optimiser's own files include this.

#include <array>
#include <limits>
#include <vector>

#include "workbench/imposition.h"
#include "workbench/nesting.h"

namespace brontaxe::nest {

// Slides of the odd rows tried over one period of the columns.
inline constexpr int kShiftSteps = 16;
// The column pitch of a lattice of one pose a row.
inline constexpr double kAlone = 1e9;

// The blank in its turns, each grown by the gaps; only 0 and 180 degrees unless quarter
// turns are allowed.
struct Turns {
    std::array<TurnedBlank, 4> byQuarter;  // 0, 90, 180, 270 degrees
    double gapX = 0;
    double gapY = 0;
    bool quarterTurns = false;
};
Turns turnsOf(const std::vector<Ring>& blank, double gapX, double gapY, bool quarterTurns);

// The blank in the pattern's two turns and the pitches between its poses.
struct Lattice {
    NestPattern pattern;
    const TurnedBlank* shapes[2] = {nullptr, nullptr};  // pattern's turn, then half a turn more
    double pitchA = 0;                                  // from an even column to the next
    double pitchB = 0;                                  // from an odd column to the next
    double riseA = 0;                                   // from an even row to the next
    double riseB = 0;                                   // from an odd row to the next
    double shift = 0;                                   // of the odd rows
    double width = 0;
    double height = 0;
};
Lattice latticeFor(const Turns& t, const NestPattern& p, double shift);
// The slides of the odd rows tried on a board `width` wide.
std::vector<double> shiftsOf(const Lattice& l, double width);
Point cellAt(const Lattice& l, int i, int j);
double rowY(const Lattice& l, int j);

struct Limits {
    int rows = kMaxPosesPerSide;
    int columns = kMaxPosesPerSide;
    int poses = std::numeric_limits<int>::max();
};
// The lattice's poses on a board `width` x `length`, row by row from the lower left.
Arrangement onBoard(const Lattice& l, double width, double length, const Limits& lim);
// More poses, then the least used rectangle.
bool better(const Arrangement& a, const Arrangement& b);
// The pattern's best slide of its odd rows on the board.
Arrangement bestShiftOn(const Turns& t, const NestPattern& p, double width, double length,
                        const Limits& lim);
// The pattern with its blocks on the board, at most `room` poses.
Arrangement layBlocks(const Turns& t, const NestPattern& p, double width, double length, int room);
std::vector<NestPattern> allPatterns(bool quarterTurns);

// The first column of row j whose poses start on or right of the board's left edge.
int firstColumn(const Lattice& l, int j);

// Sheets cut in two or three blocks, each laid by one of the lattices, that may lay more than
// `laid` poses, the most promising first.
std::vector<NestPattern> blockCandidates(const std::vector<Lattice>& lattices,
                                         const NestBoard& board, int laid);

}  // namespace brontaxe::nest
