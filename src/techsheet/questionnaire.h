#pragma once
// The questionnaire of a technical sheet (frm_FT): the labels and values of its fields, shown
// ten at a time from a first field that the scroll bar moves, written back on "Valider" only.
// A value shows its placeholders filled; left as shown, the answer keeps its placeholders, so
// that the sheet follows the design when its sizes or grade change.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "drawing/drawing.h"
#include "techsheet/placeholders.h"

namespace brontaxe {

class Questionnaire {
  public:
    static constexpr int kRows = 10;
    static constexpr std::size_t kEntries = 200;  // entries 0 to 199, fields from 1

    struct Row {
        bool shown = false;
        int field = 0;
        std::string label;
        std::string value;
    };

    // Reads the drawing's fields, placeholders filled from the box, and shows from field 1.
    // A sheet of more than 199 fields is refused (the French reason) and nothing is read.
    std::optional<std::string> open(const Drawing& d, const SheetBox& box);

    std::int32_t count() const { return count_; }
    std::int32_t first() const { return first_; }
    // The scroll bar's value: the field shown in the first row (1 to count).
    void scrollTo(std::int32_t first);
    std::array<Row, kRows> rows() const;
    // The text of a row's box changed: the value of the field it shows.
    void edit(int row, const std::string& text);
    std::string value(std::int32_t field) const;

    // "Valider": every answer into the drawing's fields, its texts showing the values.
    void validate(Drawing& d) const;

  private:
    std::array<std::string, kEntries> labels_;
    std::array<std::string, kEntries> values_;
    // The answers as the drawing keeps them, and as shown when the questionnaire opened.
    std::array<std::string, kEntries> answers_;
    std::array<std::string, kEntries> filled_;
    std::int32_t count_ = 0;
    std::int32_t first_ = 1;
};

}  // namespace brontaxe
