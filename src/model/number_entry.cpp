#include "model/number_entry.h"

#include "model/field_ranges.h"
#include "platform/text.h"
#include "platform/user_number.h"

namespace brontaxe {

NumberEntry readNumberEntry(std::string_view text, std::string_view field,
                            std::string_view caption) {
    NumberEntry entry;
    const std::optional<double> number = platform::readUserNumber(text);
    if (!number) {
        const std::string_view shown = platform::trimBlanks(text);
        entry.refusal = std::string(caption) + " : " +
                        (shown.empty() ? std::string("vide") : "\"" + std::string(shown) + "\"");
        if (auto range = fieldRange(field))
            entry.refusal += " (" + rangeText(*range) + ")";
        return entry;
    }
    if (auto reason = checkFieldValue(field, *number, caption)) {
        entry.refusal = *reason;
        return entry;
    }
    entry.value = number;
    return entry;
}

}  // namespace brontaxe
