#pragma once
// A number typed into a box that stands for a model field: taken only when it is a number and
// lies in the field's range (model/field_ranges.h); otherwise the French reason, so that the
// box can refuse it and say why instead of drawing a blank nobody asked for.

#include <optional>
#include <string>
#include <string_view>

namespace brontaxe {

struct NumberEntry {
    std::optional<double> value;  // the number, when it is taken
    std::string refusal;          // why it is not: "Longueur incorrecte : abc (de 0 exclu à ...)"
    bool taken() const { return value.has_value(); }
};

// `field` names the model field ("Longueur", "Marges", "lgPatte"); `caption` heads the
// reason ("Longueur incorrecte"). A decimal comma reads as a point.
NumberEntry readNumberEntry(std::string_view text, std::string_view field,
                            std::string_view caption);

}  // namespace brontaxe
