#include "editing/coordinate_entry.h"

#include "platform/user_number.h"

namespace brontaxe::editing {
namespace {

constexpr const char* kPointExpected = "Coordonnées attendues : x;y, @dx;dy ou @longueur<angle";
constexpr const char* kNoLastPoint = "Pas de point précédent : tapez x;y";

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view blanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// Two numbers around one separator, each read as the user typed it.
std::optional<Point> numberPair(std::string_view text, char separator) {
    const std::size_t at = text.find(separator);
    if (at == std::string_view::npos || text.find(separator, at + 1) != std::string_view::npos)
        return std::nullopt;
    const auto first = platform::readUserNumber(text.substr(0, at));
    const auto second = platform::readUserNumber(text.substr(at + 1));
    if (!first || !second)
        return std::nullopt;
    return Point{*first, *second};
}

TypedPoint refused(const char* why) {
    return {std::nullopt, why};
}

}  // namespace

TypedPoint parsePoint(std::string_view text, std::optional<Point> last) {
    text = trimmed(text);
    if (!text.starts_with('@')) {
        const auto absolute = numberPair(text, ';');
        return absolute ? TypedPoint{absolute, {}} : refused(kPointExpected);
    }
    const std::string_view relative = text.substr(1);
    const bool polar = relative.find('<') != std::string_view::npos;
    const auto pair = numberPair(relative, polar ? '<' : ';');
    if (!pair)
        return refused(kPointExpected);
    if (!last)
        return refused(kNoLastPoint);
    if (polar)
        return {pointOnCircle(*last, pair->x, pair->y), {}};
    return {*last + *pair, {}};
}

TypedValue parseValue(std::string_view text) {
    if (const auto value = platform::readUserNumber(text))
        return {value, {}};
    return {std::nullopt, "Nombre attendu (la virgule pour les décimales)"};
}

}  // namespace brontaxe::editing
