#include "workbench/grade_deletion.h"

namespace brontaxe {

int gradeAfterDeletion(int current, int deleted) {
    if (current == deleted)
        return 1;
    return current > deleted ? current - 1 : current;
}

std::optional<std::string> deleteGrade(Workbench& wb, int grade) {
    if (!wb.boardTables().grades().holds(grade))
        return std::nullopt;
    if (auto problem = wb.boardTables().deleteGrade(grade))
        return problem;
    Model& m = wb.model();
    m.NumQualite = static_cast<std::int16_t>(gradeAfterDeletion(m.NumQualite, grade));
    wb.lookUpAllowances();
    m.EPoign = 2 * m.EpaisseurCarton;
    return wb.followSavedTables();
}

}  // namespace brontaxe
