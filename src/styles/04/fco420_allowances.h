#pragma once
// Default allowances of the locking folders, written into `Majo` when the allowance table
// holds no row of their own for the style and grade. They are multiples of the board
// thickness, so a grade the table does not know still gives a blank that folds.

#include <cstdint>

#include "model/model.h"

namespace brontaxe {

enum class DefaultAllowanceRule {
    A,         // 0420, 0422, 0427
    B,         // 0421
    Rule0424,  // 0424
    Rule0470,  // 0470, 0471
};

// Overwrites the entries the rule sets (the others stay as they were) from `EpaisseurCarton`.
void applyDefaultAllowances(Model& m, DefaultAllowanceRule rule);

// Applies the rule unless the model's allowances are the table's own row for one of the
// style numbers given (0 ends the list early). Returns whether the rule was applied.
bool applyDefaultsWithoutRow(Model& m, DefaultAllowanceRule rule, std::int16_t style,
                             std::int16_t alsoStyle = 0);

}  // namespace brontaxe
