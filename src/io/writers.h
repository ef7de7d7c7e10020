#pragma once
// One writer per file format; the registry in file_format.cpp picks them by extension.

#include <filesystem>

#include "io/file_format.h"

namespace brontaxe::io {

FileResult writeDes(const Drawing& d, const std::filesystem::path& path,
                    const WriteProgress& progress);
FileResult writeDxf(const Drawing& d, const std::filesystem::path& path,
                    const WriteProgress& progress);
FileResult writeCff2(const Drawing& d, const std::filesystem::path& path,
                     const WriteProgress& progress);
FileResult writePdf(const Drawing& d, const std::filesystem::path& path,
                    const WriteProgress& progress);
FileResult writeEps(const Drawing& d, const std::filesystem::path& path,
                    const WriteProgress& progress);
FileResult writeSvg(const Drawing& d, const std::filesystem::path& path,
                    const WriteProgress& progress);
FileResult writePng(const Drawing& d, const std::filesystem::path& path,
                    const WriteProgress& progress);
FileResult writeBmp(const Drawing& d, const std::filesystem::path& path,
                    const WriteProgress& progress);
FileResult writePli(const Drawing& d, const std::filesystem::path& path,
                    const WriteProgress& progress);
FileResult writeEv(const Drawing& d, const std::filesystem::path& path,
                   const WriteProgress& progress);
// The blank folded as the drawing alone tells: every crease square, the faces without the
// board's thickness, which only the design knows (io/fold_files.h writes it with them).
FileResult writeObj(const Drawing& d, const std::filesystem::path& path,
                    const WriteProgress& progress);
FileResult writeGltf(const Drawing& d, const std::filesystem::path& path,
                     const WriteProgress& progress);

// Writes a text file whole; the message names the file when it fails.
FileResult writeTextFile(const std::filesystem::path& path, std::string_view contents);

// The message for a file that could not be written.
std::string cannotWriteMessage(const std::filesystem::path& path);

}  // namespace brontaxe::io
