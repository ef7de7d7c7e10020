#include "board/allowance_table.h"

#include <algorithm>

namespace brontaxe {

int AllowanceTable::find(std::int16_t code, std::int16_t grade) const {
    for (std::size_t i = 0; i < records_.size(); ++i) {
        if (records_[i].code == code && records_[i].grade == grade)
            return static_cast<int>(i) + 1;
    }
    return 0;
}

int AllowanceTable::findScalable(std::int16_t code) const {
    for (std::size_t i = 0; i < records_.size(); ++i) {
        if (records_[i].code == code && records_[i].values[1] != 0)
            return static_cast<int>(i) + 1;
    }
    return 0;
}

int AllowanceTable::store(std::int16_t code, std::int16_t grade, const AllowanceValues& values) {
    if (code == 0 || grade == 0)
        return 0;
    int slot = find(code, grade);
    if (slot == 0) {
        records_.push_back(MajoRec{code, grade, {}});
        slot = count();
    }
    MajoRec& r = records_[static_cast<std::size_t>(slot - 1)];
    r.values = values;
    r.values[0] = 0;
    return slot;
}

void AllowanceTable::removeGrade(std::int16_t grade) {
    std::erase_if(records_, [grade](const MajoRec& r) { return r.grade == grade; });
    for (MajoRec& r : records_) {
        if (r.grade > grade)
            --r.grade;
    }
}

}  // namespace brontaxe
