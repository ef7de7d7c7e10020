#include "editing/coordinate_entry.h"

#include <cmath>

#include "platform/user_number.h"

namespace brontaxe::editing {
namespace {

constexpr const char* kPointExpected = "Coordonnées attendues : x;y, @dx;dy ou @longueur<angle";
constexpr const char* kNoLastPoint = "Pas de point précédent : tapez x;y";
// A kilometre each way, and as much for a radius or a distance: far past any sheet, and short
// of the sizes that overflow the drawing's arithmetic (a point typed as 1e308 from another far
// point, a circle of that radius).
constexpr double kFarthest = 1e6;

std::string_view trimmedText(std::string_view text) {
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

TypedPoint accepted(Point p) {
    if (!(std::fabs(p.x) <= kFarthest && std::fabs(p.y) <= kFarthest))
        return refused("Point trop loin : 1 000 000 mm au plus de l'origine sur chaque axe");
    return {p, {}};
}

}  // namespace

TypedPoint parsePoint(std::string_view text, std::optional<Point> last) {
    text = trimmedText(text);
    if (!text.starts_with('@')) {
        const auto absolute = numberPair(text, ';');
        return absolute ? accepted(*absolute) : refused(kPointExpected);
    }
    const std::string_view relative = text.substr(1);
    const bool polar = relative.find('<') != std::string_view::npos;
    const auto pair = numberPair(relative, polar ? '<' : ';');
    if (!pair)
        return refused(kPointExpected);
    if (!last)
        return refused(kNoLastPoint);
    if (polar)
        return accepted(pointOnCircle(*last, pair->x, pair->y));
    return accepted(*last + *pair);
}

TypedValue parseValue(std::string_view text) {
    const auto value = platform::readUserNumber(text);
    if (!value)
        return {std::nullopt, "Nombre attendu (la virgule pour les décimales)"};
    if (!(std::fabs(*value) <= kFarthest))
        return {std::nullopt, "Nombre trop grand : 1 000 000 au plus"};
    return {value, {}};
}

}  // namespace brontaxe::editing
