#pragma once
// The allowance lookup: applies the style code, the grade and its allowances to the model, after
// every change of code, grade or data directory.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "board/board_tables.h"
#include "model/model.h"

namespace brontaxe {

// The style number of the code box: its number (ties to even), or for a top/bottom
// combination ("0201/0203") `TypeDessus`, `TypeDessous` when the top is 0.
std::int16_t styleNumber(std::string_view codeBox, const Model& m);

// Whether a box of this style on this bottom may be made in two or four pieces.
bool multiPieceAllowed(std::int16_t style, std::int16_t bottomStyle);

// Sets `NumModele`, `CodeModele` (a blank and the style number), the multi-piece modes,
// `NumQualite`, `EpaisseurCarton`, `Dblmur`, `Majo`, `hmortaise` and `htenon`.
// `selectedGrade` is the grade chosen in the grade list, 0 when none is: the thickness and
// allowances are then the defaults of a grade the table does not hold, and `NumQualite`
// keeps its value. Returns whether the multi-piece options apply; when they do not, both
// modes have been switched off.
bool lookUpAllowances(Model& m, const BoardTables& tables, std::string_view codeBox,
                      int selectedGrade);

}  // namespace brontaxe

namespace brontaxe {

// What the user must hear about the allowances `lookUpAllowances` found for the pair: nullopt when
// the table holds the pair's own usable record, holds no allowances at all (its loading said so),
// or none for the code's family (styles without allowances, or with their own); otherwise
// that the pair has none, and whether another grade's were scaled instead.
std::optional<std::string> allowanceLookupNotice(const BoardTables& tables, std::int16_t code,
                                                 int grade);

}  // namespace brontaxe
