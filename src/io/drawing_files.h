#pragma once
// The drawing control's file operations: save in the format the extension names, open our own
// drawing files.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "drawing/drawing.h"
#include "io/file_format.h"

namespace brontaxe::io {

// Writes the drawing in the format of the path's extension. The file is written beside the
// target under a temporary name and renamed over it only when complete, so a failed save
// leaves any existing file as it was and never leaves a partial one; nor does a write the user
// stops through `progress`.
FileResult SaveDrawing(const Drawing& d, const std::filesystem::path& path,
                       const WriteProgress& progress = WriteProgress{});

// The same for a file that another writer than the drawing's makes (the folded box): `write`
// writes the temporary path it is given (and may be stopped through `progress`).
FileResult saveThrough(const std::filesystem::path& path,
                       const std::function<FileResult(const std::filesystem::path&)>& write,
                       const WriteProgress& progress = WriteProgress{});

// Why a drawing could not be saved at this path before anything is written (no file name,
// unknown extension, missing folder), or nullopt when the path is usable.
std::optional<std::string> savePathProblem(const std::filesystem::path& path);

// What the user should know before a drawing is written at this path: a PDF page longer than
// 200 inches is written smaller, with the PDF user unit bringing it back to true size.
std::optional<std::string> pageSizeNotice(const Drawing& d, const std::filesystem::path& path);

// Replaces the drawing with the contents of a drawing file (.des). On any failure the drawing
// is left as it was.
FileResult OpenDrawing(Drawing& d, const std::filesystem::path& path);

}  // namespace brontaxe::io
