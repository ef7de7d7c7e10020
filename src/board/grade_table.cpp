#include "board/grade_table.h"

#include <algorithm>

namespace brontaxe {

bool GradeTable::append(QualiteRec grade) {
    if (count_ >= kMaxGrades)
        return false;
    ++count_;
    slots_[static_cast<std::size_t>(count_)] = std::move(grade);
    return true;
}

void GradeTable::remove(int grade) {
    if (!holds(grade))
        return;
    for (int i = grade; i < count_; ++i)
        slots_[static_cast<std::size_t>(i)] = std::move(slots_[static_cast<std::size_t>(i + 1)]);
    slots_[static_cast<std::size_t>(count_)] = QualiteRec{};
    --count_;
}

bool GradeTable::operator==(const GradeTable& other) const {
    return headers == other.headers && count_ == other.count_ &&
           std::equal(slots_.begin() + 1, slots_.begin() + 1 + count_, other.slots_.begin() + 1);
}

}  // namespace brontaxe
