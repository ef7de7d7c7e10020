#pragma once
// The grade and allowance tables shipped with the program, as a fresh install reads them, and
// the overall size of a 0201 blank worked out by hand from its allowances.

#include "board/board_tables.h"

namespace brontaxe::test {

BoardTables shippedTables();

// The allowances the shipped tables give `code` in `grade`, at that grade's thickness.
AllowanceValues shippedAllowances(const BoardTables& tables, std::int16_t code, int grade);

struct BlankSize {
    float x = 0;
    float y = 0;
};

// Glue flap, four panels with allowances 1 to 4; body H + allowance 5; two flaps of half the
// width (rounded as the generator does) plus the larger of allowances 6 and 7.
BlankSize blank0201(const AllowanceValues& majo, float lengthText, float widthText,
                    float heightText, float lgPatte);

}  // namespace brontaxe::test
