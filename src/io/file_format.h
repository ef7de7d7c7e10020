#pragma once
// The file formats a drawing is written in, one writer each, chosen by the file's extension.

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "drawing/drawing.h"
#include "io/write_progress.h"

namespace brontaxe::io {

// The outcome of a file operation; `message` is the French text shown to the user.
struct FileResult {
    bool ok = true;
    std::string message;

    static FileResult success() { return {}; }
    static FileResult failure(std::string message) { return {false, std::move(message)}; }
};

// Writes the whole drawing to `path`. The caller hands a temporary path and renames it over
// the target only on success, so a writer never needs to care about a half-written file, nor
// about one the user stopped.
using DrawingWriter = FileResult (*)(const Drawing& d, const std::filesystem::path& path,
                                     const WriteProgress& progress);

struct FileFormat {
    std::string_view extension;  // lower case, without the dot
    std::string_view caption;    // as in the save dialog
    DrawingWriter write;
    bool readable;  // OpenDrawing reads it back
};

// Every format, in the order of the save dialog.
std::span<const FileFormat> fileFormats();

// The format of a path by its extension (case ignored), or nullptr.
const FileFormat* formatForPath(const std::filesystem::path& path);

// ".des, .pli, ..." for messages.
std::string supportedExtensionsText();

}  // namespace brontaxe::io
