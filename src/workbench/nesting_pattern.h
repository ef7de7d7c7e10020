#pragma once
// How the optimiser lays the poses: the blank's turn, and whether every other row or column
// is turned half a turn more. The pitches and the slide of one row into the next follow from
// the blank's contour, so a pattern stays valid when the blank's sizes change.
//
// A sheet may be laid in blocks cut straight across it (a guillotine cut): the pattern lays
// its first `lines` rows (or columns) and the rest of the sheet, past the cut and the gap, is
// laid by the pattern in `rest`, which may be cut again.

#include <optional>
#include <string>
#include <vector>

namespace brontaxe {

struct NestPattern {
    int turn = 0;                // 0, 90, 180 or 270 degrees
    bool turnedRows = false;     // every other row turned half a turn
    bool turnedColumns = false;  // every other column turned half a turn
    // One pose a row, every other row slid sideways as far as the board lets it: poses that
    // stand diagonally, a cross's arms past each other.
    bool staggered = false;
    // The first block: its rows (columns when `blockColumns`), the rest in `rest`; 0 lines and
    // no rest: the whole sheet.
    int lines = 0;
    bool blockColumns = false;
    std::vector<NestPattern> rest;  // at most one: the pattern past the cut
    // At most this many poses (a count asked for); 0: as many as fit.
    int limit = 0;
    friend bool operator==(const NestPattern&, const NestPattern&) = default;
};

// The turns a pattern lays the blank in, its blocks included: quarter turns are those of 90
// and 270 degrees.
bool hasQuarterTurn(const NestPattern& p);

// "90 rangs", "0 colonnes", "180 rangs colonnes", "0 | 2 rangs de blocs | 90", "0 max 30":
// the pattern as a drawing file keeps it.
std::string patternText(const NestPattern& p);
// The arrangement in words, for the user: "découpe tournée de 90°, une colonne sur deux
// retournée"; blocks as "2 rangs à 0°, puis découpe tournée de 90°".
std::string patternDescription(const NestPattern& p);
std::optional<NestPattern> readPattern(const std::string& text);

}  // namespace brontaxe
