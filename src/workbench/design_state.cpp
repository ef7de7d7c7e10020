#include "workbench/design_state.h"

#include <utility>

#include "techsheet/sheet_template.h"
#include "workbench/design_file.h"

namespace brontaxe {
namespace {

// The sheet's elements moved so that their lower-left corner lies on the origin.
std::vector<Element> sheetFromOrigin(const Drawing& d) {
    std::vector<Element> elements = sheetElements(d);
    if (elements.empty())
        return elements;
    Drawing scratch;
    for (Element& e : elements)
        scratch.addElement(std::move(e));
    const Box box = scratch.extents();
    if (!box.empty)
        scratch.TransformRange(scratch.firstId(), scratch.lastId(),
                               Transform::move({-box.xmin, -box.ymin}));
    return scratch.elements();
}

}  // namespace

SheetState sheetState(const Drawing& d) {
    return {d.SheetName(), d.sheetFields(), sheetFromOrigin(d)};
}

void putSheet(Drawing& d, const SheetState& sheet) {
    Drawing holder;
    for (const Element& e : sheet.elements)
        holder.addElement(e);
    holder.setTechnicalSheet(sheet.name, sheet.fields);
    adoptTechnicalSheet(d, holder);
}

DesignState captureDesign(const Workbench& wb) {
    DesignState s;
    s.record = designRecord(wb);
    s.allowanceRecordCode = wb.model().allowanceRecordCode;
    s.sheet = sheetState(wb.drawing());
    s.grades = wb.boardTables().grades();
    s.allowances = wb.boardTables().allowances();
    return s;
}

RestoredDesign restoreDesignState(Workbench& wb, const DesignState& state) {
    RestoredDesign out;
    if (auto refused = restoreDesign(wb, state.record)) {
        out.refusal = std::move(refused);
        return out;
    }
    wb.model().allowanceRecordCode = state.allowanceRecordCode;
    // Tables edited in the step are written back as they were, both files or neither.
    std::optional<std::string> tables;
    BoardTables& t = wb.boardTables();
    if (t.grades() != state.grades || t.allowances() != state.allowances) {
        const GradeTable grades = t.grades();
        const AllowanceTable allowances = t.allowances();
        t.restoreTables(state.grades, state.allowances);
        tables = t.saveTables();
        if (tables)
            t.restoreTables(grades, allowances);
        else
            tables = wb.followSavedTables();
    }
    putSheet(wb.drawing(), state.sheet);
    out = drawRestored(wb, state.record);
    if (tables)
        out.refusal = "Tables non réécrites : " + *tables;
    return out;
}

}  // namespace brontaxe
