#pragma once
// The crease list typed by the user or written by a style: segment lengths across the strip or
// blank, then "/" and segment lengths along it, each separated by "+" or ";" (for example
// "100+200+100/300+300").

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

// How many segments one part holds (fields separated by "+" or ";"); 0 for a blank part.
std::size_t creaseSegmentCount(std::string_view part);

// Refuses (GenerationError) a part, or a whole list, with more than kMaxCreasePositions
// segments: the rest would be dropped without a word.
void refuseOverlongCreasePart(std::string_view part);
void refuseOverlongCreaseList(std::string_view list);

// Rewrites each part of the list so that its positions add up to the side: the positions but
// the last kept as typed (blanks trimmed), the last replaced by the side less their sum (so a
// list longer than the side ends negative). Parts joined with "/" again.
std::string normaliseCreaseList(std::string_view list, float width, float length);

}  // namespace brontaxe
