#pragma once
// The design as undo and recovery keep it: what the user chose (the design a .des holds), the
// technical sheet and the section applied. Never a drawing: putting a state back draws it
// again.

#include <optional>
#include <string>
#include <vector>

#include "board/allowance_table.h"
#include "board/grade_table.h"
#include "io/des_format.h"
#include "workbench/design_file.h"
#include "workbench/workbench.h"

namespace brontaxe {

// The technical sheet: its template's name, the answers and its elements placed from the
// origin, so that the sheet compares equal wherever the blank beside it puts it.
struct SheetState {
    std::string name;
    std::vector<SheetField> fields;
    std::vector<Element> elements;
    bool operator==(const SheetState&) const = default;
};

SheetState sheetState(const Drawing& d);
// The drawing's technical sheet becomes `sheet` (none when its name is empty).
void putSheet(Drawing& d, const SheetState& sheet);

struct DesignState {
    io::DesignRecord record;
    // The style whose own allowance record `Majo` holds: styles with allowances of their own
    // draw with the table's values only then.
    std::int16_t allowanceRecordCode = 0;
    SheetState sheet;
    // The tables the allowances in force were typed into: a step back writes them back too.
    GradeTable grades;
    AllowanceTable allowances;
    bool operator==(const DesignState&) const = default;
};

DesignState captureDesign(const Workbench& wb);

// Puts `state` into the workbench and draws it; the refusal says why the state could not be
// taken (the workbench then left as it was) or its tables not written back.
RestoredDesign restoreDesignState(Workbench& wb, const DesignState& state);

}  // namespace brontaxe
