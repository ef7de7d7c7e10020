#include "techsheet/questionnaire.h"

#include <algorithm>

#include "techsheet/sheet_template.h"

namespace brontaxe {

std::optional<std::string> Questionnaire::open(const Drawing& d, const SheetBox& box) {
    if (auto problem = sheetSizeProblem(static_cast<std::size_t>(std::max(d.FieldCount(), 0))))
        return problem;
    count_ = d.FieldCount();
    SheetBox withRules = box;
    withRules.rules = SheetRules::of(d);
    for (std::int32_t i = 1; i <= count_; ++i) {
        const auto field = static_cast<std::size_t>(i);
        labels_[field] = d.FieldLabel(i);
        answers_[field] = d.FieldValue(i);
        filled_[field] = fillPlaceholders(answers_[field], withRules);
        values_[field] = filled_[field];
    }
    first_ = 1;
    return std::nullopt;
}

void Questionnaire::scrollTo(std::int32_t first) {
    first_ = std::clamp(first, 1, std::max(count_, 1));
}

std::array<Questionnaire::Row, Questionnaire::kRows> Questionnaire::rows() const {
    std::array<Row, kRows> out;
    if (count_ < 1 || count_ >= static_cast<std::int32_t>(kEntries))
        return out;
    const int shown = std::min(kRows, count_ - first_ + 1);
    for (int r = 0; r < shown; ++r) {
        const auto field = static_cast<std::size_t>(first_ + r);
        out[static_cast<std::size_t>(r)] = {true, first_ + r, labels_[field], values_[field]};
    }
    return out;
}

void Questionnaire::edit(int row, const std::string& text) {
    const std::int32_t field = first_ + row;
    if (row >= 0 && row < kRows && field >= 1 && field <= count_)
        values_[static_cast<std::size_t>(field)] = text;
}

std::string Questionnaire::value(std::int32_t field) const {
    return field >= 1 && field <= count_ ? values_[static_cast<std::size_t>(field)] : std::string();
}

void Questionnaire::validate(Drawing& d) const {
    for (std::int32_t i = 1; i <= count_; ++i) {
        const auto field = static_cast<std::size_t>(i);
        const std::string& shown = values_[field];
        // An answer edited is kept as typed; one left as shown keeps its placeholders.
        d.SetFieldValue(i, shown != filled_[field] ? shown : answers_[field]);
        d.ShowFieldText(i, shown);
    }
}

}  // namespace brontaxe
