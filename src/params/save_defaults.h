#pragma once
// "Sauver Défaut": the current style parameters become the start values of the next run.

#include <optional>
#include <string>

#include "model/model.h"
#include "platform/profile_file.h"

namespace brontaxe {

// Writes the keys of section "Brontaxe" that `Init` reads back, numbers with a period and a
// leading blank, flags "1"/"0". Every other section, key and comment of the file stays.
// Returns the French message of a failed write (the keys before it are already written).
std::optional<std::string> saveDefaults(const Model& m, const platform::PrivateProfile& settings);

// A number as it is stored: the shortest text with a leading blank that reads back as the
// same single, so that a saved value returns exactly.
std::string storedNumberText(float value);

}  // namespace brontaxe
