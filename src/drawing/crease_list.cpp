#include "drawing/crease_list.h"

#include "platform/number_text.h"

namespace brontaxe {

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

}  // namespace brontaxe
