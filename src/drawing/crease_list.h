#pragma once
// The extra-crease list typed by the user: positions along the width, then "/" and positions
// along the length, each separated by "+" or ";" (for example "100+200/300").

#include <string>
#include <string_view>
#include <vector>

namespace brontaxe {

inline constexpr std::size_t kMaxCreasePositions = 50;

struct CreaseListParts {
    std::string widthPart;
    std::string lengthPart;  // empty when the list has no "/"
};

// Splits at the first "/".
CreaseListParts splitCreaseList(std::string_view list);

// The positions of one part, each read as its leading number (a blank field reads 0); at most
// 50, the rest ignored. An empty part has no position.
std::vector<float> creasePositions(std::string_view part);

}  // namespace brontaxe
