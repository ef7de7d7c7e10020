#pragma once
// The model's fields by name, so that front ends can set any of them from text
// ("lgPatte=30", "Majo(6)=2", "pattesurtete=1").

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/model.h"

namespace brontaxe {

enum class FieldSetStatus { Ok, UnknownField, BadIndex, BadValue, OutOfRange };

struct FieldSetResult {
    FieldSetStatus status = FieldSetStatus::Ok;
    std::string message;  // French, for the user
    bool ok() const { return status == FieldSetStatus::Ok; }
};

// Sets a field from a text such as "30", "-1", "1", "0201". Names ignore case; array entries
// are written "Majo(6)". Numbers must be plain numbers: a front end's typo is reported, not
// read as 0, and a number outside the field's range (model/field_ranges.h) is refused.
FieldSetResult setField(Model& m, std::string_view name, std::string_view value);

// The field's current value as plain number text (or the text itself); nullopt when unknown.
std::optional<std::string> fieldText(const Model& m, std::string_view name);

// Names of every settable field, arrays written with their index range ("Majo(1..16)").
std::vector<std::string> fieldNames();

}  // namespace brontaxe
