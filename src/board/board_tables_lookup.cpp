#include "board/board_tables.h"

namespace brontaxe {

int BoardTables::findAllowances(std::int16_t code, std::int16_t grade, float epaisseurCarton,
                                AllowanceValues& out) const {
    out.fill(0);
    const int exact = allowances_.find(code, grade);
    if (exact != 0)
        out = allowances_.at(exact).values;
    if (out[1] != 0 || out[2] != 0 || out[3] != 0)
        return exact;

    // No usable record for this grade: another grade's, scaled to this board's thickness.
    const int other = allowances_.findScalable(code);
    if (other == 0)
        return exact;
    const MajoRec& r = allowances_.at(other);
    const float otherThickness = gradeThickness(r.grade);
    const float factor = otherThickness > 0 ? epaisseurCarton / otherThickness : 1.0f;
    for (int k = 1; k <= kAllowanceCount; ++k)
        out[static_cast<std::size_t>(k)] = factor * r.values[static_cast<std::size_t>(k)];
    out[0] = 0;
    return exact;
}

bool BoardTables::hasAllowances(std::int16_t code, std::int16_t grade) const {
    return allowances_.find(code, grade) != 0;
}

void BoardTables::storeAllowances(std::int16_t code, std::int16_t grade,
                                  const AllowanceValues& values) {
    allowances_.store(code, grade, values);
}

float BoardTables::gradeThickness(int grade) const {
    return grades_.holds(grade) ? grades_.at(grade).thickness : kDefaultThickness;
}

float BoardTables::gradeDoubleWall(int grade) const {
    return grades_.holds(grade) ? grades_.at(grade).doubleWall : kDefaultDoubleWall;
}

std::string BoardTables::gradeLabel(int grade) const {
    return grades_.holds(grade) ? grades_.at(grade).label : std::string(kDefaultLabel);
}

}  // namespace brontaxe
