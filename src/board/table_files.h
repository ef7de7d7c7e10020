#pragma once
// The grade and allowance files, current and older formats. Each file starts with two header
// lines (quoted texts); then a grade is four items (label, code, thickness, double-wall
// thickness; the older format lacks the last) and an allowance record is code, grade and
// sixteen values (eight in the older format). Only the current formats are written.

#include <optional>
#include <string>
#include <string_view>

#include "board/allowance_table.h"
#include "board/grade_table.h"
#include "board/table_items.h"

namespace brontaxe {

enum class TableFormat { Current, Older };

// A read keeps every record read whole before a fault; `error` says what stopped it.
struct GradeFileRead {
    GradeTable table;
    std::optional<ItemError> error;
};

struct AllowanceFileRead {
    AllowanceTable table;
    std::optional<ItemError> error;
};

GradeFileRead readGradeFile(std::string_view text, TableFormat format);
std::string writeGradeFile(const GradeTable& table);

// Records with code or grade 0 are dropped, and so is a second record of the same pair.
AllowanceFileRead readAllowanceFile(std::string_view text, TableFormat format);
std::string writeAllowanceFile(const AllowanceTable& table);

}  // namespace brontaxe
