#pragma once
// The allowances: sixteen values per (FEFCO code, grade) pair, at most one record a pair,
// numbered from 1 in table order.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace brontaxe {

inline constexpr int kAllowanceCount = 16;
// Allowances 1 to 16 at their own index, as the model's `Majo` holds them (index 0 unused).
using AllowanceValues = std::array<float, kAllowanceCount + 1>;

struct MajoRec {
    std::int16_t code = 0;   // FEFCO code as a number: 0201 is 201
    std::int16_t grade = 0;  // grade number
    AllowanceValues values{};

    bool operator==(const MajoRec&) const = default;
};

class AllowanceTable {
  public:
    int count() const { return static_cast<int>(records_.size()); }
    // `slot` from 1 to count().
    const MajoRec& at(int slot) const { return records_[static_cast<std::size_t>(slot - 1)]; }

    // Slot of the record of exactly this code and grade, or 0.
    int find(std::int16_t code, std::int16_t grade) const;
    // Slot of the first record of the code, any grade, whose first value is not 0; or 0.
    int findScalable(std::int16_t code) const;

    // Replaces the values of the pair's record or appends one. A pair with code or grade 0 is
    // no record: nothing is stored and 0 is returned; otherwise the record's slot.
    int store(std::int16_t code, std::int16_t grade, const AllowanceValues& values);
    // Removes every record of `grade` and lowers the grade of the records above it by one, so
    // that they stay with their grade once the grade table has closed the gap.
    void removeGrade(std::int16_t grade);

    std::array<std::string, 2> headers;  // carried through from the file unchanged

    bool operator==(const AllowanceTable&) const = default;

  private:
    std::vector<MajoRec> records_;
};

}  // namespace brontaxe
