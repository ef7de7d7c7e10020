#pragma once
// The grade and allowance files, current and older formats. Each file starts with two header
// lines (quoted texts); then a grade is four items (label, code, thickness, double-wall
// thickness; the older format lacks the last) and an allowance record is one line: code,
// grade and sixteen values (eight in the older format). Only the current formats are written.
//
// A record that cannot be read, or holds a value outside its field's range, is set aside with
// a fault naming its line, and the reading goes on: one damaged line never shifts the records
// after it. A grade keeps its number (its slot) even then, with the default thickness, since
// the allowance records refer to grades by number.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/allowance_table.h"
#include "board/grade_table.h"
#include "board/table_items.h"

namespace brontaxe {

enum class TableFormat { Current, Older };

// What was read, and every record set aside or mended, in file order.
struct GradeFileRead {
    GradeTable table;
    std::vector<ItemError> faults;
};

struct AllowanceFileRead {
    AllowanceTable table;
    std::vector<ItemError> faults;
};

GradeFileRead readGradeFile(std::string_view text, TableFormat format);
std::string writeGradeFile(const GradeTable& table);

// Records with code or grade 0 are dropped, and so is a second record of the same pair; both
// are said.
AllowanceFileRead readAllowanceFile(std::string_view text, TableFormat format);
std::string writeAllowanceFile(const AllowanceTable& table);

}  // namespace brontaxe
