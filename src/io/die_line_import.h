#pragma once
// Die-lines made by other programs (DXF, CFF2) read into a drawing: rules by their line kind,
// everything else (texts, dimensions, layers nobody named) kept as annotation.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/drawing.h"
#include "io/file_format.h"
#include "io/line_kind_table.h"

namespace brontaxe::io {

struct ImportOptions {
    LineKindTable table = LineKindTable::shipped();
    // Millimetres per unit of a DXF file that does not say its unit; without it such a file
    // is read in millimetres and the report says so.
    std::optional<double> unitWhenAbsent;
};

struct ImportReport {
    // Layers (or "type N" keys) the table does not know, whose lines were kept as annotation.
    std::vector<std::string> unknownLayers;
    bool unitAbsent = false;  // the DXF file says no unit and none was given
    // What was left out or changed on the way, in French (skipped entity kinds, ...).
    std::vector<std::string> notices;
};

// Reads a whole file text into `d` (cleared first). On failure `d` holds whatever the reader
// had made; callers read into a scratch drawing.
FileResult readDxfText(std::string_view text, const ImportOptions& options, Drawing& d,
                       ImportReport& report);
FileResult readCff2Text(std::string_view text, const ImportOptions& options, Drawing& d,
                        ImportReport& report);

// True for the extensions these readers take (.dxf, .cf2, .cff2).
bool isDieLinePath(const std::filesystem::path& path);

// Replaces `d` with the die-line in the file; on any failure `d` is left as it was and the
// message names the file, the line and the reason.
FileResult openDieLine(Drawing& d, const std::filesystem::path& path, const ImportOptions& options,
                       ImportReport& report);

}  // namespace brontaxe::io
