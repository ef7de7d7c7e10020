#include "io/dxf_groups.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "io/import_geometry.h"

namespace brontaxe::io {
namespace {

// Far beyond any sheet in any unit, yet far from overflowing once scaled and transformed.
constexpr double kLargestGroupValue = 1e12;
constexpr std::size_t kShownValue = 40;

bool isUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t extra = c < 0x80           ? 0
                                  : (c >> 5) == 0x6  ? 1
                                  : (c >> 4) == 0xE  ? 2
                                  : (c >> 3) == 0x1E ? 3
                                                     : 4;
        if (extra == 4 || (extra > 0 && i + extra >= s.size()))
            return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        }
        i += extra + 1;
    }
    return true;
}

void appendUtf8(unsigned code, std::string& out) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The Windows-1252 characters between 0x80 and 0x9F, by their byte; 0 where none.
constexpr unsigned kWindows1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::optional<unsigned> escapedCode(std::string_view s) {
    if (s.size() < 7 || s.substr(0, 3) != "\\U+")
        return std::nullopt;
    unsigned code = 0;
    const auto [end, ec] = std::from_chars(s.data() + 3, s.data() + 7, code, 16);
    if (ec != std::errc() || end != s.data() + 7 || code == 0 || (code >= 0xD800 && code < 0xE000))
        return std::nullopt;
    return code;
}

}  // namespace

std::string utf8Text(std::string_view text) {
    const bool utf8 = isUtf8(text);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (const auto code = escapedCode(text.substr(i))) {
            appendUtf8(*code, out);
            i += 6;
            continue;
        }
        const auto c = static_cast<unsigned char>(text[i]);
        if (utf8 || c < 0x80)
            out += static_cast<char>(c);
        else if (c >= 0xA0)
            appendUtf8(c, out);
        else
            appendUtf8(kWindows1252[c - 0x80] != 0 ? kWindows1252[c - 0x80] : '?', out);
    }
    return out;
}

std::string shown(std::string_view v) {
    if (v.size() <= kShownValue)
        return "« " + std::string(v) + " »";
    std::size_t cut = kShownValue;
    while (cut > 0 && (static_cast<unsigned char>(v[cut]) & 0xC0) == 0x80)
        --cut;  // not inside a UTF-8 character
    return "« " + std::string(v.substr(0, cut)) + "... »";
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

std::string atLine(std::size_t line, const std::string& reason) {
    return "ligne " + std::to_string(line) + " : " + reason;
}

bool DxfGroups::nextLine(std::string_view& out) {
    if (pos_ >= text_.size())
        return false;
    std::size_t end = text_.find('\n', pos_);
    if (end == std::string_view::npos)
        end = text_.size();
    out = text_.substr(pos_, end - pos_);
    if (!out.empty() && out.back() == '\r')
        out.remove_suffix(1);
    pos_ = end + 1;
    ++line_;
    return true;
}

bool DxfGroups::next(DxfGroup& g) {
    std::string_view codeLine;
    do {
        if (!nextLine(codeLine))
            return false;
    } while (trimmed(codeLine).empty() && pos_ >= text_.size());
    const std::string_view code = trimmed(codeLine);
    g.line = line_;
    const auto [end, ec] = std::from_chars(code.data(), code.data() + code.size(), g.code);
    if (ec != std::errc() || end != code.data() + code.size() || g.code < 0)
        throw ImportError(atLine(line_, "code de groupe attendu, lu " + shown(code)));
    std::string_view value;
    if (!nextLine(value))
        throw ImportError(atLine(g.line, "valeur manquante après le code " +
                                             std::to_string(g.code) + " (fichier tronqué)"));
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t'))
        value.remove_suffix(1);
    g.value = value;
    return true;
}

double realValue(const DxfGroup& g) {
    std::string_view v = trimmed(g.value);
    if (!v.empty() && v.front() == '+')
        v.remove_prefix(1);
    double out = 0;
    const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), out);
    if (ec != std::errc() || end != v.data() + v.size() || v.empty())
        throw ImportError(atLine(g.line, "nombre attendu après le code " + std::to_string(g.code) +
                                             ", lu " + shown(g.value)));
    if (!std::isfinite(out) || std::fabs(out) > kLargestGroupValue)
        throw ImportError(atLine(g.line, "nombre hors limites " + shown(g.value)));
    return out;
}

int intValue(const DxfGroup& g) {
    const std::string_view v = trimmed(g.value);
    long long out = 0;
    const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), out);
    if (ec != std::errc() || end != v.data() + v.size() || v.empty() || out < -2147483647LL ||
        out > 2147483647LL)
        throw ImportError(atLine(g.line, "nombre entier attendu après le code " +
                                             std::to_string(g.code) + ", lu " + shown(g.value)));
    return static_cast<int>(out);
}

}  // namespace brontaxe::io
