#pragma once
// The drawing file of our own (.des): JSON holding every element with its attributes and the
// technical sheet, read back exactly.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "drawing/drawing.h"
#include "io/file_format.h"
#include "io/write_progress.h"

namespace brontaxe::io {

// 2: the design block also keeps an opened die-line's rules and the section applied.
// 3: it also keeps the optimiser's permissions (quarter turns, roll), and the technical sheet's
//    answers keep their placeholders, filled as the design is drawn.
// 4: it also keeps a style's blank as edited by hand.
inline constexpr int kDesVersion = 4;

// The parametric design a drawing was generated from, kept beside its elements so that the
// program can open the file again as a design and not only as lines. Values are the texts of
// the model's fields (`fieldText`) and of the window's inputs, in the order they are restored.
struct DesignRecord {
    using Values = std::vector<std::pair<std::string, std::string>>;
    Values model;
    Values window;
    // The rules of a die-line made elsewhere, as read, drawn in place of a style.
    std::optional<std::vector<Element>> dieLine{};
    // A style's blank as the user edited it by hand, drawn in place of the style's own while
    // the style's sizes and parameters stay as they were.
    std::optional<std::vector<Element>> editedBlank{};
    bool operator==(const DesignRecord&) const = default;
};

// The file text; with a design, the file also holds the design block.
// Empty when `progress` was stopped.
std::string desText(const Drawing& d, const DesignRecord* design = nullptr,
                    const WriteProgress& progress = WriteProgress{});

// Replaces the elements and technical sheet of `d` with those of the file text. A damaged or
// newer file is refused with a message and leaves `d` as it was. With `design`, the file's
// design block is handed back there (nullopt when the file has none).
FileResult readDesText(std::string_view text, Drawing& d,
                       std::optional<DesignRecord>* design = nullptr);

// Saves a drawing with its design as .des, all or nothing: a failed write leaves any existing
// file as it was.
FileResult saveDesWithDesign(const Drawing& d, const DesignRecord& design,
                             const std::filesystem::path& path,
                             const WriteProgress& progress = WriteProgress{});

}  // namespace brontaxe::io
