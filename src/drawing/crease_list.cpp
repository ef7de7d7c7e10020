#include "drawing/crease_list.h"

#include "platform/errors.h"
#include "platform/number_text.h"
#include "platform/text.h"

namespace brontaxe {
namespace {

// The typed fields of a part, as separated by "+" or ";".
std::vector<std::string_view> fields(std::string_view part) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= part.size(); ++i) {
        if (i == part.size() || part[i] == '+' || part[i] == ';') {
            out.push_back(platform::trimBlanks(part.substr(start, i - start)));
            start = i + 1;
        }
    }
    return out;
}

std::string normalisePart(std::string_view part, float side) {
    if (platform::trimBlanks(part).empty())
        return {};
    std::vector<std::string_view> typed = fields(part);
    if (typed.size() > kMaxCreasePositions)
        typed.resize(kMaxCreasePositions);
    std::string out;
    float sum = 0;
    for (std::size_t i = 0; i + 1 < typed.size(); ++i) {
        out += std::string(typed[i]) + "+";
        sum += static_cast<float>(platform::leadingNumber(typed[i]));
    }
    return out + platform::numberText(side - sum);
}

}  // namespace

CreaseListParts splitCreaseList(std::string_view list) {
    const std::size_t slash = list.find('/');
    if (slash == std::string_view::npos)
        return {std::string(list), {}};
    return {std::string(list.substr(0, slash)), std::string(list.substr(slash + 1))};
}

std::vector<float> creasePositions(std::string_view part) {
    std::vector<float> positions;
    if (part.empty())
        return positions;
    std::size_t start = 0;
    while (positions.size() < kMaxCreasePositions) {
        const std::size_t end = part.find_first_of("+;", start);
        const std::string_view field = part.substr(start, end - start);
        positions.push_back(static_cast<float>(platform::leadingNumber(field)));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return positions;
}

std::size_t creaseSegmentCount(std::string_view part) {
    return platform::trimBlanks(part).empty() ? 0 : fields(part).size();
}

void refuseOverlongCreasePart(std::string_view part) {
    const std::size_t count = creaseSegmentCount(part);
    if (count > kMaxCreasePositions)
        throw GenerationError("Liste de refoulages trop longue : " + std::to_string(count) +
                              " segments dans une partie, " + std::to_string(kMaxCreasePositions) +
                              " au plus");
}

void refuseOverlongCreaseList(std::string_view list) {
    const CreaseListParts parts = splitCreaseList(list);
    refuseOverlongCreasePart(parts.widthPart);
    refuseOverlongCreasePart(parts.lengthPart);
}

std::string normaliseCreaseList(std::string_view list, float width, float length) {
    const CreaseListParts parts = splitCreaseList(list);
    return normalisePart(parts.widthPart, width) + "/" + normalisePart(parts.lengthPart, length);
}

}  // namespace brontaxe
