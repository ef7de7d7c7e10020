#pragma once
// The range of every numeric field a user or a file may set. Front ends, dialogs, settings and
// drawing files all check against this one table, so a value refused in one place is refused in
// every other.

#include <optional>
#include <string>
#include <string_view>

namespace brontaxe {

struct FieldRange {
    double min = 0;
    double max = 0;
    bool minExcluded = false;  // sizes must be more than 0, not 0 itself
    const char* unit = "mm";   // "mm", "°" or "" for counts and codes

    bool holds(double value) const;
};

// The range of a field by its model name ("Longueur", "lgPatte", "Majo(6)" or "Majo"); names
// ignore case. Nullopt for text and flag fields and for unknown names.
std::optional<FieldRange> fieldRange(std::string_view name);

// "de 0 exclu à 10000 mm", "de 1 à 3".
std::string rangeText(const FieldRange& range);

// Nullopt when the value lies in the field's range (or the field has none); otherwise the
// French reason, "<caption> : <value> (<range>)". The caption defaults to
// "Valeur incorrecte pour <name>"; the window passes its own ("Longueur incorrecte").
std::optional<std::string> checkFieldValue(std::string_view name, double value,
                                           std::string_view caption = {});

}  // namespace brontaxe
