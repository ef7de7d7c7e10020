#pragma once
// The rule the manual's text test applies to French typography, for the texts the programs
// write: a plain space after a word and before ":" ";" "?" "!" "»", or after "«", lets a line
// break where French does not. Header only, for the window's test programs too.

#include <string_view>

namespace brontaxe::test {

// How many plain spaces stand where a non-breaking one belongs.
inline int plainSpacesBeforeMarks(std::string_view text) {
    constexpr std::string_view kOpening = "\xc2\xab";
    constexpr std::string_view kClosing = "\xc2\xbb";
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != ' ')
            continue;
        const std::string_view after = text.substr(i + 1);
        const bool afterWord = i > 0 && text[i - 1] != ' ' && text[i - 1] != '\n' &&
                               text[i - 1] != '\t' && text[i - 1] != '|';
        const bool sign = !after.empty() &&
                          (after.front() == ':' || after.front() == ';' || after.front() == '?' ||
                           after.front() == '!' || after.starts_with(kClosing));
        if ((afterWord && sign) || text.substr(0, i).ends_with(kOpening))
            ++count;
    }
    return count;
}

}  // namespace brontaxe::test
