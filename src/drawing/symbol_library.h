#pragma once
// Symbol libraries: numbered symbols made of strokes in their own unit (a symbol of size 1
// spans about -1..1), read from a text file:
//
//   # comment
//   symbole 5 Sens cannelure
//   trait x1 y1 x2 y2
//   arc cx cy rayon début balayage
//
// Arcs are kept as fine chords.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/geometry.h"

namespace brontaxe {

struct SymbolDefinition {
    int number = 0;
    std::string name;
    std::vector<Segment> strokes;
};

class SymbolLibrary {
  public:
    // nullopt and a French reason in `problem` when the text is not a library.
    static std::optional<SymbolLibrary> parse(std::string_view text,
                                              std::string* problem = nullptr);
    static std::optional<SymbolLibrary> load(const std::filesystem::path& path,
                                             std::string* problem = nullptr);

    const SymbolDefinition* find(int number) const;
    std::size_t size() const { return symbols_.size(); }

  private:
    std::map<int, SymbolDefinition> symbols_;
};

}  // namespace brontaxe
