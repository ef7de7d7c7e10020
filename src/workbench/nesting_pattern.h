#pragma once
// How the optimiser lays the poses: the blank's turn, and whether every other row or column
// is turned half a turn more. The pitches and the slide of one row into the next follow from
// the blank's contour, so a pattern stays valid when the blank's sizes change.

#include <optional>
#include <string>

namespace brontaxe {

struct NestPattern {
    int turn = 0;                // 0, 90, 180 or 270 degrees
    bool turnedRows = false;     // every other row turned half a turn
    bool turnedColumns = false;  // every other column turned half a turn
    friend bool operator==(const NestPattern&, const NestPattern&) = default;
};

// "90 rangs", "0 colonnes", "180 rangs colonnes": the pattern as a drawing file keeps it.
std::string patternText(const NestPattern& p);
// The arrangement in words, for the user: "découpe tournée de 90°, une colonne sur deux retournée".
std::string patternDescription(const NestPattern& p);
std::optional<NestPattern> readPattern(const std::string& text);

}  // namespace brontaxe
