#include "io/dxf_groups.h"

#include <charconv>
#include <cmath>

#include "io/import_geometry.h"

namespace brontaxe::io {
namespace {

// Far beyond any sheet in any unit, yet far from overflowing once scaled and transformed.
constexpr double kLargestValue = 1e12;
constexpr std::size_t kShownValue = 40;

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

std::string shown(std::string_view v) {
    return "« " + std::string(v.substr(0, kShownValue)) + (v.size() > kShownValue ? "..." : "") +
           " »";
}

}  // namespace

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
    if (!std::isfinite(out) || std::fabs(out) > kLargestValue)
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
