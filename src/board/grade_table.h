#pragma once
// The board grades: 100 numbered slots, a grade's number being its slot.

#include <array>
#include <string>

namespace brontaxe {

inline constexpr int kMaxGrades = 100;

struct QualiteRec {
    std::string label;  // what grade lists show; by convention it begins with the grade number
    std::string code;   // "Codification", the key when a grade is added
    float thickness = 0;
    float doubleWall = 0;

    bool operator==(const QualiteRec&) const = default;
};

class GradeTable {
  public:
    int count() const { return count_; }
    bool holds(int grade) const { return grade >= 1 && grade <= count_; }
    // `grade` must be held.
    const QualiteRec& at(int grade) const { return slots_[static_cast<std::size_t>(grade)]; }
    QualiteRec& at(int grade) { return slots_[static_cast<std::size_t>(grade)]; }

    // False, leaving the table as it was, when all 100 slots are taken.
    bool append(QualiteRec grade);
    // Later grades move down one slot; their labels are left as they are.
    void remove(int grade);

    std::array<std::string, 2> headers;  // carried through from the file unchanged

    bool operator==(const GradeTable& other) const;

  private:
    std::array<QualiteRec, kMaxGrades + 1> slots_{};  // slot 0 never used
    int count_ = 0;
};

}  // namespace brontaxe
