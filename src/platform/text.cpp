#include "platform/text.h"

#include <cstdint>

#include "platform/number_text.h"

namespace brontaxe::platform {
namespace {

constexpr std::string_view kOpeningQuote = "\xc2\xab";  // «
constexpr std::string_view kClosingQuote = "\xc2\xbb";  // »

bool isSignAfterSpace(std::string_view rest) {
    if (rest.empty())
        return false;
    const char c = rest.front();
    return c == ':' || c == ';' || c == '?' || c == '!' || rest.starts_with(kClosingQuote);
}

// The code point that ends text[0, end), from its UTF-8 bytes (0 for none).
std::uint32_t codePointBefore(std::string_view text, std::size_t end) {
    if (end == 0)
        return 0;
    std::size_t start = end - 1;
    while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xc0) == 0x80)
        --start;
    const auto lead = static_cast<unsigned char>(text[start]);
    if (lead < 0x80)
        return lead;
    const std::size_t length = end - start;
    std::uint32_t cp = lead & (length == 2 ? 0x1f : length == 3 ? 0x0f : 0x07);
    for (std::size_t k = start + 1; k < end; ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(text[k]) & 0x3f);
    return cp;
}

// A letter or digit of a French word: ASCII, or the Latin letters with their accents.
bool isWordCharacter(std::uint32_t cp) {
    if (cp < 0x80)
        return (cp >= '0' && cp <= '9') || (cp >= 'a' && cp <= 'z') || (cp >= 'A' && cp <= 'Z') ||
               cp == '_';
    return cp >= 0xc0 && cp <= 0x24f && cp != 0xd7 && cp != 0xf7;
}

// A unit written after a number: the longer spellings first, so that "mm" is not read as "m".
constexpr std::string_view kUnits[] = {"mm\xc2\xb2", "m\xc2\xb2", "kN/m", "mm", "cm",
                                       "kg",         "kN",        "m",    "%",  "\xc2\xb0"};

bool isAsciiWordByte(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

// "mm" in "12 mm)" or "12 mm", not in "12 mmol" nor "3 mois": the unit ends where the word does.
bool isUnitAfterSpace(std::string_view rest) {
    for (std::string_view unit : kUnits) {
        if (!rest.starts_with(unit))
            continue;
        const std::string_view after = rest.substr(unit.size());
        const auto next = after.empty() ? '\0' : after.front();
        return after.empty() || after.starts_with(kNoBreakSpace) ||
               (static_cast<unsigned char>(next) < 0x80 && !isAsciiWordByte(next));
    }
    return false;
}

bool endsAWord(std::string_view text, std::size_t colon) {
    if (!isWordCharacter(codePointBefore(text, colon)))
        return false;
    const std::size_t next = colon + 1;
    return next == text.size() || text[next] == ' ' || text[next] == '\n' || text[next] == '\t';
}

}  // namespace

std::string_view trimBlanks(std::string_view s) {
    auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string frenchSpacing(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const std::string_view rest = text.substr(i + 1);
        const bool afterOpeningQuote = text.substr(0, i).ends_with(kOpeningQuote);
        const bool afterDigit = i > 0 && text[i - 1] >= '0' && text[i - 1] <= '9';
        if (c == ' ' && (isSignAfterSpace(rest) || afterOpeningQuote ||
                         (afterDigit && isUnitAfterSpace(rest)))) {
            out.append(kNoBreakSpace);
            continue;
        }
        if (c == ':' && endsAWord(text, i))
            out.append(kNoBreakSpace);
        out.push_back(c);
    }
    return out;
}

}  // namespace brontaxe::platform
